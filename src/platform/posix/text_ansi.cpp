// POSIX: the "ANSI" text of a Linux process is its locale's encoding, which is UTF-8.
#include "platform/text.h"

namespace Tarnwick::platform {

std::string ToAnsi(std::u16string_view text) { return ToUtf8(text); }
std::u16string FromAnsi(std::string_view bytes) { return FromUtf8(bytes); }

}  // namespace Tarnwick::platform
