#pragma once
#include <cstdint>

#include "options_ui/colour_picker.h"
#include "settings/cad_state_source.h"
#include "settings/layer_color_page_model.h"
#include "options_ui/options_page.h"
#include "resource_ids/layer_color_page_ids.h"

namespace vk {

// The Layer & Color page: the layers the receiver puts each kind of object on, offered from
// the layers of the receiver's drawing, and how border and text colours are chosen, with the
// receiver's own palette in the colour lists when it publishes one.
class CLayerColorPage : public COptionsPage {
 public:
  CLayerColorPage();

  CLayerColorPageModel m_model;

  // Where the receiver's layers and palette are read when the page opens: the CAD state block's
  // shared memory, unless another source is set (it must outlive the page's window).
  void SetCadStateSource(CadStateSource* source) { m_pCadState = source; }

  // After a file was loaded into m_model: show it and run the colour rules.
  void RefreshAfterLoad() override;
  // The table type chosen on the Object & Font Map page: relabels and enables controls. Does
  // nothing before the page's window exists.
  void OnTableType(bool anonymousBlock) override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnApply() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void LoadOptions();
  void ShowCadState();
  void BorderColourRule();
  void TextColourRule();

  CColourPickerCB m_thin, m_thick, m_regular, m_bold;
  CadStateSource* m_pCadState = nullptr;
};

}  // namespace vk
