// The subcommands of the `tarnwick` administrator tool and their options.
//
// A subcommand is one Command object in a file of its own, listed in kCommands (main.cpp):
//
//   extern const Command kEncryptPassword;   // tarnwick encrypt-password --datasource N --user N
//
// The parser checks every option against the command's list before run() is called, so run()
// sees only known options, each given once, the required ones present, none of them empty.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace Tarnwick::tool {

// Exit status of the tool.
enum ExitCode : int {
  kExitSuccess = 0,
  kExitFailure = 1,  // the command ran and failed (no password, a failed login, ...)
  kExitUsage = 2,    // unknown command or option, a missing or empty value
};

struct Command;

struct Option {
  std::u16string_view name;       // written "--name VALUE" or "--name=VALUE"
  std::u16string_view valueName;  // "NAME", "FILE"; empty for a flag
  std::u16string_view help;
  bool required = false;
};

class Arguments {
 public:
  // The option's value; std::nullopt when it was not given.
  std::optional<std::u16string> Value(std::u16string_view name) const;
  // The value of a required option (the parser has made sure it is there).
  std::u16string Required(std::u16string_view name) const { return Value(name).value_or(u""); }
  bool Flag(std::u16string_view name) const { return Value(name).has_value(); }

 private:
  friend Arguments ParseOptions(const Command&, std::span<const std::u16string>);
  std::map<std::u16string, std::u16string, std::less<>> values_;
};

struct Command {
  std::u16string_view name;
  std::u16string_view summary;      // one line for the list of commands
  std::u16string_view description;  // the paragraphs of the command's --help
  std::span<const Option> options;
  std::u16string_view exitStatus;  // what 0, 1 and 2 mean for this command
  int (*run)(const Arguments& arguments);
};

// Wrong usage; the message says what is wrong, without the program name.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(std::u16string message)
      : std::runtime_error("usage"), message_(std::move(message)) {}
  const std::u16string& message() const { return message_; }

 private:
  std::u16string message_;
};

// Throws UsageError. "--help" is not handled here: main() looks for it first.
Arguments ParseOptions(const Command& command, std::span<const std::u16string> arguments);

std::u16string UsageLine(const Command& command);  // "Usage: tarnwick NAME --opt VALUE ..."
std::u16string CommandHelp(const Command& command);

// Writes "tarnwick: {message}" and a line feed to standard error.
void ReportError(std::u16string_view message);

}  // namespace Tarnwick::tool
