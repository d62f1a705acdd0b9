#include "settings/layer_color_page_model.h"

#include "settings/list_selection.h"
#include "settings/options_archive.h"
#include "settings/page_option.h"
#include "ui/user_messages.h"

namespace vk {

const char16_t kInvalidLayerNameMessage[] =
    u"Invalid characters in layer name.\n\n"
    u"The following characters are not valid in layer names:\n"
    u"<>/\":?*|,=`";

namespace {

// A stored layer holding "*" anywhere means "no layer": the field shows nothing.
std::u16string LayerField(const TextOption& option, std::u16string_view key) {
  std::u16string value = ReadOption(option, key);
  if (value.find(u'*') != std::u16string::npos) value.clear();
  return value;
}

// An empty field is stored as "*", which the CAD side reads as "no layer".
std::u16string_view StoredLayer(const std::u16string& field) { return field.empty() ? std::u16string_view(u"*") : field; }

}  // namespace

void CLayerColorPageModel::LoadOptions(int32_t funcState) {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  m_strBorderLayer = LayerField(kBorderLayer, key);
  m_strTextLayer = LayerField(kTextLayer, key);
  m_strShapeLayer = LayerField(kAutoShapeLayer, key);
  m_strFillLayer = LayerField(kFillLayer, key);
  m_strImageLayer = LayerField(kImageLayer, key);
  m_nLineClrOpt = ReadOption(WithDefault(kLineClrOpt, m_nLineClrOpt), key);
  m_nTextClrOpt = ReadOption(WithDefault(kTextClrOpt, m_nTextClrOpt), key);
  m_nThinColor = ColourPositionFromStored(ReadOption(kThinColorIndex, key));
  m_nThickColor = ColourPositionFromStored(ReadOption(kThickColorIndex, key));
  m_nRegularColor = ColourPositionFromStored(ReadOption(kRegularColorIndex, key));
  m_nBoldColor = ColourPositionFromStored(ReadOption(kBoldColorIndex, key));
  m_nFillColorByLayer = ReadOption(WithDefault(kFillColorByLayer, m_nFillColorByLayer), key);
  m_nTableObjOpt = ReadOption(kTableObjOpt, key);
}

void CLayerColorPageModel::SaveOptions(int32_t funcState) const {
  using namespace options;
  const std::u16string key = SheetOptionKey(funcState);
  WriteOption(kBorderLayer, key, StoredLayer(m_strBorderLayer));
  WriteOption(kTextLayer, key, StoredLayer(m_strTextLayer));
  WriteOption(kAutoShapeLayer, key, StoredLayer(m_strShapeLayer));
  WriteOption(kImageLayer, key, StoredLayer(m_strImageLayer));
  WriteOption(kFillLayer, key, StoredLayer(m_strFillLayer));
  WriteOption(kFillColorByLayer, key, m_nFillColorByLayer);
  WriteOption(kLineClrOpt, key, m_nLineClrOpt);
  WriteOption(kTextClrOpt, key, m_nTextClrOpt);
  WriteOption(kThickColorIndex, key, StoredFromColourPosition(m_nThickColor));
  WriteOption(kThinColorIndex, key, StoredFromColourPosition(m_nThinColor));
  WriteOption(kRegularColorIndex, key, StoredFromColourPosition(m_nRegularColor));
  WriteOption(kBoldColorIndex, key, StoredFromColourPosition(m_nBoldColor));
}

bool CLayerColorPageModel::Apply(int32_t funcState, int32_t activePage) {
  // The characters the CAD side refuses in layer names; one message whichever is found.
  constexpr std::u16string_view kForbidden = u"<>/\":?*|,=`";
  for (const std::u16string* layer : {&m_strBorderLayer, &m_strTextLayer, &m_strShapeLayer, &m_strImageLayer, &m_strFillLayer}) {
    if (layer->find_first_of(kForbidden) != std::u16string::npos) {
      ShowWarning(kInvalidLayerNameMessage);
      return false;
    }
  }
  SaveOptions(funcState);
  WriteOption(options::kActivePageIndex, activePage);
  return true;
}

void CLayerColorPageModel::ExchangeOptions(COptionsArchive& ar, int32_t version) {
  if (ar.IsStoring()) {
    ar.WriteString(m_strBorderLayer);
    ar.WriteString(m_strTextLayer);
    ar.WriteString(m_strShapeLayer);
    ar.WriteString(m_strImageLayer);
    ar.WriteString(m_strFillLayer);
    ar.WriteInt32(m_nFillColorByLayer);
    ar.WriteInt32(m_nLineClrOpt);
    ar.WriteInt32(m_nTextClrOpt);
    ar.WriteInt32(m_nThinColor);
    ar.WriteInt32(m_nThickColor);
    ar.WriteInt32(m_nRegularColor);
    ar.WriteInt32(m_nBoldColor);
    return;
  }
  // Older files carry fewer layers; the layer fields they lack become empty, while the
  // FillColorByLayer box they lack keeps its value.
  std::u16string border = ar.ReadString();
  std::u16string text = ar.ReadString();
  std::u16string shape, image, fill;
  if (version >= 2) {
    shape = ar.ReadString();
    image = ar.ReadString();
  }
  if (version >= 3) fill = ar.ReadString();
  if (version >= 4) m_nFillColorByLayer = ar.ReadInt32();
  m_nLineClrOpt = ar.ReadInt32();
  m_nTextClrOpt = ar.ReadInt32();
  // A file's positions may come from a longer list or a damaged file: a position the lists lack
  // leaves them without a selection, as the other lists of the pages do.
  m_nThinColor = SelectedPosition(ar.ReadInt32(), m_nColourCount);
  m_nThickColor = SelectedPosition(ar.ReadInt32(), m_nColourCount);
  m_nRegularColor = SelectedPosition(ar.ReadInt32(), m_nColourCount);
  m_nBoldColor = SelectedPosition(ar.ReadInt32(), m_nColourCount);
  m_strBorderLayer = std::move(border);
  m_strTextLayer = std::move(text);
  m_strShapeLayer = std::move(shape);
  m_strImageLayer = std::move(image);
  m_strFillLayer = std::move(fill);
}

}  // namespace vk
