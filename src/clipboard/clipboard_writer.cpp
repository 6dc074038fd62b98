#include "clipboard/clipboard_writer.h"

#include <thread>

#include "platform/clipboard.h"
#include "tarnwick/error.h"

namespace Tarnwick::clipboard {
namespace {

// Keeps the clipboard open for the scope.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(platform::Clipboard& clipboard)
      : clipboard_(clipboard), open_(clipboard.TryOpen()) {}
  ~OpenClipboardScope() {
    if (open_) clipboard_.Close();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  explicit operator bool() const { return open_; }

 private:
  platform::Clipboard& clipboard_;
  bool open_;
};

bool TryPlace(platform::Clipboard& clipboard, const ClipboardData& data) {
  OpenClipboardScope open(clipboard);
  if (!open || !clipboard.Empty()) return false;
  for (const ClipboardFormatData& item : data) {
    uint32_t format = item.name.empty() ? item.format : clipboard.RegisterFormat(item.name);
    if (format == 0 || !clipboard.SetData(format, item.bytes)) return false;
  }
  return true;
}

}  // namespace

void PlaceOnClipboard(const ClipboardData& data, const RetryPolicy& policy) {
  platform::Clipboard& clipboard = platform::ActiveClipboard();
  for (int attempt = 1; attempt <= policy.attempts; ++attempt) {
    if (TryPlace(clipboard, data)) return;
    if (attempt < policy.attempts) std::this_thread::sleep_for(policy.interval);
  }
  throw ClipboardError("Requested Clipboard operation did not succeed: the clipboard stayed "
                       "held by another program through " +
                       std::to_string(policy.attempts) + " attempts.");
}

}  // namespace Tarnwick::clipboard
