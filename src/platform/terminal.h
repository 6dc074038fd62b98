// The command-line tool's terminal: its arguments as text, its output streams, and a secret read
// without echo.
//
//   std::vector<std::u16string> args = platform::CommandLineArguments(argc, argv);
//   std::optional<std::u16string> password = platform::ReadSecretLine(u"Password: ");
//   platform::WriteStandardOutput(text + u"\n");
//
// Arguments come from the wide command line on Windows and from UTF-8 argv elsewhere. Output
// goes to a console as text (WriteConsoleW) and to a file or pipe as UTF-8. Only the tool links
// this seam; the library never touches the terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Tarnwick::platform {

// The program's arguments without the program name.
std::vector<std::u16string> CommandLineArguments(int argc, char** argv);

void WriteStandardOutput(std::u16string_view text);
void WriteStandardError(std::u16string_view text);

// True when standard input is an interactive console (a terminal), not a file or a pipe.
bool StandardInputIsConsole();

// One line of standard input without its line end. At a console the prompt goes to standard
// error and the typed characters are not echoed; from a file or pipe there is no prompt, the
// bytes are read as UTF-8 (on Windows, bytes that are not UTF-8 as the console's code page),
// and a leading UTF-8 byte-order mark is dropped. Nothing (no line at all) at the end of the
// input gives std::nullopt.
std::optional<std::u16string> ReadSecretLine(std::u16string_view prompt);

}  // namespace Tarnwick::platform
