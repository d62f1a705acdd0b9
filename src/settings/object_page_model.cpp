#include "settings/object_page_model.h"

#include <bit>
#include <iterator>

#include "settings/option_table.h"
#include "settings/options_archive.h"
#include "settings/page_option.h"

namespace vk {

namespace {
constexpr int Bit(int32_t value) { return std::countr_zero(static_cast<uint32_t>(value)); }
// The options file carries Border to Chart one by one, then the whole mask.
constexpr int kFirstFileBits = Bit(kImportChart) + 1;
constexpr int kFormControlBit = Bit(kImportFormControl);
constexpr int kWhiteBorderBit = Bit(kImportWhiteBorder);
constexpr int kWhiteShadingBit = Bit(kImportWhiteShading);
// The check box fields are indexed by bit number.
constexpr bool BitsInOrder() {
  for (size_t i = 0; i < std::size(kImportObjBitTable); ++i)
    if (kImportObjBitTable[i].value != (1 << i)) return false;
  return std::size(kImportObjBitTable) == std::tuple_size_v<decltype(CObjectPageModel::m_nImportObj)>;
}
static_assert(BitsInOrder());
}  // namespace

int32_t CObjectPageModel::ImportObjMask() const {
  uint32_t mask = 0;
  for (size_t bit = 0; bit < m_nImportObj.size(); ++bit)
    if (m_nImportObj[bit] != 0) mask |= 1u << bit;
  return static_cast<int32_t>(mask);
}

void CObjectPageModel::SetImportObjMask(int32_t mask) {
  for (size_t bit = 0; bit < m_nImportObj.size(); ++bit)
    m_nImportObj[bit] = (static_cast<uint32_t>(mask) >> bit) & 1u;
}

void CObjectPageModel::LoadOptions(int32_t funcState) {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  m_nTableObjOpt = ReadOption(WithDefault(kTableObjOpt, m_nTableObjOpt), key);
  m_nBorderObjOpt = ReadOption(WithDefault(kBorderObjOpt, m_nBorderObjOpt), key);
  m_nUseFontOpt = ReadOption(WithDefault(kUseFontOpt, m_nUseFontOpt), key);
  m_nTextObjOpt = ReadOption(WithDefault(kTextObjOpt, m_nTextObjOpt), key);
  m_nTableHasHeader = ReadOption(WithDefault(kTableHasHeader, m_nTableHasHeader), key);
  m_nTableHasTitle = ReadOption(WithDefault(kTableHasTitle, m_nTableHasTitle), key);
  m_nApplyTableStyleTextAlign = ReadOption(WithDefault(kApplyTableStyleTextAlign, m_nApplyTableStyleTextAlign), key);
  SetImportObjMask(ReadOption(kImportObj, key));
}

void CObjectPageModel::SaveOptions(int32_t funcState) const {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  WriteOption(kTableObjOpt, key, m_nTableObjOpt);
  WriteOption(kBorderObjOpt, key, m_nBorderObjOpt);
  WriteOption(kUseFontOpt, key, m_nUseFontOpt);
  WriteOption(kTextObjOpt, key, m_nTextObjOpt);
  WriteOption(kTableHasTitle, key, m_nTableHasTitle);
  WriteOption(kTableHasHeader, key, m_nTableHasHeader);
  WriteOption(kApplyTableStyleTextAlign, key, m_nApplyTableStyleTextAlign);
  WriteOption(kImportObj, key, ImportObjMask());
}

bool CObjectPageModel::Apply(int32_t funcState, int32_t activePage) {
  SaveOptions(funcState);
  WriteOption(options::kActivePageIndex, activePage);
  return true;
}

void CObjectPageModel::ExchangeOptions(COptionsArchive& ar, int32_t version) {
  if (ar.IsStoring()) {
    ar.WriteInt32(m_nTableObjOpt);
    ar.WriteInt32(m_nBorderObjOpt);
    ar.WriteInt32(m_nUseFontOpt);
    ar.WriteInt32(m_nTextObjOpt);
    for (int bit = 0; bit < kFirstFileBits; ++bit) ar.WriteInt32(m_nImportObj[bit]);
    ar.WriteInt32(ImportObjMask());
    ar.WriteInt32(m_nImportObj[kWhiteBorderBit]);
    ar.WriteInt32(m_nImportObj[kWhiteShadingBit]);
    ar.WriteInt32(m_nTableHasTitle);
    ar.WriteInt32(m_nTableHasHeader);
    ar.WriteInt32(m_nApplyTableStyleTextAlign);
    return;
  }
  m_nTableObjOpt = ar.ReadInt32();
  m_nBorderObjOpt = ar.ReadInt32();
  m_nUseFontOpt = ar.ReadInt32();
  m_nTextObjOpt = ar.ReadInt32();
  for (int bit = 0; bit < kFirstFileBits; ++bit) m_nImportObj[bit] = ar.ReadInt32();
  if (version >= 5) {
    // The whole mask is in the file, but only Form Control has no field of its own.
    m_nImportObj[kFormControlBit] = (static_cast<uint32_t>(ar.ReadInt32()) >> kFormControlBit) & 1u;
    m_nImportObj[kWhiteBorderBit] = ar.ReadInt32();
    m_nImportObj[kWhiteShadingBit] = ar.ReadInt32();
  }
  if (version >= 6) {
    m_nTableHasTitle = ar.ReadInt32();
    m_nTableHasHeader = ar.ReadInt32();
    m_nApplyTableStyleTextAlign = ar.ReadInt32();
  }
}

}  // namespace vk
