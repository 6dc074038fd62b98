// The system clipboard, one primitive at a time.
//
// The library's writer (clipboard/clipboard_writer.h) opens, empties, places every format and
// closes through this interface, retrying while another program holds the clipboard. The Win32
// implementation places each format as an HGLOBAL rendered at once, so the data outlives the
// process; the POSIX implementation is an in-process stand-in for the native build. Tests put
// their own implementation in place with a ScopedClipboardOverride.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Tarnwick::platform {

// Standard clipboard formats of Windows.
inline constexpr uint32_t kClipboardText = 1;          // CF_TEXT
inline constexpr uint32_t kClipboardUnicodeText = 13;  // CF_UNICODETEXT

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // The id of a named format such as "HTML Format"; the same name always gives the same id.
  virtual uint32_t RegisterFormat(std::u16string_view name) = 0;
  // One attempt: false while another program holds the clipboard open.
  virtual bool TryOpen() = 0;
  virtual void Close() = 0;
  // Only between TryOpen and Close.
  virtual bool Empty() = 0;
  virtual bool SetData(uint32_t format, std::string_view bytes) = 0;
  virtual std::optional<std::string> GetData(uint32_t format) = 0;
};

// The clipboard the library uses: the override of the innermost live
// ScopedClipboardOverride, else the system's.
Clipboard& ActiveClipboard();

class ScopedClipboardOverride {
 public:
  explicit ScopedClipboardOverride(Clipboard& replacement);
  ~ScopedClipboardOverride();
  ScopedClipboardOverride(const ScopedClipboardOverride&) = delete;
  ScopedClipboardOverride& operator=(const ScopedClipboardOverride&) = delete;

 private:
  Clipboard* previous_;
};

namespace detail {
Clipboard& SystemClipboard();  // one per platform folder
}  // namespace detail

}  // namespace Tarnwick::platform
