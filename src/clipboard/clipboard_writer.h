// Placing a set of formats on the clipboard as one replacement of its contents, retrying while
// another program holds it open.
//
//   ClipboardData data;
//   data.push_back(ClipboardFormatData::Registered(u"HTML Format", utf8WithZero));
//   data.push_back(ClipboardFormatData::Standard(platform::kClipboardUnicodeText, utf16WithZero));
//   PlaceOnClipboard(data);  // throws ClipboardError when every attempt fails
//
// An empty ClipboardData empties the clipboard.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace Tarnwick::clipboard {

struct ClipboardFormatData {
  std::u16string name;  // a registered format such as "HTML Format"; empty for a standard one
  uint32_t format = 0;  // the standard format when name is empty
  std::string bytes;    // exactly what the clipboard receives

  static ClipboardFormatData Registered(std::u16string name, std::string bytes) {
    return {std::move(name), 0, std::move(bytes)};
  }
  static ClipboardFormatData Standard(uint32_t format, std::string bytes) {
    return {{}, format, std::move(bytes)};
  }
};
using ClipboardData = std::vector<ClipboardFormatData>;

struct RetryPolicy {
  // Another program (a clipboard manager, a remote-desktop agent) may hold the clipboard for a
  // moment; about a second of retries outlasts that without stalling the host's window.
  int attempts = 10;
  std::chrono::milliseconds interval{100};
};

void PlaceOnClipboard(const ClipboardData& data, const RetryPolicy& policy = {});

}  // namespace Tarnwick::clipboard
