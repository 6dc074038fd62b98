// tarnwick check-login: logs in as a program would from its settings file, and says whether
// the host accepted the login.
#include <exception>
#include <optional>
#include <string>

#include "command.h"
#include "platform/files.h"
#include "platform/terminal.h"
#include "platform/text.h"
#include "session/session_access.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "tarnwick/ov_session.h"
#include "util/settings.h"

namespace Tarnwick::tool {
namespace {

constexpr Option kOptions[] = {
    {u"config", u"FILE",
     u"the settings file to log in from (default: this tool's own, beside the program)"},
};

// The host's own words for its last error, when it has any.
std::u16string HostErrorText() {
  try {
    std::optional<std::u16string> message = OvWrapper::qxApi_GetLastErrorMessage();
    if (message && !message->empty()) return *message;
  } catch (const std::exception&) {
    // An older host without the message: the number in the error text has to do.
  }
  return u"";
}

int Run(const Arguments& arguments) {
  const std::u16string file =
      arguments.Value(u"config").value_or(DornUtilities::detail::ProcessSettingsFile());
  if (!platform::FileExists(file)) {
    ReportError(u"no settings file '" + file + u"'");
    return kExitFailure;
  }
  try {
    OvSession session = session::SessionAccess::FromSettingsFile(file);
    const std::u16string user = session.User.value_or(u"");
    platform::WriteStandardOutput(
        u"Logged in to '" + session.Datasource + u"' " +
        (user.empty() ? std::u16string(u"by single sign-on") : u"as " + user) +
        (session.IsAdmin ? u" (administrator)" : u"") + u".\n");
    session.Dispose();
    return kExitSuccess;
  } catch (const LoginError& e) {
    std::u16string message = u"login failed: " + platform::FromUtf8(e.what());
    if (e.hostErrorId() != 0) {
      const std::u16string hostText = HostErrorText();
      if (!hostText.empty()) message += u"\nThe host says: " + hostText;
    } else if (std::string_view(e.what()) == "Datasource name not set") {
      message += u"\nPut the data source into the \"OvDataSourceName\" setting of '" + file + u"'.";
    }
    ReportError(message);
    return kExitFailure;
  } catch (const Error& e) {
    // A settings file that does not parse, host libraries that cannot be loaded.
    ReportError(platform::FromUtf8(e.what()));
    return kExitFailure;
  }
}

}  // namespace

extern const Command kCheckLogin = {
    u"check-login",
    u"Log in from a program's settings file and report the result.",
    u"Logs in to the Orvane data source the way a program that uses Tarnwick does from its\n"
    u"settings file, then logs out again. It reads \"OvDataSourceName\", \"OvUser\",\n"
    u"\"OvPassword\" (the text from 'tarnwick encrypt-password') and \"LoginAsAdmin\". An empty\n"
    u"\"OvPassword\" logs in by single sign-on as the Windows user.\n"
    u"\n"
    u"Without --config the tool's own settings file is read: the program's file name with\n"
    u"\".config\" appended (tarnwick.exe.config). To check a program's settings, give its file:\n"
    u"--config \"C:\\Program Files\\MyApp\\MyApp.exe.config\".\n"
    u"\n"
    u"On success one line names the data source and the user; on failure the error names the\n"
    u"host's error number, followed by the host's own description when it gives one.",
    kOptions,
    u"0 the login succeeded; 1 it failed, or the settings file is missing or unreadable; 2 "
    u"wrong usage.",
    Run,
};

}  // namespace Tarnwick::tool
