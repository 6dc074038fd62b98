// Option parsing and help text shared by every subcommand of the tool.
#include "command.h"

#include <algorithm>

#include "platform/terminal.h"

namespace Tarnwick::tool {
namespace {

const Option* FindOption(const Command& command, std::u16string_view name) {
  for (const Option& option : command.options) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

std::u16string Written(const Option& option) {
  std::u16string text = u"--" + std::u16string(option.name);
  if (!option.valueName.empty()) text += u" " + std::u16string(option.valueName);
  return text;
}

}  // namespace

std::optional<std::u16string> Arguments::Value(std::u16string_view name) const {
  auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

Arguments ParseOptions(const Command& command, std::span<const std::u16string> arguments) {
  Arguments parsed;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::u16string& argument = arguments[i];
    if (!argument.starts_with(u"--") || argument.size() == 2) {
      throw UsageError(u"unexpected argument '" + argument + u"'");
    }
    const size_t equals = argument.find(u'=');
    const std::u16string name =
        argument.substr(2, equals == std::u16string::npos ? argument.npos : equals - 2);
    const Option* option = FindOption(command, name);
    if (!option) throw UsageError(u"unknown option '--" + name + u"'");
    if (parsed.values_.contains(name)) throw UsageError(u"--" + name + u" is given twice");

    std::u16string value;
    if (option->valueName.empty()) {
      if (equals != std::u16string::npos) throw UsageError(u"--" + name + u" takes no value");
    } else {
      if (equals != std::u16string::npos) {
        value = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        throw UsageError(Written(*option) + u": the " + std::u16string(option->valueName) +
                         u" is missing");
      }
      if (value.empty()) {
        throw UsageError(Written(*option) + u": the " + std::u16string(option->valueName) +
                         u" is empty");
      }
    }
    parsed.values_.emplace(name, std::move(value));
  }
  for (const Option& option : command.options) {
    if (option.required && !parsed.values_.contains(option.name)) {
      throw UsageError(Written(option) + u" is required");
    }
  }
  return parsed;
}

std::u16string UsageLine(const Command& command) {
  std::u16string line = u"Usage: tarnwick " + std::u16string(command.name);
  for (const Option& option : command.options) {
    line += option.required ? u" " + Written(option) : u" [" + Written(option) + u"]";
  }
  return line;
}

std::u16string CommandHelp(const Command& command) {
  std::u16string help =
      UsageLine(command) + u"\n\n" + std::u16string(command.description) + u"\n\nOptions:\n";
  size_t width = std::u16string_view(u"--help").size();
  for (const Option& option : command.options) width = std::max(width, Written(option).size());
  auto row = [&](std::u16string left, std::u16string_view text) {
    left.resize(width, u' ');
    help += u"  " + left + u"  " + std::u16string(text) + u"\n";
  };
  for (const Option& option : command.options) row(Written(option), option.help);
  row(u"--help", u"show this help");
  help += u"\nExit status: " + std::u16string(command.exitStatus) + u"\n";
  return help;
}

void ReportError(std::u16string_view message) {
  platform::WriteStandardError(u"tarnwick: " + std::u16string(message) + u"\n");
}

}  // namespace Tarnwick::tool
