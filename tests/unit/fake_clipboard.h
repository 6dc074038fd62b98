// A clipboard for tests: keeps the formats in memory, can be held by "another program" for a
// number of opening attempts, and counts what happened.
#pragma once

#include <map>

#include "platform/clipboard.h"

namespace Tarnwick::testing {

class FakeClipboard final : public platform::Clipboard {
 public:
  int heldForAttempts = 0;  // TryOpen fails this many times first
  int openAttempts = 0;
  int emptied = 0;

  uint32_t RegisterFormat(std::u16string_view name) override {
    auto [it, added] = registered_.try_emplace(std::u16string(name), 0xC000 + uint32_t(registered_.size()));
    return it->second;
  }
  bool TryOpen() override {
    ++openAttempts;
    if (heldForAttempts > 0) {
      --heldForAttempts;
      return false;
    }
    open_ = true;
    return true;
  }
  void Close() override { open_ = false; }
  bool Empty() override {
    if (!open_) return false;
    ++emptied;
    data_.clear();
    return true;
  }
  bool SetData(uint32_t format, std::string_view bytes) override {
    if (!open_) return false;
    data_[format] = std::string(bytes);
    return true;
  }
  std::optional<std::string> GetData(uint32_t format) override {
    auto it = data_.find(format);
    if (it == data_.end()) return std::nullopt;
    return it->second;
  }

  size_t FormatCount() const { return data_.size(); }
  std::optional<std::string> Html() { return GetData(RegisterFormat(u"HTML Format")); }

 private:
  bool open_ = false;
  std::map<std::u16string, uint32_t> registered_;
  std::map<uint32_t, std::string> data_;
};

}  // namespace Tarnwick::testing
