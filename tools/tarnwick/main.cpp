// tarnwick: the administrator's command-line tool.
//
//   tarnwick encrypt-password --datasource archive:Main --user alice
//   tarnwick check-login [--config FILE]
//   tarnwick links --documents 3:1 --web https://dms/Open.aspx --action View --emulator
//   tarnwick help [COMMAND] | tarnwick --help | tarnwick COMMAND --help
#include <algorithm>
#include <exception>
#include <span>
#include <string>
#include <vector>

#include "command.h"
#include "platform/terminal.h"
#include "platform/text.h"

namespace Tarnwick::tool {

extern const Command kEncryptPassword;
extern const Command kCheckLogin;
extern const Command kLinks;

namespace {

// A new subcommand is one more line here.
const Command* const kCommands[] = {
    &kEncryptPassword,
    &kCheckLogin,
    &kLinks,
};

const Command* FindCommand(std::u16string_view name) {
  for (const Command* command : kCommands) {
    if (command->name == name) return command;
  }
  return nullptr;
}

std::u16string ToolHelp() {
  std::u16string help = u"Usage: tarnwick COMMAND [OPTIONS]\n\nCommands:\n";
  size_t width = 0;
  for (const Command* command : kCommands) width = std::max(width, command->name.size());
  for (const Command* command : kCommands) {
    std::u16string name(command->name);
    name.resize(width, u' ');
    help += u"  " + name + u"  " + std::u16string(command->summary) + u"\n";
  }
  help +=
      u"\nRun 'tarnwick COMMAND --help' for the options of a command.\n"
      u"Exit status: 0 success; 1 the command failed; 2 wrong usage.\n";
  return help;
}

int UsageFailure(std::u16string_view message, const Command* command) {
  ReportError(message);
  if (command) {
    platform::WriteStandardError(UsageLine(*command) + u"\nRun 'tarnwick " +
                                 std::u16string(command->name) + u" --help' for details.\n");
  } else {
    platform::WriteStandardError(u"Run 'tarnwick --help' for the list of commands.\n");
  }
  return kExitUsage;
}

int Main(std::span<const std::u16string> arguments) {
  if (arguments.empty()) return UsageFailure(u"no command given", nullptr);
  const std::u16string& first = arguments[0];
  if (first == u"--help" || first == u"-h" || first == u"help") {
    if (first == u"help" && arguments.size() > 1) {
      const Command* command = FindCommand(arguments[1]);
      if (!command) return UsageFailure(u"unknown command '" + arguments[1] + u"'", nullptr);
      platform::WriteStandardOutput(CommandHelp(*command));
    } else {
      platform::WriteStandardOutput(ToolHelp());
    }
    return kExitSuccess;
  }

  const Command* command = FindCommand(first);
  if (!command) return UsageFailure(u"unknown command '" + first + u"'", nullptr);
  const auto options = arguments.subspan(1);
  if (std::find(options.begin(), options.end(), u"--help") != options.end()) {
    platform::WriteStandardOutput(CommandHelp(*command));
    return kExitSuccess;
  }
  try {
    return command->run(ParseOptions(*command, options));
  } catch (const UsageError& e) {
    return UsageFailure(e.message(), command);
  }
}

}  // namespace
}  // namespace Tarnwick::tool

int main(int argc, char** argv) {
  try {
    const std::vector<std::u16string> arguments =
        Tarnwick::platform::CommandLineArguments(argc, argv);
    return Tarnwick::tool::Main(arguments);
  } catch (const std::exception& e) {
    Tarnwick::tool::ReportError(Tarnwick::platform::FromUtf8(e.what()));
    return Tarnwick::tool::kExitFailure;
  }
}
