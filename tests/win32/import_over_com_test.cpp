#include <windows.h>

#include <gtest/gtest.h>

#include "automation/win32/dispatch_object.h"
#include "import_rig.h"
#include "win32/dispatch_server.h"

namespace vk {
namespace {

// The same imports once with the stand-in Excel called directly and once reached through real
// COM, as the add-in reaches Excel: the receiver must get the same messages and the user the
// same texts (an HRESULT travels through IDispatch unchanged).
TEST(ImportOverCom, GivesTheSameSequenceAsTheDirectRun) {
  struct Case {
    const char* what;
    std::string json;
    int selected;
    std::string failMember;
    int32_t hr;
  };
  const std::vector<Case> cases = {
      {"used range, limited", R"({"sheets":[{"name":"D","usedRange":"A1:C1000","cells":{"C100":1}}]})", 0, "", 0},
      {"two areas", R"({"selection":"A1:C9,E1:F9","sheets":[{"name":"D","cells":{"A1":1}}]})", 1, "", 0},
      {"a shape is selected", R"({"selection":{"shape":"Chart 1"},"sheets":[{"name":"D"}]})", 1, "", 0},
      {"busy", R"({"sheets":[{"name":"D","cells":{"A1":1}}]})", 0, "Range.Top", kExcelBusy},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::ImportRig direct(c.json);
    if (!c.failMember.empty()) direct.excel->FailMember(c.failMember, c.hr);
    const int directResult = direct.Run(c.selected);

    test::ImportRig overCom(c.json);
    if (!c.failMember.empty()) overCom.excel->FailMember(c.failMember, c.hr);
    IDispatch* served = DispatchServer::Serve(overCom.excel->Application());
    overCom.driver.m_pExcel = DispatchObject::Wrap(served);
    served->Release();
    EXPECT_EQ(overCom.Run(c.selected), directResult);
    EXPECT_EQ(overCom.Tables(), direct.Tables());
    EXPECT_EQ(overCom.Ends(), direct.Ends());
    EXPECT_EQ(overCom.Texts(), direct.Texts());
    EXPECT_EQ(overCom.excel->screenUpdatingPuts, (std::vector<bool>{false, true}));
    overCom.driver.m_pExcel.reset();
  }
}

}  // namespace
}  // namespace vk
