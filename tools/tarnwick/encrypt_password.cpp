// tarnwick encrypt-password: the text an administrator puts into a program's "OvPassword"
// setting.
#include "command.h"
#include "platform/terminal.h"
#include "tarnwick/crypto_provider.h"

namespace Tarnwick::tool {
namespace {

constexpr Option kOptions[] = {
    {u"datasource", u"NAME", u"the data source, as in the setting \"OvDataSourceName\"", true},
    {u"user", u"NAME", u"the user, as in the setting \"OvUser\"", true},
};

// The password from the console (typed twice, without echo) or from the first line of
// redirected standard input; std::nullopt after an error has been reported.
std::optional<std::u16string> ReadPassword(std::u16string_view dataSource,
                                           std::u16string_view user) {
  const std::u16string prompt =
      u"Password of " + std::u16string(user) + u" on " + std::u16string(dataSource) + u": ";
  std::optional<std::u16string> password = platform::ReadSecretLine(prompt);
  if (!password) {
    ReportError(u"no password: standard input ended before a line was read");
    return std::nullopt;
  }
  if (platform::StandardInputIsConsole() && !password->empty()) {
    // Nothing typed is shown: a second entry catches a typing error before it is stored.
    std::optional<std::u16string> again = platform::ReadSecretLine(u"Type it again: ");
    if (again != password) {
      ReportError(u"the two entries differ; nothing was encrypted");
      return std::nullopt;
    }
  }
  return password;
}

int Run(const Arguments& arguments) {
  const std::u16string dataSource = arguments.Required(u"datasource");
  const std::u16string user = arguments.Required(u"user");
  const std::optional<std::u16string> password = ReadPassword(dataSource, user);
  if (!password) return kExitFailure;
  if (password->empty()) {
    ReportError(
        u"the password is empty. For a login by single sign-on leave \"OvPassword\" empty "
        u"instead.");
    return kExitFailure;
  }
  const std::u16string text = CryptoProvider::GetEncryptedPassword(dataSource, user, *password);
  if (text.empty()) {
    ReportError(u"the password could not be encrypted");
    return kExitFailure;
  }
  platform::WriteStandardOutput(text + u"\n");
  return kExitSuccess;
}

}  // namespace

extern const Command kEncryptPassword = {
    u"encrypt-password",
    u"Encrypt a password for the \"OvPassword\" setting of a program.",
    u"Reads a password and prints the encrypted text for the \"OvPassword\" setting of a\n"
    u"program that logs in with Tarnwick as this user on this data source.\n"
    u"\n"
    u"At a console the password is asked for twice and not shown. From a file or a pipe the\n"
    u"first line of standard input is the password (UTF-8; a trailing CR is dropped).\n"
    u"\n"
    u"The text decrypts only with the same two names, in any letter case: put them into\n"
    u"\"OvDataSourceName\" and \"OvUser\" beside it. The encryption keeps the password out of\n"
    u"plain sight; anyone who knows both names and this tool's scheme can recover it, so\n"
    u"protect the settings file as you would the password.",
    kOptions,
    u"0 the text was printed; 1 no password was read or it was empty; 2 wrong usage.",
    Run,
};

}  // namespace Tarnwick::tool
