// Form encoding of text for the query of a web link.
//
//   UrlEncode(u"ov://archive:Main/Pier 3");  // u"ov%3a%2f%2farchive%3aMain%2fPier+3"
//
// The text's UTF-8 bytes: ASCII letters, digits and - _ . ! * ( ) stay; a space becomes "+";
// every other byte is "%" and two lower-case hex digits. A lone surrogate, which UTF-8 cannot
// hold, is encoded as U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace Tarnwick::OvWrapper::detail {

std::u16string UrlEncode(std::u16string_view text);

}  // namespace Tarnwick::OvWrapper::detail
