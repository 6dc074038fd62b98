// Where OvWrapper's data operations report what they catch: the debugger's output channel and
// the library's log.
//
//   catch (const std::exception& e) { detail::ReportError(e, "GetProjectIdFromMonikerString"); }
//   // debug output: "Error: <message>\n   at Tarnwick::OvWrapper::GetProjectIdFromMonikerString"
//
// C++ has no stack trace to print; the second line names the operation that caught the error.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace Tarnwick::OvWrapper::detail {

// "Error: {0}\n{1}" with the error's message and the operation's name.
std::u16string ErrorText(const std::exception& error, std::string_view operation);

// To the debugger's output channel.
void ReportError(const std::exception& error, std::string_view operation);

// One line of the library's log (DornUtilities::WriteLog, which also echoes it to the debug
// output and standard output).
void Log(std::u16string_view text);
void LogError(const std::exception& error, std::string_view operation);

}  // namespace Tarnwick::OvWrapper::detail
