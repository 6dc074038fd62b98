// Owning wrappers for Win32 handles, one per handle kind, made from one template whose
// parameter names the close function and the invalid value (CreateFile fails with
// INVALID_HANDLE_VALUE, most others with NULL).
//
//   unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
//   if (!memory) return false;
//   ...
//   memory.release();  // ownership passed to the system
//
// Closing keeps GetLastError intact, so a failure reported just before a clean-up still reads
// right afterwards.
#pragma once

#include <utility>

#include "platform/windows.h"

namespace Tarnwick::platform {

template <typename Traits>
class unique_handle {
  using Handle = typename Traits::Handle;

 public:
  unique_handle() = default;
  explicit unique_handle(Handle handle) : handle_(handle) {}
  unique_handle(unique_handle&& other) noexcept : handle_(other.release()) {}
  unique_handle& operator=(unique_handle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  unique_handle(const unique_handle&) = delete;
  unique_handle& operator=(const unique_handle&) = delete;
  ~unique_handle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) {
      DWORD lastError = GetLastError();
      Traits::Close(old);
      SetLastError(lastError);
    }
  }

 private:
  Handle handle_ = Traits::Invalid();
};

template <typename H, auto CloseFunction>
struct NullInvalidTraits {
  using Handle = H;
  static constexpr Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { CloseFunction(handle); }
};

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) { CloseHandle(handle); }
};

using unique_hglobal = unique_handle<NullInvalidTraits<HGLOBAL, &GlobalFree>>;
using unique_hwnd = unique_handle<NullInvalidTraits<HWND, &DestroyWindow>>;
using unique_hkey = unique_handle<NullInvalidTraits<HKEY, &RegCloseKey>>;
using unique_hfile = unique_handle<FileHandleTraits>;

}  // namespace Tarnwick::platform
