#pragma once
#include <windows.h>

#include <new>
#include <type_traits>

#include "automation/com_error.h"

namespace vk {

// Runs the body of a COM entry point so that no C++ exception unwinds into the caller (Office,
// a script, COM's own machinery): a failed automation call gives its HRESULT, a failed
// allocation E_OUTOFMEMORY, anything else E_UNEXPECTED. A body that returns void succeeds with
// S_OK.
template <class Body>
HRESULT ComBoundary(Body&& body) noexcept {
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Body>>) {
      body();
      return S_OK;
    } else {
      return body();
    }
  } catch (const ComError& error) {
    return FAILED(error.Error()) ? static_cast<HRESULT>(error.Error()) : E_FAIL;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace vk
