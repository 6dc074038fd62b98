// The keyed collections the toolkit returns.
//
//   LocaleSortedList<std::u16string> list;  // "a" and "A" are one key; b sorts after A
//
// A sorted list with text keys orders and matches its keys by the current locale's rules
// without regard to letter case (CompareStringEx with NORM_IGNORECASE on Windows).
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace Tarnwick {

struct LocaleCaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const;
};

template <typename Value>
using LocaleSortedList = std::map<std::u16string, Value, LocaleCaseInsensitiveLess>;

}  // namespace Tarnwick
