// The receiver program as the add-in meets it: vk_receiver.exe in a process of its own gets an
// import's messages by SendMessage from this process, writes one DXF per import with the options
// in force in the registry, and publishes the template's layers in the CAD state block.
// The import rig comes before <windows.h>: the Excel wrappers have a member named RGB.
#include "import_rig.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "automation/win32/win32_text.h"
#include "link/link_channel.h"
#include "settings/cad_state_block.h"
#include "settings/win32/win32_cad_state_source.h"
#include "test_shell.h"
#include "utf_text.h"
#include "win32/receiver_process.h"

namespace vk {
namespace {

// What a DXF holds, read back through dxflib: the layer table, and each entity's kind and layer
// (entities of blocks included) with the text of the text entities.
struct DxfContents : DL_CreationAdapter {
  struct Item {
    std::string kind, layer, text;
  };
  std::vector<std::string> layers;
  std::vector<Item> items;

  void addLayer(const DL_LayerData& d) override { layers.push_back(d.name); }
  void addLine(const DL_LineData&) override { Add("LINE"); }
  void addPolyline(const DL_PolylineData&) override { Add("POLYLINE"); }
  void addMText(const DL_MTextData& d) override { Add("MTEXT", d.text); }
  void addText(const DL_TextData& d) override { Add("TEXT", d.text); }
  void Add(const char* kind, std::string text = {}) { items.push_back({kind, getAttributes().getLayer(), std::move(text)}); }

  std::vector<std::string> LayersOf(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& i : items)
      if (i.kind == kind) out.push_back(i.layer);
    return out;
  }
  std::string Dump() const {
    std::string out;
    for (const auto& i : items) out += i.kind + " on " + i.layer + " " + i.text + "\n";
    return out;
  }
  bool HasText(const std::string& part) const {
    return std::any_of(items.begin(), items.end(), [&](const Item& i) { return i.text.find(part) != std::string::npos; });
  }
};

bool ReadDxf(const std::filesystem::path& path, DxfContents* out) {
  DL_Dxf dxf;
  return std::filesystem::exists(path) && dxf.in(path.string(), out);
}

// Sends what the add-in's link sent to the receiver window, as the link dialog does.
void Replay(HWND receiver, const std::vector<test::LinkMessage>& messages) {
  for (const auto& m : messages) {
    if (m.kind == kWmCopyData) {
      COPYDATASTRUCT data{};
      data.cbData = m.cbData;
      data.lpData = const_cast<uint8_t*>(m.bytes.data());
      SendMessageW(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    } else {
      SendMessageW(receiver, m.kind, static_cast<WPARAM>(m.wParam), static_cast<LPARAM>(m.lParam));
    }
  }
}

constexpr char kWorkbook[] = R"({"sheets":[{"name":"S","cells":{
  "A1":{"value":"Pump","borders":{"bottom":{"lineStyle":1,"weight":2}}},
  "B1":"\u9ad8\u3055"}}],
  "selection":"B1"})";

TEST(ReceiverWindow, DrawsEachImportIntoItsOwnDxfWithTheOptionsInForceAndPublishesTheTemplatesLayers) {
  test::LinkWindowsLock windows;
  test::TempFolder folder;
  const std::u16string stateName = u"VellumarkReceiverTest-" + FromWide(std::to_wstring(GetCurrentProcessId()));
  const std::wstring arguments = L"--drawings \"" + ToWide(folder.Path()) + L"\" --template \"Z:" +
                                 std::wstring(L"" VK_RECEIVER_TEMPLATE) + L"\" --state-name " + ToWide(stateName);

  test::ImportRig rig(kWorkbook);
  // The options in force when the imports reach the receiver: borders and texts on layers of
  // the template, one of them Japanese.
  rig.hive.WriteText(test::kProductPath, u"BorderLayer", u"Walls");
  rig.hive.WriteText(test::kProductPath, u"TextLayer", u"\u58C1");
  ASSERT_EQ(rig.Run(0), 0);  // the used range A1:B1
  ASSERT_EQ(rig.Run(1), 0);  // the selection B1
  ASSERT_EQ(rig.Ends(), (std::vector<int64_t>{1, 1}));

  const std::u16string log = folder.File(u"receiver.log");
  test::ReceiverProcess receiver(log, arguments);
  ASSERT_TRUE(receiver.Start());

  // The block is there while the receiver serves: the template's layers as names, the colour table.
  CWin32CadStateSource source(stateName);
  const CCadStateBlock block = CCadStateBlock::Read(source);
  EXPECT_EQ(block.m_layers, (std::vector<std::u16string>{u"0", u"Defpoints", u"Walls", u"Doors", u"\u58C1"}));
  ASSERT_EQ(block.m_palette.size(), kCadPaletteSize);
  EXPECT_EQ(block.m_palette[0].colour, 0x0000FFu);    // ACI 1, red
  EXPECT_EQ(block.m_palette[4].colour, 0xFF0000u);    // ACI 5, blue
  EXPECT_EQ(block.m_palette[6].colour, 0xFFFFFFu);    // ACI 7, white
  EXPECT_EQ(block.m_palette[8].colour, 0xC0C0C0u);    // ACI 9

  Replay(receiver.Window(), rig.link.messages);
  ASSERT_TRUE(receiver.Stop());

  DxfContents first, second;
  ASSERT_TRUE(ReadDxf(folder.HostFile(u"import-1.dxf"), &first));
  ASSERT_TRUE(ReadDxf(folder.HostFile(u"import-2.dxf"), &second));
  EXPECT_FALSE(folder.Exists(u"import-3.dxf"));

  // Every layer of the template is defined, used or not.
  for (const char* layer : {"Walls", "Doors", "\\U+58C1"}) {
    EXPECT_TRUE(std::count_if(first.layers.begin(), first.layers.end(), [&](const std::string& l) {
      return _stricmp(l.c_str(), layer) == 0;
    })) << layer;
  }
  // A1's bottom edge: one 2-point polyline on the border layer; the two texts on the text layer.
  EXPECT_EQ(first.LayersOf("POLYLINE"), (std::vector<std::string>{"Walls"})) << first.Dump();
  EXPECT_EQ(first.LayersOf("MTEXT"), (std::vector<std::string>{"\\U+58C1", "\\U+58C1"}));
  EXPECT_TRUE(first.HasText("Pump"));
  EXPECT_TRUE(first.HasText("\\U+9AD8\\U+3055"));
  // The second import is the selection alone, in a file of its own.
  EXPECT_FALSE(second.HasText("Pump"));
  EXPECT_TRUE(second.HasText("\\U+9AD8\\U+3055"));
  EXPECT_TRUE(second.LayersOf("POLYLINE").empty());
}

TEST(ReceiverWindow, RefusesWhatItCannotDoBeforeItOpensItsWindow) {
  test::LinkWindowsLock windows;
  test::TempFolder folder;
  const std::u16string log = folder.File(u"receiver.log");
  for (const std::wstring& arguments :
       {L"--drawings \"" + ToWide(folder.Path()) + L"\" --png",                         // no picture writer here
        L"--drawings \"" + ToWide(folder.File(u"missing")) + L"\"",                       // no such folder
        L"--template \"" + ToWide(folder.File(u"missing.dxf")) + L"\""}) {                // no template
    SCOPED_TRACE(testing::Message() << fake::Utf8(FromWide(arguments)));
    test::ReceiverProcess receiver(log, arguments);
    EXPECT_FALSE(receiver.Start());
  }
}

}  // namespace
}  // namespace vk
