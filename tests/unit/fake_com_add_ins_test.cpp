// The stand-in Excel's COM add-ins and workbook count, as the ProjectWise check reaches them.
#include <gtest/gtest.h>

#include "automation/com_error.h"
#include "fake_excel.h"
#include "fake_project_wise_connector.h"

namespace vk::fake {
namespace {

TEST(FakeCOMAddIns, ItemByOrdinalOrProgIdAndThePublishedObject) {
  auto excel = FakeExcel::Create();
  auto published = std::make_shared<FakeProjectWiseConnector>();
  excel->comAddIns.push_back({u"Other.Connect", nullptr, u"Other", true});
  excel->comAddIns.push_back({u"VellumarkPW.Connect", published, u"ProjectWise", true});
  ObjectPtr addins = excel->Application()->Get(u"COMAddIns").ObjectValue();

  EXPECT_EQ(addins->Get(u"Count").ToInt32(), 2);
  ObjectPtr byName = addins->Call(u"Item", {Variant::String(u"vellumarkpw.connect")}).ObjectValue();
  EXPECT_EQ(byName->Get(u"ProgId").ToString(), u"VellumarkPW.Connect");
  EXPECT_EQ(byName->Get(u"Object").ObjectValue(), published);
  ObjectPtr first = addins->Get(u"Item", {Variant::I4(1)}).ObjectValue();
  EXPECT_EQ(first->Get(u"Object"), Variant::Object(nullptr));  // Nothing until published
  first->Put(u"Object", Variant::Object(published));
  EXPECT_EQ(excel->comAddIns[0].object, published);

  EXPECT_THROW(addins->Call(u"Item", {Variant::String(u"Missing.Connect")}), ComError);
  EXPECT_THROW(addins->Call(u"Item", {Variant::I4(3)}), ComError);
}

TEST(FakeWorkbooks, CountsTheOpenWorkbook) {
  auto excel = FakeExcel::Create();
  ObjectPtr workbooks = excel->Application()->Get(u"Workbooks").ObjectValue();
  EXPECT_EQ(workbooks->Get(u"Count"), Variant::I4(1));
  excel->Book().open = false;
  EXPECT_EQ(workbooks->Get(u"Count"), Variant::I4(0));
}

}  // namespace
}  // namespace vk::fake
