// Win32: the system clipboard, every format placed as an HGLOBAL rendered at once.
#include <cstring>

#include "platform/clipboard.h"
#include "platform/win32/unique_handle.h"
#include "platform/windows.h"

namespace Tarnwick::platform::detail {
namespace {

// Locks an HGLOBAL for the scope.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~GlobalLockScope() {
    if (data_) GlobalUnlock(memory_);
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

class SystemClipboardImpl final : public Clipboard {
 public:
  uint32_t RegisterFormat(std::u16string_view name) override {
    std::u16string text(name);
    return RegisterClipboardFormatW(AsWide(text));
  }

  bool TryOpen() override {
    // EmptyClipboard makes the opening window the owner; with no window SetClipboardData
    // fails, so each opening has a message-only window of its own on the calling thread.
    owner_.reset(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
    if (OpenClipboard(owner_.get())) return true;
    owner_.reset();
    return false;
  }

  void Close() override {
    CloseClipboard();
    owner_.reset();
  }

  bool Empty() override { return EmptyClipboard() != FALSE; }

  bool SetData(uint32_t format, std::string_view bytes) override {
    unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size()));
    if (!memory) return false;
    {
      GlobalLockScope lock(memory.get());
      if (!lock.data()) return false;
      if (!bytes.empty()) std::memcpy(lock.data(), bytes.data(), bytes.size());
    }
    if (!SetClipboardData(format, memory.get())) return false;
    memory.release();  // the clipboard owns it now
    return true;
  }

  std::optional<std::string> GetData(uint32_t format) override {
    HANDLE data = GetClipboardData(format);
    if (!data) return std::nullopt;
    GlobalLockScope lock(data);
    if (!lock.data()) return std::nullopt;
    return std::string(static_cast<const char*>(lock.data()), GlobalSize(data));
  }

 private:
  unique_hwnd owner_;
};

}  // namespace

Clipboard& SystemClipboard() {
  static SystemClipboardImpl clipboard;
  return clipboard;
}

}  // namespace Tarnwick::platform::detail
