#include <windows.h>

#include <gtest/gtest.h>

#include "automation/win32/dispatch_object.h"
#include "import_rig.h"
#include "settings/option_table.h"
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
      // Conditions are read through FormatCondition objects that the colour scale refuses, with
      // the cell made active and the user's cell put back.
      {"conditional formats", R"({"selection":"E9","sheets":[{"name":"D","cells":{"B2":1,"B3":5,"C2":0,"C3":7},
         "conditionalFormats":[{"appliesTo":"B2:C3","type":"colorScale"},
           {"appliesTo":"B2:B3","type":"expression","formula1":"=C2>5","font":{"bold":true}},
           {"appliesTo":"B2:B3","type":"cellValue","operator":"between","formula1":"=1","formula2":"=C2",
            "fill":{"colorIndex":6},"borders":{"left":{"lineStyle":1,"weight":2}}}]}]})", 0, "", 0},
      // Shapes: Single geometry, tri-states, a group, a drop-down's entry through Application.Range
      // and an ActiveX check box told apart by the name its type information gives.
      {"shapes", R"({"zoom":75,"sheets":[{"name":"D","cells":{"A1":1,"A2":"x","A3":"y"},"shapes":[
         {"type":1,"autoShapeType":5,"left":10.1,"top":20,"width":80,"height":40,"rotation":15,"adjustments":[0.16667]},
         {"type":6,"left":10,"top":70,"width":100,"height":30,"items":[
           {"type":1,"connector":true,"connectorType":3,"left":10,"top":70,"width":40,"height":30,"adjustments":[0.5]},
           {"type":9,"left":60,"top":80,"width":50,"height":0,"line":{"end":{"style":2}}}]},
         {"type":8,"left":10,"top":110,"width":72,"height":18,"control":{"type":2,"listIndex":3,"listFillRange":"D!$A$1:$A$3"}},
         {"type":12,"left":10,"top":140,"width":72,"height":18,"activeX":{"type":"IMdcCheckBox","value":true}},
         {"type":12,"left":90,"top":140,"width":72,"height":18,"activeX":{"type":"ICommandButton"}}]}]})", 0, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::ImportRig direct(c.json);
    direct.SetOption(options::kImportObj, 0x17F);
    if (!c.failMember.empty()) direct.excel->FailMember(c.failMember, c.hr);
    const int directResult = direct.Run(c.selected);

    test::ImportRig overCom(c.json);
    overCom.SetOption(options::kImportObj, 0x17F);
    if (!c.failMember.empty()) overCom.excel->FailMember(c.failMember, c.hr);
    IDispatch* served = DispatchServer::Serve(overCom.excel->Application());
    overCom.driver.m_pExcel = DispatchObject::Wrap(served);
    served->Release();
    EXPECT_EQ(overCom.Run(c.selected), directResult);
    EXPECT_EQ(overCom.Tables(), direct.Tables());
    EXPECT_EQ(overCom.Ends(), direct.Ends());
    EXPECT_EQ(overCom.Texts(), direct.Texts());
    ASSERT_EQ(overCom.link.messages.size(), direct.link.messages.size());
    for (size_t i = 0; i < direct.link.messages.size(); ++i) {
      EXPECT_EQ(overCom.link.messages[i].bytes, direct.link.messages[i].bytes) << "message " << i;
    }
    EXPECT_EQ(overCom.excel->Book().selection.areas, direct.excel->Book().selection.areas);
    EXPECT_EQ(overCom.excel->screenUpdatingPuts, (std::vector<bool>{false, true}));
    EXPECT_EQ(overCom.excel->Book().zoomPuts, direct.excel->Book().zoomPuts);
    if (std::string(c.what) == "shapes") {
      size_t shapes = 0;
      for (const auto& m : overCom.link.messages) shapes += m.cbData == 5072u ? 1 : 0;
      EXPECT_EQ(shapes, 5u);  // every shape but the group itself and the ActiveX button
    }
    overCom.driver.m_pExcel.reset();
  }
}

}  // namespace
}  // namespace vk
