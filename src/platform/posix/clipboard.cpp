// POSIX: Linux has no Windows clipboard; this in-process stand-in keeps the formats in memory
// so that the native build runs the writer end to end.
#include <map>
#include <mutex>

#include "platform/clipboard.h"

namespace Tarnwick::platform::detail {
namespace {

class InProcessClipboard final : public Clipboard {
 public:
  uint32_t RegisterFormat(std::u16string_view name) override {
    std::lock_guard lock(mutex_);
    auto [it, added] = registered_.try_emplace(std::u16string(name), nextFormat_);
    if (added) ++nextFormat_;
    return it->second;
  }
  bool TryOpen() override {
    opener_.lock();
    return true;
  }
  void Close() override { opener_.unlock(); }
  bool Empty() override {
    std::lock_guard lock(mutex_);
    data_.clear();
    return true;
  }
  bool SetData(uint32_t format, std::string_view bytes) override {
    std::lock_guard lock(mutex_);
    data_[format] = std::string(bytes);
    return true;
  }
  std::optional<std::string> GetData(uint32_t format) override {
    std::lock_guard lock(mutex_);
    auto it = data_.find(format);
    if (it == data_.end()) return std::nullopt;
    return it->second;
  }

 private:
  std::mutex opener_;  // held from TryOpen to Close, as Windows holds the clipboard open
  std::mutex mutex_;
  std::map<std::u16string, uint32_t> registered_;
  uint32_t nextFormat_ = 0xC000;  // where Windows numbers registered formats from
  std::map<uint32_t, std::string> data_;
};

}  // namespace

Clipboard& SystemClipboard() {
  static InProcessClipboard clipboard;
  return clipboard;
}

}  // namespace Tarnwick::platform::detail
