#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "options_ui/layer_color_page.h"
#include "options_ui/object_page.h"
#include "options_ui/other_page.h"
#include "options_ui/scale_page.h"
#include "resource_ids/options_sheet_ids.h"
#include "ui/win32/property_sheet.h"

namespace vk {

// Ids of the sheet's own commands.
inline constexpr int kHelpButtonId = 9;
inline constexpr int kApplyButtonId = 0x3021;  // the platform's Apply button
inline constexpr int kTemplateButtonId = 0x7fff;

// Page positions.
inline constexpr int kLayerColorPagePosition = 0;
inline constexpr int kScalePagePosition = 1;
inline constexpr int kObjectPagePosition = 2;
inline constexpr int kOtherPagePosition = 3;

// The Options property sheet: the four option pages, the Template button with loading and
// saving of options files, and Help. The Options command builds it, sets m_nFuncState (which
// decides the option key every page edits) and shows it modally.
class COptionsSheet : public CPropertySheet {
 public:
  explicit COptionsSheet(std::u16string caption, HWND parent = nullptr, int startPage = 0);

  int32_t m_nFuncState = 0;
  CLayerColorPage m_layerColorPage;
  CScalePage m_scalePage;
  CObjectPage m_objectPage;
  COtherPage m_otherPage;

  // The help file: this module's folder, "Vellumark.chm".
  static std::u16string HelpFilePath();

  // The Template menu's two commands (also reached through the menu).
  void LoadFromFile();
  void SaveToFile();

  // Passes the Object & Font Map page's table type on to the other pages.
  void OnTableType(COptionsPage* from, bool anonymousBlock);

 protected:
  void OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

  // The file dialogs and the shell: nothing when the user cancels. Tests answer them.
  virtual std::optional<std::u16string> AskLoadPath();
  virtual std::optional<std::u16string> AskSavePath();
  virtual void OpenHelpFile(const std::u16string& path);

 private:
  COptionsPage* Page(int position);
  // Load and Save work on all four pages: each is shown once so that it and its controls exist.
  // False when a page refused to be left (a field that holds no number).
  bool CreateAllPages();
  void ShowTemplateMenu();
};

}  // namespace vk
