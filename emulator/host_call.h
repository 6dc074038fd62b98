// The opening of every emulated host function: take the host lock and log the call.
//
//   EMU_HOSTAPI(int32_t) qxApi_SelectProject(int32_t lProjectId) {
//     HOST_CALL(qxApi_SelectProject, lProjectId);  // logs "qxApi_SelectProject(3)"
//     if (host.Failing(hostFunction)) return 0;
//
// The lock is held for the rest of the function; host and hostFunction are in scope.
#pragma once

#include <mutex>
#include <sstream>
#include <string>

#include "emulator/datasource.h"

namespace Tarnwick::Emulator {

template <typename... Args>
std::string Entry(const char* function, const Args&... args) {
  std::ostringstream text;
  text << function << '(';
  [[maybe_unused]] const char* separator = "";
  ((text << separator << args, separator = ", "), ...);
  text << ')';
  return text.str();
}

}  // namespace Tarnwick::Emulator

#define HOST_CALL(function, ...)                                               \
  ::Tarnwick::Emulator::Host& host = ::Tarnwick::Emulator::Host::Instance();   \
  std::lock_guard lock(host.mutex());                                          \
  host.Log(::Tarnwick::Emulator::Entry(#function __VA_OPT__(, ) __VA_ARGS__)); \
  [[maybe_unused]] const char* const hostFunction = #function
