#include "settings/object_page_model.h"

#include "settings/options_archive.h"

namespace vk {

namespace {
// Bits of the ImportObj check boxes that the options file carries one by one.
constexpr int kFirstFileBits = 7;  // Border .. Chart, bits 0 to 6
constexpr int kFormControlBit = 8;
constexpr int kWhiteBorderBit = 9;
constexpr int kWhiteShadingBit = 10;
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
