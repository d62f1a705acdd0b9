#include "excel/window.h"

namespace vk::excel {

double Window::Zoom() const { return Get(u"Zoom").ToDouble(); }
void Window::SetZoom(const Variant& percent) const { Put(u"Zoom", percent); }

}  // namespace vk::excel
