#include "links/url_encoding.h"

#include "platform/text.h"

namespace Tarnwick::OvWrapper::detail {

std::u16string UrlEncode(std::u16string_view text) {
  static constexpr char16_t kHex[] = u"0123456789abcdef";
  const std::string bytes = platform::ToUtf8(text);
  std::u16string out;
  out.reserve(bytes.size() * 3);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unreserved = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                            (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' ||
                            byte == '.' || byte == '!' || byte == '*' || byte == '(' || byte == ')';
    if (unreserved) {
      out += char16_t(byte);
    } else if (byte == ' ') {
      out += u'+';
    } else {
      out += {u'%', kHex[byte >> 4], kHex[byte & 0xf]};
    }
  }
  return out;
}

}  // namespace Tarnwick::OvWrapper::detail
