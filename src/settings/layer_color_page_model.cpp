#include "settings/layer_color_page_model.h"

#include "settings/options_archive.h"

namespace vk {

const char16_t kInvalidLayerNameMessage[] =
    u"Invalid characters in layer name.\n\n"
    u"The following characters are not valid in layer names:\n"
    u"<>/\":?*|,=`";

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
  m_nThinColor = ar.ReadInt32();
  m_nThickColor = ar.ReadInt32();
  m_nRegularColor = ar.ReadInt32();
  m_nBoldColor = ar.ReadInt32();
  m_strBorderLayer = std::move(border);
  m_strTextLayer = std::move(text);
  m_strShapeLayer = std::move(shape);
  m_strImageLayer = std::move(image);
  m_strFillLayer = std::move(fill);
}

}  // namespace vk
