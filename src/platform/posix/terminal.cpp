// POSIX: UTF-8 argv and streams, and a terminal's echo switched off through termios.
#include "platform/terminal.h"

#include <termios.h>
#include <unistd.h>

#include "platform/text.h"

namespace Tarnwick::platform {
namespace {

void Write(int fd, std::u16string_view text) {
  const std::string bytes = ToUtf8(text);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;
    done += size_t(n);
  }
}

// Puts the terminal's settings back when the read ends, however it ends.
class EchoOff {
 public:
  explicit EchoOff(int fd) : fd_(fd), saved_(tcgetattr(fd, &previous_) == 0) {
    if (!saved_) return;
    termios quiet = previous_;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    quiet.c_lflag |= ECHONL;  // the Enter key still moves to the next line
    tcsetattr(fd_, TCSAFLUSH, &quiet);
  }
  ~EchoOff() {
    if (saved_) tcsetattr(fd_, TCSAFLUSH, &previous_);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  int fd_;
  termios previous_{};
  bool saved_;
};

// Bytes up to the next line feed; false when the input ended before any byte or line end.
bool ReadLineBytes(int fd, std::string& bytes) {
  char c = 0;
  bool any = false;
  // One byte at a time, so that nothing past the line is taken from a pipe.
  while (read(fd, &c, 1) == 1) {
    any = true;
    if (c == '\n') return true;
    bytes += c;
  }
  return any;
}

}  // namespace

std::vector<std::u16string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::u16string> result;
  for (int i = 1; i < argc; ++i) result.push_back(FromUtf8(argv[i]));
  return result;
}

void WriteStandardOutput(std::u16string_view text) {
  Write(STDOUT_FILENO, text);
}
void WriteStandardError(std::u16string_view text) {
  Write(STDERR_FILENO, text);
}

bool StandardInputIsConsole() {
  return isatty(STDIN_FILENO) == 1;
}

std::optional<std::u16string> ReadSecretLine(std::u16string_view prompt) {
  std::string bytes;
  bool got;
  if (StandardInputIsConsole()) {
    WriteStandardError(prompt);
    EchoOff quiet(STDIN_FILENO);
    got = ReadLineBytes(STDIN_FILENO, bytes);
  } else {
    got = ReadLineBytes(STDIN_FILENO, bytes);
  }
  if (!got) return std::nullopt;
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  return FromUtf8(bytes);
}

}  // namespace Tarnwick::platform
