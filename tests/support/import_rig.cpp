#include "import_rig.h"

#include <cstdlib>
#include <optional>

#include "utf_text.h"

namespace vk::test {

using fake::Utf8;

ImportRig::ImportRig(const std::string& json) : shell(std::nullopt), excel(fake::FakeExcel::FromJson(json)) {
  driver.m_pExcel = excel->Application();
  driver.m_pLink = &link;
  // As the connection reads it from Application.Version ("16.0" gives 16).
  driver.m_nExcelVersion = static_cast<int32_t>(std::strtod(Utf8(excel->Book().version).c_str(), nullptr));
}

void ImportRig::SetOption(const NumberOption& option, int32_t value, std::u16string_view key) {
  hive.WriteNumber(std::u16string(u"Zelkor\\") + std::u16string(key), option.name, value);
}

std::vector<Table> ImportRig::Tables() const {
  std::vector<Table> tables;
  for (const auto& m : link.messages)
    if (m.kind == kWmLinkTableStart) tables.push_back({static_cast<int>(m.wParam), static_cast<int>(m.lParam)});
  return tables;
}

std::vector<int64_t> ImportRig::Ends() const {
  std::vector<int64_t> ends;
  for (const auto& m : link.messages)
    if (m.kind == kWmLinkEnd) ends.push_back(m.lParam);
  return ends;
}

std::vector<std::u16string> ImportRig::Texts() const {
  std::vector<std::u16string> texts;
  for (const auto& m : messages.shown) texts.push_back(m.text);
  return texts;
}

}  // namespace vk::test
