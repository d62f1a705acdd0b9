// The embedded type library is the contract with Office and automation clients: names, DISPIDs,
// vtable slots and parameter kinds must come out exactly as published.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/server_module.h"
#include "addin/type_library.h"

namespace {

struct Released {
  void operator()(IUnknown* p) const {
    if (p) p->Release();
  }
};

std::wstring Doc(ITypeLib* lib, ITypeInfo* info, MEMBERID id, bool helpString) {
  BSTR name = nullptr, help = nullptr;
  HRESULT hr = info ? info->GetDocumentation(id, &name, &help, nullptr, nullptr)
                    : lib->GetDocumentation(-1, &name, &help, nullptr, nullptr);
  EXPECT_EQ(hr, S_OK);
  std::wstring out = (helpString ? help : name) ? (helpString ? help : name) : L"";
  SysFreeString(name);
  SysFreeString(help);
  return out;
}

class TypeLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(LoadTypeLibEx(vk::CServerModule::ModulePath().c_str(), REGKIND_NONE, &lib_), S_OK);
  }
  void TearDown() override {
    if (lib_) lib_->Release();
  }
  ITypeLib* lib_ = nullptr;
};

TEST_F(TypeLibrary, LibraryIdentity) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(lib_->GetLibAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, LIBID_VELLUMARKLib));
  EXPECT_EQ(attr->wMajorVerNum, 1);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 0x409u);
  EXPECT_EQ(attr->syskind, SYS_WIN64);
  lib_->ReleaseTLibAttr(attr);

  wchar_t text[64];
  StringFromGUID2(LIBID_VELLUMARKLib, text, 64);
  EXPECT_STREQ(text, L"{54884771-AA92-40A5-B9F3-449C891B6A91}");
  EXPECT_EQ(Doc(lib_, nullptr, -1, false), L"VELLUMARKLib");
  EXPECT_EQ(Doc(lib_, nullptr, -1, true), L"Vellumark2019 5.4 Type Library");
}

TEST_F(TypeLibrary, CoclassIsCreatableWithIXVKAddinAsDefault) {
  ITypeInfo* coclass = nullptr;
  ASSERT_EQ(lib_->GetTypeInfoOfGuid(CLSID_XVKAddin, &coclass), S_OK);
  wchar_t text[64];
  StringFromGUID2(CLSID_XVKAddin, text, 64);
  EXPECT_STREQ(text, L"{510AD967-0A36-4AA3-AF98-862B93AB118D}");
  EXPECT_EQ(Doc(lib_, coclass, MEMBERID_NIL, false), L"XVKAddin");
  EXPECT_EQ(Doc(lib_, coclass, MEMBERID_NIL, true), L"VKAddin2019 Class");
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->typekind, TKIND_COCLASS);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
  ASSERT_EQ(attr->cImplTypes, 1);
  coclass->ReleaseTypeAttr(attr);
  INT flags = 0;
  ASSERT_EQ(coclass->GetImplTypeFlags(0, &flags), S_OK);
  EXPECT_TRUE(flags & IMPLTYPEFLAG_FDEFAULT);
  HREFTYPE ref = 0;
  ITypeInfo* iface = nullptr;
  ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &ref), S_OK);
  ASSERT_EQ(coclass->GetRefTypeInfo(ref, &iface), S_OK);
  EXPECT_EQ(Doc(lib_, iface, MEMBERID_NIL, false), L"IXVKAddin");
  iface->Release();
  coclass->Release();
}

// How a parameter or result type reads, e.g. "BSTR*", "IPictureDisp**", "IDispatch*", "long".
std::wstring TypeText(ITypeInfo* owner, const TYPEDESC& t) {
  switch (t.vt) {
    case VT_PTR: return TypeText(owner, *t.lptdesc) + L"*";
    case VT_BSTR: return L"BSTR";
    case VT_DISPATCH: return L"IDispatch*";
    case VT_I4: return L"long";
    case VT_HRESULT: return L"HRESULT";
    case VT_USERDEFINED: {
      ITypeInfo* ref = nullptr;
      if (FAILED(owner->GetRefTypeInfo(t.hreftype, &ref))) return L"?";
      BSTR name = nullptr;
      ref->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
      TYPEATTR* attr = nullptr;
      ref->GetTypeAttr(&attr);
      // stdole2 names OLE's picture "IPictureDisp", an alias of its dispinterface Picture.
      std::wstring out = name;
      if (attr->typekind == TKIND_ALIAS) {
        out += L"=" + TypeText(ref, attr->tdescAlias);
      } else {
        wchar_t iid[64];
        StringFromGUID2(attr->guid, iid, 64);
        out += iid;
      }
      ITypeLib* lib = nullptr;
      UINT index = 0;
      if (SUCCEEDED(ref->GetContainingTypeLib(&lib, &index))) {
        BSTR libName = nullptr;
        lib->GetDocumentation(-1, &libName, nullptr, nullptr, nullptr);
        out = std::wstring(libName) + L"." + out;
        SysFreeString(libName);
        lib->Release();
      }
      ref->ReleaseTypeAttr(attr);
      SysFreeString(name);
      ref->Release();
      return out;
    }
    default: return L"vt" + std::to_wstring(t.vt);
  }
}

