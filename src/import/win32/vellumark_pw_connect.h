#pragma once
#include <windows.h>
#include <oaidl.h>

// The ProjectWise connector's interface, declared from its identifier and method table: the
// connector ships no header or type library we could build against. Only slots 8, 9 and 11 are
// ever called; the others are there so that those three land at their places in the table
// (0-2 IUnknown, 3-6 IDispatch).
struct IVellumarkPWConnect : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Reserved7() = 0;                                  // slot 7
  virtual HRESULT STDMETHODCALLTYPE QueryDocument(BSTR* document, LONG* status) = 0;  // slot 8
  virtual HRESULT STDMETHODCALLTYPE ReleaseDocument(BSTR document, LONG mode) = 0;    // slot 9
  virtual HRESULT STDMETHODCALLTYPE Reserved10() = 0;                                 // slot 10
  virtual HRESULT STDMETHODCALLTYPE SetTablePath(BSTR path) = 0;                      // slot 11
};
__CRT_UUID_DECL(IVellumarkPWConnect, 0x4F0485EF, 0xCBC0, 0x4A33, 0x8D, 0xE9, 0x25, 0x3C, 0xF7, 0x6D,
                0x5F, 0x64)
