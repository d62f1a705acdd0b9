#include "excel/shape_format.h"

namespace vk::excel {

int32_t ColorFormat::RGB() const { return Get(u"RGB").ToInt32(); }

int32_t LineFormat::BeginArrowheadStyle() const { return Get(u"BeginArrowheadStyle").ToInt32(); }
int32_t LineFormat::BeginArrowheadLength() const { return Get(u"BeginArrowheadLength").ToInt32(); }
int32_t LineFormat::BeginArrowheadWidth() const { return Get(u"BeginArrowheadWidth").ToInt32(); }
int32_t LineFormat::EndArrowheadStyle() const { return Get(u"EndArrowheadStyle").ToInt32(); }
int32_t LineFormat::EndArrowheadLength() const { return Get(u"EndArrowheadLength").ToInt32(); }
int32_t LineFormat::EndArrowheadWidth() const { return Get(u"EndArrowheadWidth").ToInt32(); }
int32_t LineFormat::DashStyle() const { return Get(u"DashStyle").ToInt32(); }
int32_t LineFormat::Visible() const { return Get(u"Visible").ToInt32(); }
double LineFormat::Transparency() const { return Get(u"Transparency").ToDouble(); }
double LineFormat::Weight() const { return Get(u"Weight").ToDouble(); }
ColorFormat LineFormat::ForeColor() const { return ColorFormat(AsObject(Get(u"ForeColor"))); }

ColorFormat FillFormat::ForeColor() const { return ColorFormat(AsObject(Get(u"ForeColor"))); }
double FillFormat::Transparency() const { return Get(u"Transparency").ToDouble(); }
int32_t FillFormat::Visible() const { return Get(u"Visible").ToInt32(); }

}  // namespace vk::excel