TEST_F(TypeLibrary, IXVKAddinIsDualWithThirteenMethodsInSlotOrder) {
  ITypeInfo* dispatch = nullptr;
  ASSERT_EQ(lib_->GetTypeInfoOfGuid(IID_IXVKAddin, &dispatch), S_OK);
  wchar_t text[64];
  StringFromGUID2(IID_IXVKAddin, text, 64);
  EXPECT_STREQ(text, L"{AAD2F5A7-F4D3-4587-8BB9-3D8C460A6E69}");
  EXPECT_EQ(Doc(lib_, dispatch, MEMBERID_NIL, true), L"IXVKAddin2019 Interface");
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(dispatch->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
  dispatch->ReleaseTypeAttr(attr);

  // The vtable half of the dual interface.
  HREFTYPE ref = 0;
  ITypeInfo* info = nullptr;
  ASSERT_EQ(dispatch->GetRefTypeOfImplType(-1, &ref), S_OK);
  ASSERT_EQ(dispatch->GetRefTypeInfo(ref, &info), S_OK);
  dispatch->Release();
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
  ASSERT_EQ(attr->cFuncs, 13);
  info->ReleaseTypeAttr(attr);

  // name, parameters as "kind type" (in/out/retval), in slot order after IDispatch's seven.
  struct Expected {
    const wchar_t* name;
    std::vector<std::wstring> params;
  };
  // OLE's picture from stdole2, as automation clients know it.
  const std::wstring picture = L"stdole.IPictureDisp=stdole.Picture{7BF80981-BF32-101A-8BBB-00AA00300CAB}**";
  const Expected expected[] = {
      {L"LoadAutoCADImage", {L"in BSTR*", L"out,retval " + picture}},
      {L"GetAutoCADImage", {L"in IDispatch*", L"out,retval " + picture}},
      {L"OnRibbonFinish", {L"in IDispatch*"}},
      {L"OnRibbonRangeImport", {L"in IDispatch*"}},
      {L"OnRibbonOptions", {L"in IDispatch*"}},
      {L"OnRibbonHelp", {L"in IDispatch*"}},
      {L"InitApp", {L"in IDispatch*"}},
      {L"Vellumark_Finish", {}},
      {L"Vellumark_RangeImport", {}},
      {L"Vellumark_Option", {}},
      {L"Vellumark_Help", {}},
      {L"UninitApp", {}},
      {L"ImportWorksheet", {L"in long"}},
  };
  for (UINT i = 0; i < 13; ++i) {
    FUNCDESC* f = nullptr;
    ASSERT_EQ(info->GetFuncDesc(i, &f), S_OK);
    std::wstring name = Doc(lib_, info, f->memid, false);
    SCOPED_TRACE(testing::Message() << "method " << i);
    EXPECT_EQ(name, expected[i].name);
    EXPECT_EQ(f->memid, static_cast<MEMBERID>(i + 1));
    EXPECT_EQ(f->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
    EXPECT_EQ(f->invkind, INVOKE_FUNC);
    EXPECT_EQ(f->elemdescFunc.tdesc.vt, VT_HRESULT);
    EXPECT_EQ(Doc(lib_, info, f->memid, true), L"method " + name);
    std::vector<std::wstring> params;
    for (SHORT p = 0; p < f->cParams; ++p) {
      USHORT flags = f->lprgelemdescParam[p].paramdesc.wParamFlags;
      std::wstring kind;
      if (flags & PARAMFLAG_FIN) kind += L"in";
      if (flags & PARAMFLAG_FOUT) kind += L"out";
      if (flags & PARAMFLAG_FRETVAL) kind += L",retval";
      params.push_back(kind + L" " + TypeText(info, f->lprgelemdescParam[p].tdesc));
    }
    EXPECT_EQ(params, expected[i].params);
    info->ReleaseFuncDesc(f);
  }
  info->Release();
}

}  // namespace
