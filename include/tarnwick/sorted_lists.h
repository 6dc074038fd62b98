// The keyed collections that the lookups return.
//
//   OvWrapper::LocaleSortedList<int32_t> ids;        // "Draft" and "DRAFT" are one key
//   OvWrapper::InvariantSortedList<OrvaneUser> users;
//
// Text keys are ordered and matched without regard to letter case: by the current locale's
// lower-casing (LocaleSortedList) or by Unicode's simple lower-casing, the same on every
// machine (InvariantSortedList). Integer keys sort in ascending numeric order. The hash table
// holds lower-cased names.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "tarnwick/collections.h"

namespace Tarnwick::OvWrapper {

struct InvariantCaseLess {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const;
};

using Tarnwick::LocaleSortedList;  // text keys under the current locale's rules
template <typename Value>
using InvariantSortedList = std::map<std::u16string, Value, InvariantCaseLess>;
template <typename Value>
using IdSortedList = std::map<int32_t, Value>;
using LowerCaseHashTable = std::unordered_map<std::u16string, int32_t>;

// Lower case by Unicode's simple mappings of the Latin, Greek, Cyrillic and Armenian letters,
// whatever the locale.
std::u16string ToLowerInvariant(std::u16string_view text);

}  // namespace Tarnwick::OvWrapper
