#include "options_ui/options_sheet.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "settings/option_table.h"
#include "settings/options_file.h"
#include "ui/win32/resource_module.h"
#include "automation/win32/win32_text.h"

namespace vk {

namespace {

// Filter pairs separated by zeros, ending with two.
constexpr wchar_t kFileFilter[] = L"Vellumark Options Files (*.opt)\0*.opt\0All Files (*.*)\0*.*\0";

// Both dialogs are owned by the sheet, so that they stay in front of it.
std::optional<std::u16string> AskPath(HWND owner, bool save, const std::u16string& initialFolder) {
  std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
  if (save) lstrcpynW(file.data(), L"Untitled", static_cast<int>(file.size()));
  const std::wstring folder = ToWide(initialFolder);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = kFileFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrDefExt = L"opt";
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : 0);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return FromWide(file.data());
}

}  // namespace

COptionsSheet::COptionsSheet(std::u16string caption, HWND parent, int startPage)
    : CPropertySheet(std::move(caption), parent, startPage) {
  AddPage(&m_layerColorPage);
  AddPage(&m_scalePage);
  AddPage(&m_objectPage);
  AddPage(&m_otherPage);
  EnableHelp(true);
}

COptionsPage* COptionsSheet::Page(int position) { return static_cast<COptionsPage*>(GetPage(position)); }

void COptionsSheet::OnInitDialog() {
  // The first page is always made first, whatever page was left last time: the Object & Font
  // Map page relabels it when it opens.
  int32_t position = ReadOption(options::kActivePageIndex);
  if (position < 0) position = 0;
  SetActivePage(kLayerColorPagePosition);
  SetActivePage(position);  // a position beyond the pages leaves the first one shown

  // The Template button sits left of OK, as far from it as OK is from Cancel, and is meant to
  // be 40 pixels wider than OK. With the four buttons of this sheet that would start left of the
  // sheet's edge and cut the caption, so its left edge stops at the sheet's margin (the gap
  // right of the last button); its right edge stays short of OK by the OK-Cancel gap.
  RECT ok{}, cancel{}, last{}, client{};
  GetWindowRect(::GetDlgItem(m_hWnd, IDOK), &ok);
  GetWindowRect(::GetDlgItem(m_hWnd, IDCANCEL), &cancel);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&ok), 2);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&cancel), 2);
  GetClientRect(m_hWnd, &client);
  last = cancel;
  for (int id : {kApplyButtonId, kHelpButtonId}) {
    HWND other = ::GetDlgItem(m_hWnd, id);
    // The sheet itself is not shown yet: the button's own style says whether it will be.
    if (other == nullptr || !(GetWindowLongW(other, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT place{};
    GetWindowRect(other, &place);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    if (place.right > last.right) last = place;
  }
  const LONG margin = std::max<LONG>(0, client.right - last.right);
  RECT button = ok;
  OffsetRect(&button, ok.left - cancel.left, 0);
  button.left = std::max<LONG>(button.left - 40, client.left + margin);
  const std::u16string text = ResourceModule::String(IDS_OPTIONS_TEMPLATE_BUTTON, Language());
  HWND templateButton =
      CreateWindowExW(0, L"BUTTON", W(text), WS_CHILD | WS_VISIBLE, button.left, button.top,
                      button.right - button.left, button.bottom - button.top, m_hWnd,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTemplateButtonId)), ResourceModule::Get(), nullptr);
  SendMessageW(templateButton, WM_SETFONT, SendMessageW(m_hWnd, WM_GETFONT, 0, 0), FALSE);
}

bool COptionsSheet::OnCommand(int id, int, HWND) {
  switch (id) {
    case kHelpButtonId:
      OpenHelpFile(HelpFilePath());
      return true;
    case kTemplateButtonId:
      ShowTemplateMenu();
      return true;
    case IDM_OPTIONS_LOAD_FROM_FILE:
      LoadFromFile();
      return true;
    case IDM_OPTIONS_SAVE_TO_FILE:
      SaveToFile();
      return true;
    default:
      return false;
  }
}

void COptionsSheet::ShowTemplateMenu() {
  HMENU menu = ResourceModule::Menu(IDM_OPTIONS_TEMPLATE, Language());
  if (menu == nullptr) return;
  // A plain popup at the button's visible bottom-left corner (the part inside the sheet); its
  // command comes back to the sheet as WM_COMMAND.
  RECT button{}, client{};
  GetWindowRect(::GetDlgItem(m_hWnd, kTemplateButtonId), &button);
  GetClientRect(m_hWnd, &client);
  MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  IntersectRect(&button, &button, &client);
  TrackPopupMenu(GetSubMenu(menu, 0), 0, button.left, button.bottom, 0, m_hWnd, nullptr);
  DestroyMenu(menu);
}

std::u16string COptionsSheet::HelpFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(ResourceModule::Get(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return u"Vellumark.chm";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L"\\/");
  path.resize(slash == std::wstring::npos ? 0 : slash + 1);
  return FromWide(std::wstring_view(path)) + u"Vellumark.chm";
}

void COptionsSheet::OpenHelpFile(const std::u16string& path) {
  // A missing file is the shell's to report.
  ShellExecuteW(m_hWnd, L"open", W(path), nullptr, nullptr, SW_SHOWNORMAL);
}

std::optional<std::u16string> COptionsSheet::AskLoadPath() {
  return AskPath(m_hWnd, false, ReadOption(options::kOptionFileFolder));
}

std::optional<std::u16string> COptionsSheet::AskSavePath() { return AskPath(m_hWnd, true, u""); }

bool COptionsSheet::CreateAllPages() {
  // Stops at the first page that refuses to be left: it has shown its message once.
  const int active = GetActiveIndex();
  for (int position = 0; position < GetPageCount(); ++position)
    if (!SetActivePage(position)) return false;
  return SetActivePage(active);
}

void COptionsSheet::LoadFromFile() {
  const std::optional<std::u16string> path = AskLoadPath();
  // A page left unmade would load its fields from the registry when first shown, over the file's:
  // when a page refuses to be left (its message shown) nothing is loaded and OptionFileFolder
  // stays as it was.
  if (!path || !CreateAllPages()) return;
  const OptionsPages pages{m_layerColorPage.m_model, m_scalePage.m_model, m_objectPage.m_model, m_otherPage.m_model};
  // Records the file's folder for the next dialog and reports its own failures.
  if (!COptionsFile::Load(*path, pages)) return;
  for (int position = 0; position < GetPageCount(); ++position) Page(position)->RefreshAfterLoad();
}

void COptionsSheet::SaveToFile() {
  const std::optional<std::u16string> path = AskSavePath();
  if (!path || !CreateAllPages()) return;
  // A page that refuses a field shows its message and nothing is written.
  for (int position = 0; position < GetPageCount(); ++position)
    if (!Page(position)->UpdateData(true)) return;
  const OptionsPages pages{m_layerColorPage.m_model, m_scalePage.m_model, m_objectPage.m_model, m_otherPage.m_model};
  COptionsFile::Save(*path, pages);
}

void COptionsSheet::OnTableType(COptionsPage* from, bool anonymousBlock) {
  for (int position = 0; position < GetPageCount(); ++position)
    if (Page(position) != from) Page(position)->OnTableType(anonymousBlock);
}

}  // namespace vk
