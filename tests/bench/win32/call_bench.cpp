// What one automation call costs inside the add-in under Wine: the calls of one_call.h through
// DispatchObject (DISPID cache, VARIANT conversion, BSTR copies, object wrappers) to a plain
// IDispatch in the same process that answers at once, beside the bare IDispatch::Invoke of the
// same member, which is the floor no add-in code can go below. Timed by the thread's own CPU time
// (GetThreadTimes), best of five rounds, so that other programs on a shared machine do not count
// (scripts/bench-wine runs it).
//
//   vk_call_bench [<calls per round>]     (1000000 by default)
#include <windows.h>
#include <oaidl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "automation/win32/dispatch_object.h"
#include "../one_call.h"

namespace {

enum : DISPID { kWidthId = 122, kTextId = 138, kFontId = 146, kItemId = 170 };

// Answers the four members at once: what the add-in's side costs shows against it.
class AnsweringDispatch final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the stack of main
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return DISP_E_BADINDEX; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (count != 1) return DISP_E_UNKNOWNNAME;
    static const struct {
      const wchar_t* name;
      DISPID id;
    } kMembers[] = {{L"Width", kWidthId}, {L"Text", kTextId}, {L"Font", kFontId}, {L"Item", kItemId}};
    for (const auto& member : kMembers) {
      if (_wcsicmp(names[0], member.name) == 0) {
        ids[0] = member.id;
        return S_OK;
      }
    }
    ids[0] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    if (result == nullptr) return E_POINTER;
    switch (id) {
      case kWidthId: V_VT(result) = VT_R8; V_R8(result) = vk::bench::kWidth; return S_OK;
      case kTextId:
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(reinterpret_cast<const OLECHAR*>(vk::bench::kText));
        return S_OK;
      case kFontId:
      case kItemId:
        AddRef();
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = this;
        return S_OK;
      default: return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  std::atomic<ULONG> refs_{1};
};

// Seconds of CPU this thread has run, in user and kernel mode.
double Now() {
  FILETIME created{}, exited{}, kernel{}, user{};
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) * 1e-7;
  };
  return seconds(kernel) + seconds(user);
}

// Nanoseconds per call of the best of five rounds.
template <typename Call>
double BestNanoseconds(long calls, Call call) {
  double best = 1e30;
  for (int round = 0; round < 5; ++round) {
    const double start = Now();
    for (long i = 0; i < calls; ++i) call(i);
    best = std::min(best, (Now() - start) * 1e9 / static_cast<double>(calls));
  }
  return best;
}

DISPID IdOf(vk::bench::CallKind kind) {
  switch (kind) {
    case vk::bench::CallKind::Number: return kWidthId;
    case vk::bench::CallKind::Text: return kTextId;
    case vk::bench::CallKind::Object: return kFontId;
    case vk::bench::CallKind::Arguments: return kItemId;
  }
  return DISPID_UNKNOWN;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const long calls = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 1000000;
  if (calls <= 0) {
    std::fprintf(stderr, "usage: vk_call_bench [<calls per round>]\n");
    return 2;
  }
  AnsweringDispatch answering;
  const vk::excel::Range cell(vk::DispatchObject::Wrap(&answering));
  size_t sink = 0;
  for (const vk::bench::CallCase& which : vk::bench::kCallCases) {
    const double addin = BestNanoseconds(calls, [&](long i) {
      sink += vk::bench::CallOnce(which.kind, cell, static_cast<int>(i & 7) + 1, 4);
    });
    // The bare call: the same member and arguments straight to IDispatch::Invoke.
    const DISPID id = IdOf(which.kind);
    const double bare = BestNanoseconds(calls, [&](long i) {
      VARIANT args[2];
      V_VT(&args[0]) = VT_I4, V_I4(&args[0]) = 4;
      V_VT(&args[1]) = VT_I4, V_I4(&args[1]) = static_cast<LONG>(i & 7) + 1;
      DISPPARAMS params{which.kind == vk::bench::CallKind::Arguments ? args : nullptr, nullptr,
                        which.kind == vk::bench::CallKind::Arguments ? 2u : 0u, 0};
      VARIANT result;
      VariantInit(&result);
      answering.Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &params, &result, nullptr, nullptr);
      sink += V_VT(&result);
      VariantClear(&result);
    });
    std::printf("call %s: %.0f ns through the add-in, %.0f ns bare Invoke, add-in's own %.0f ns\n", which.name,
                addin, bare, addin - bare);
  }
  std::printf("(thread CPU time, %ld calls per round, best of 5; checksum %zu)\n", calls, sink % 10);
  return 0;
}
