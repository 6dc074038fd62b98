// The binding's one-time start-up: creates OvWrapper's shared state and initialises the host
// client API before the first use of the binding in the process, putting the client's bin
// folder on the search path when the host libraries cannot be loaded.
//
// Concurrent first uses wait for the one start-up; a failed start-up is remembered and every
// later use of the binding fails with the same error.
//
// The installation lookup and the search-path change below are the start-up's pieces, open to
// the tests.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Tarnwick::OvWrapper::detail {

// A client version: two to four non-negative decimal numbers separated by dots. Leading zeros
// carry no meaning ("08.11" is 8.11); a missing component ranks below any present one, so
// 8.11 < 8.11.0.
class OrvaneVersion {
 public:
  // Throws FormatError for a text that is not a version.
  static OrvaneVersion Parse(std::u16string_view text);
  // The components joined by dots, without leading zeros: "08.01" gives "8.1".
  std::u16string ToString() const;
  friend std::strong_ordering operator<=>(const OrvaneVersion&, const OrvaneVersion&) = default;

 private:
  std::array<int64_t, 4> parts_{-1, -1, -1, -1};  // -1: absent
};

constexpr bool Is64BitProcess() {
  return sizeof(void*) == 8;
}

// The installation folder for a process of the given width; registry errors end the search and
// go to the debug output, with the folder found so far as the result.
std::optional<std::u16string> FindOrvanePath(bool is64Bit);

// Puts path at the front of the process's Path, or sets Path to the process setting "Path" when
// there is one. Throws Tarnwick::Error when the value would be too long or cannot be written.
void AppendToEnvironmentPath(std::u16string_view path);

// Puts the installed client's bin folder at the front of the process's Path; never throws.
void AppendOrvaneDllPathToEnvironmentPath();

}  // namespace Tarnwick::OvWrapper::detail
