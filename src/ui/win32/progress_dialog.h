#pragma once
#include "resource_ids/progress_dialog_ids.h"
#include "ui/progress_window.h"
#include "ui/win32/dialog.h"

namespace vk {

inline constexpr wchar_t kProgressTemplate[] = L"IDD_877DD189_4E3A_4AAB_AFAA_6A3F3478573F";

// The progress window of an import: a modeless popup without parent, centred and shown when
// created; the text and the bar are the table pass's to drive. The bar repaints itself at once
// on every change (Wine's and Windows' common controls alike), which cost more than the rest of
// the add-in per cell: steps reach the bar at most every kRepaintMs, and always the step that
// fills it.
class CProgressDialog final : public CDialog, public ProgressWindow {
 public:
  CProgressDialog();
  ~CProgressDialog() override;

  // Makes, centres and shows the window; false when it cannot be made (the object then stays
  // usable and does nothing, so an import never stops for its progress window).
  bool CreateAndShow(LANGID language = 0);

  void SetText(const std::u16string& text) override;
  void SetRange(int lower, int upper) override;
  void SetPos(int pos) override;
  void SetStep(int step) override;
  void StepIt() override;

 protected:
  BOOL OnInitDialog() override;

 private:
  LRESULT SendToBar(UINT message, WPARAM wParam, LPARAM lParam);
  // Hands the steps held back to the bar.
  void Flush();

  static constexpr unsigned long long kRepaintMs = 50;
  int upper_ = 100;     // the bar's range end, as last set
  int step_ = 10;       // the bar's own default step
  int shownPos_ = 0;    // where the bar stands
  int pending_ = 0;     // steps not yet handed to it
  unsigned long long lastPaint_ = 0;  // GetTickCount64 of the last step handed over; 0: none yet
};

// Hands out shown CProgressDialog windows (the product's ProgressFactory).
class CProgressDialogFactory final : public ProgressFactory {
 public:
  std::unique_ptr<ProgressWindow> Create() override;
};

}  // namespace vk
