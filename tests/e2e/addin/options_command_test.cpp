// The Options command in-process with the product's launcher: the automation method and the
// ribbon callback both show the real sheet modally, with the caption and option key of the
// FuncState in force.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>

#include "addin/class_factory.h"
#include "addin/xvkaddin.h"
#include "resource_ids/object_page_ids.h"
#include "test_hive.h"
#include "win32/ui_driver.h"

namespace vk {
namespace {

TEST(OptionsCommand, ShowsTheSheetModallyFromTheMethodAndTheRibbon) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IXVKAddin* addin = nullptr;
  IClassFactory* factory = new CClassFactory(&CXVKAddin::Create);
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IXVKAddin, reinterpret_cast<void**>(&addin)), S_OK);
  factory->Release();

  struct Case {
    bool ribbon;
    int32_t funcState;
    const char16_t* caption;
    const char16_t* key;
  };
  const Case cases[] = {{false, 1, u"Current Vellumark Options", test::kCurrentOptionsPath},
                        {true, 2, u"Options", test::kProductPath}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ribbon);
    test::TestHive hive;
    hive.WriteNumber(test::kProductPath, u"FuncState", c.funcState);
    hive.WriteNumber(test::kProductPath, u"ActivePageIndex", 2);
    test::UiDriver driver;
    std::u16string caption;
    driver.Then([&] {
      HWND sheet = driver.LastDialog();
      HWND page = sheet ? reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
      if (page == nullptr || GetDlgItem(page, IDC_OBJECT_BORDER) == nullptr) return false;
      caption = test::WindowText(sheet);
      SendMessageW(GetDlgItem(page, IDC_OBJECT_BORDER), BM_SETCHECK, BST_UNCHECKED, 0);
      PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
      return true;
    });
    EXPECT_EQ(c.ribbon ? addin->OnRibbonOptions(nullptr) : addin->Vellumark_Option(), S_OK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(caption, c.caption);
    EXPECT_EQ(hive.ReadNumber(c.key, u"ImportObj"), 126);
  }
  addin->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace vk
