// Reading a small XML document (a settings file) into its tree of elements, with a real XML
// parser: XmlLite on Windows, libxml2 on Linux.
//
//   platform::XmlElement root = platform::ParseXmlDocument(bytes);
//   for (const platform::XmlElement& child : root.children) ...
//
// Only elements and their attributes are kept, with the line each element starts on; text,
// comments and processing instructions are passed over. The encoding comes from the byte-order
// mark or the XML declaration. A document type declaration is refused, so no entity is ever
// expanded. A document that is not well-formed raises XmlSyntaxError with the line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tarnwick/error.h"

namespace Tarnwick::platform {

struct XmlElement {
  std::u16string name;  // as written, with any prefix
  std::vector<std::pair<std::u16string, std::u16string>> attributes;
  std::vector<XmlElement> children;
  int32_t line = 0;
};

class XmlSyntaxError : public Error {
 public:
  XmlSyntaxError(int32_t line, const std::string& reason) : Error(reason), line_(line) {}
  int32_t line() const { return line_; }

 private:
  int32_t line_;
};

XmlElement ParseXmlDocument(std::string_view bytes);

namespace detail {

// Builds the element tree from a reader's start and end events, for both platforms' readers.
class XmlTreeBuilder {
 public:
  void Start(XmlElement element, bool empty) {
    // An element's children grow only while it is open, so the pointers on the stack hold.
    XmlElement* placed;
    if (open_.empty()) {
      root_ = std::make_unique<XmlElement>(std::move(element));
      placed = root_.get();
    } else {
      open_.back()->children.push_back(std::move(element));
      placed = &open_.back()->children.back();
    }
    if (!empty) open_.push_back(placed);
  }
  void End() {
    if (!open_.empty()) open_.pop_back();
  }
  bool HasRoot() const { return root_ != nullptr; }
  XmlElement TakeRoot() { return std::move(*root_); }

 private:
  std::unique_ptr<XmlElement> root_;
  std::vector<XmlElement*> open_;  // the element being filled and its ancestors
};

}  // namespace detail

}  // namespace Tarnwick::platform
