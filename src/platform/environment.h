// The process's environment variables, in the forms the binding's start-up uses.
//
//   char value[32767];
//   uint32_t length = platform::ActiveEnvironment().GetVariableA("Path", value, 32767);
//
// GetVariableA and SetVariableA are the narrow-character functions of KERNEL32.dll
// (GetEnvironmentVariableA, SetEnvironmentVariableA): the text passes through the system ANSI
// code page. SetVariable is the UTF-16 form, which removes the variable for an absent or empty
// value. Only the current process's environment changes. The native build uses the C library's
// environment (UTF-8); tests put their own in place with ScopedOverride<Environment>.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Tarnwick::platform {

class Environment {
 public:
  virtual ~Environment() = default;

  // The value's length in bytes when it fits into size bytes with its terminator (it is then
  // copied, zero-terminated); the size needed, terminator included, when it does not; 0 when
  // the variable is absent or empty.
  virtual uint32_t GetVariableA(const char* name, char* buffer, uint32_t size) = 0;
  // False when the system refuses. A null value removes the variable.
  virtual bool SetVariableA(const char* name, const char* value) = 0;
  virtual bool SetVariable(std::u16string_view name, std::optional<std::u16string_view> value) = 0;
};

// The innermost live ScopedOverride<Environment>, else the process's.
Environment& ActiveEnvironment();

namespace detail {
Environment& SystemEnvironment();  // one per platform folder
}  // namespace detail

}  // namespace Tarnwick::platform
