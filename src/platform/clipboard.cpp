// Chooses between the system clipboard and a test's replacement.
#include "platform/clipboard.h"

#include <atomic>

namespace Tarnwick::platform {
namespace {
std::atomic<Clipboard*> g_override{nullptr};
}

Clipboard& ActiveClipboard() {
  Clipboard* replacement = g_override.load();
  return replacement ? *replacement : detail::SystemClipboard();
}

ScopedClipboardOverride::ScopedClipboardOverride(Clipboard& replacement)
    : previous_(g_override.exchange(&replacement)) {}
ScopedClipboardOverride::~ScopedClipboardOverride() { g_override.store(previous_); }

}  // namespace Tarnwick::platform
