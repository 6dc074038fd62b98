#include "hostdata/report.h"

#include "platform/debug_output.h"
#include "tarnwick/dorn_utilities.h"
#include "platform/text.h"

namespace Tarnwick::OvWrapper::detail {

std::u16string ErrorText(const std::exception& error, std::string_view operation) {
  return u"Error: " + platform::FromUtf8(error.what()) + u"\n   at Tarnwick::OvWrapper::" +
         platform::FromUtf8(operation);
}

void ReportError(const std::exception& error, std::string_view operation) {
  platform::WriteDebugOutput(ErrorText(error, operation));
}

// Until the daily log files are wired in, a log line goes to the debugger's channel too.
void Log(std::u16string_view text) { DornUtilities::WriteLog(text); }

void LogError(const std::exception& error, std::string_view operation) {
  Log(ErrorText(error, operation));
}

}  // namespace Tarnwick::OvWrapper::detail
