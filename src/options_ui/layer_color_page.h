#pragma once
#include "options_ui/options_page.h"
#include "settings/layer_color_page_model.h"

namespace vk {

// The Layer & Color page, first of the sheet. This version carries the page's fields without
// its controls: it loads them when shown, stores them on OK and takes part in the options file,
// so the sheet's order, positions and apply work as they will with the full page.
class CLayerColorPage : public COptionsPage {
 public:
  CLayerColorPage();

  CLayerColorPageModel m_model;

  void RefreshAfterLoad() override;

 protected:
  BOOL OnInitDialog() override;
  bool OnApply() override;
};

}  // namespace vk
