// Chooses between the system registry and a test's replacement; the in-memory registry tree.
#include "platform/registry.h"

#include <algorithm>

#include "platform/scoped_override.h"
#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform {

Registry& ActiveRegistry() {
  if (Registry* replacement = ScopedOverride<Registry>::Current()) return *replacement;
  return detail::SystemRegistry();
}

namespace {

// Registry names ignore letter case.
bool SameName(std::u16string_view a, std::u16string_view b) {
  auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

}  // namespace

struct InMemoryRegistry::Node {
  std::u16string name;
  std::vector<std::unique_ptr<Node>> children;  // in creation order
  std::vector<std::pair<std::u16string, RegistryValue>> values;
  bool denied = false;

  Node* Child(std::u16string_view childName) {
    for (const auto& child : children) {
      if (SameName(child->name, childName)) return child.get();
    }
    return nullptr;
  }
  RegistryValue* Value(std::u16string_view valueName) {
    for (auto& [name, value] : values) {
      if (SameName(name, valueName)) return &value;
    }
    return nullptr;
  }
  void Set(std::u16string_view valueName, RegistryValue value) {
    if (RegistryValue* existing = Value(valueName)) {
      *existing = std::move(value);
    } else {
      values.emplace_back(std::u16string(valueName), std::move(value));
    }
  }
};

namespace {

std::vector<std::u16string_view> SplitPath(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(u'\\', start);
    if (end == std::u16string_view::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

class InMemoryKey final : public RegistryKey {
 public:
  explicit InMemoryKey(InMemoryRegistry::Node& node) : node_(node) {}

  std::vector<std::u16string> SubkeyNames() override {
    std::vector<std::u16string> names;
    for (const auto& child : node_.children) names.push_back(child->name);
    return names;
  }
  std::unique_ptr<RegistryKey> OpenSubkey(std::u16string_view name) override {
    return Open(node_.Child(name), name);
  }
  RegistryValue ReadValue(std::u16string_view name) override {
    const RegistryValue* value = node_.Value(name);
    return value ? *value : RegistryValue{};
  }

  static std::unique_ptr<RegistryKey> Open(InMemoryRegistry::Node* node, std::u16string_view name) {
    if (!node) return nullptr;
    if (node->denied) {
      throw Error("Requested registry access is not allowed: '" + ToUtf8(name) + "'.");
    }
    return std::make_unique<InMemoryKey>(*node);
  }

 private:
  InMemoryRegistry::Node& node_;
};

}  // namespace

InMemoryRegistry::InMemoryRegistry() : root_(std::make_unique<Node>()) {}
InMemoryRegistry::~InMemoryRegistry() = default;

InMemoryRegistry::Node& InMemoryRegistry::Create(std::u16string_view path) {
  Node* node = root_.get();
  for (std::u16string_view part : SplitPath(path)) {
    Node* child = node->Child(part);
    if (!child) {
      node->children.push_back(std::make_unique<Node>());
      child = node->children.back().get();
      child->name = part;
    }
    node = child;
  }
  return *node;
}

void InMemoryRegistry::CreateKey(std::u16string_view path) {
  Create(path);
}

void InMemoryRegistry::SetText(std::u16string_view path, std::u16string_view name,
                               std::u16string_view value) {
  Create(path).Set(name, RegistryValue{RegistryValue::Kind::Text, std::u16string(value)});
}

void InMemoryRegistry::SetNumber(std::u16string_view path, std::u16string_view name, uint32_t) {
  Create(path).Set(name, RegistryValue{RegistryValue::Kind::Other, {}});
}

void InMemoryRegistry::DenyAccess(std::u16string_view path) {
  Create(path).denied = true;
}

std::unique_ptr<RegistryKey> InMemoryRegistry::OpenLocalMachineKey(std::u16string_view path) {
  Node* node = root_.get();
  for (std::u16string_view part : SplitPath(path)) {
    node = node->Child(part);
    if (!node) return nullptr;
  }
  return InMemoryKey::Open(node, path);
}

}  // namespace Tarnwick::platform
