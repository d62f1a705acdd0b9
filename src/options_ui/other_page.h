#pragma once
#include <optional>
#include <string>

#include "options_ui/options_page.h"
#include "settings/other_page_model.h"

namespace vk {

// The Other page: rotation, the pictures folder and how the receiver refers to files, the
// descender offset, the import range, embedding and the paragraph line spacing.
class COtherPage : public COptionsPage {
 public:
  COtherPage();

  COtherPageModel m_model;

  void RefreshAfterLoad() override;
  // Remembered for the Insertion Point list, which takes it when the page opens.
  void OnTableType(bool anonymousBlock) override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnApply() override;

  // The shell's folder browser; nothing when the user cancels. Tests answer it.
  virtual std::optional<std::u16string> AskFolder();

 private:
  void OffsetDecendersRule();
  void ParagraphRule();
  void Browse();
};

}  // namespace vk
