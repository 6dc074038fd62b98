// A GUID in the Windows in-memory layout, as the host reads and writes it.
//
//   Guid g = Guid::Parse(u"{0F8FAD5B-D9CB-469F-A165-70867728950E}");
//   g.ToString();  // u"0f8fad5b-d9cb-469f-a165-70867728950e"
//
// Parse accepts the standard forms: 32 hexadecimal digits of either case, bare or grouped
// 8-4-4-4-12 with hyphens, optionally inside braces or parentheses. Anything else raises
// Tarnwick::FormatError. ToString always gives the lower-case hyphenated form without braces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Tarnwick {

struct Guid {
  uint32_t Data1 = 0;
  uint16_t Data2 = 0;
  uint16_t Data3 = 0;
  uint8_t Data4[8] = {};

  static Guid Parse(std::u16string_view text);
  std::u16string ToString() const;

  friend bool operator==(const Guid&, const Guid&) = default;
};

static_assert(sizeof(Guid) == 16, "Guid must have the Windows GUID layout");

}  // namespace Tarnwick
