// POSIX: libxml2's pull reader.
#include <libxml/tree.h>
#include <libxml/xmlreader.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "platform/text.h"
#include "platform/xml_reader.h"

namespace Tarnwick::platform {
namespace {

std::u16string Text(const xmlChar* text) {
  return text ? FromUtf8(reinterpret_cast<const char*>(text)) : std::u16string();
}

struct FirstError {
  int32_t line = 0;
  std::string message;
};

void KeepFirstError(void* sink, xmlErrorPtr error) {
  auto* first = static_cast<FirstError*>(sink);
  if (!first->message.empty() || !error) return;
  first->line = error->line;
  first->message = error->message ? error->message : "malformed XML";
  while (!first->message.empty() &&
         (first->message.back() == '\n' || first->message.back() == ' ')) {
    first->message.pop_back();
  }
}

}  // namespace

XmlElement ParseXmlDocument(std::string_view bytes) {
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    throw XmlSyntaxError(1, "The document has no root element.");
  }
  static std::once_flag initialised;
  std::call_once(initialised, xmlInitParser);

  // No network, no messages of libxml2's own on standard error; entities stay unexpanded.
  std::unique_ptr<xmlTextReader, void (*)(xmlTextReaderPtr)> reader(
      xmlReaderForMemory(bytes.data(), int(bytes.size()), nullptr, nullptr,
                         XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
      xmlFreeTextReader);
  if (!reader) throw XmlSyntaxError(0, "The XML reader could not be created.");
  FirstError error;
  xmlTextReaderSetStructuredErrorHandler(reader.get(), KeepFirstError, &error);

  auto line = [&] {
    xmlNodePtr node = xmlTextReaderCurrentNode(reader.get());
    long number = node ? xmlGetLineNo(node) : -1;
    return int32_t(number > 0 ? number : xmlTextReaderGetParserLineNumber(reader.get()));
  };

  detail::XmlTreeBuilder tree;
  int status;
  while ((status = xmlTextReaderRead(reader.get())) == 1) {
    int type = xmlTextReaderNodeType(reader.get());
    if (type == XML_READER_TYPE_DOCUMENT_TYPE) {
      // The reader has parsed past the declaration by now; its line is where it starts.
      std::string_view before = bytes.substr(0, bytes.find("<!DOCTYPE"));
      throw XmlSyntaxError(int32_t(1 + std::count(before.begin(), before.end(), '\n')),
                           "A document type declaration is not allowed.");
    }
    if (type == XML_READER_TYPE_END_ELEMENT) {
      tree.End();
      continue;
    }
    if (type != XML_READER_TYPE_ELEMENT) continue;

    XmlElement element;
    element.name = Text(xmlTextReaderConstName(reader.get()));
    element.line = line();
    bool empty = xmlTextReaderIsEmptyElement(reader.get()) == 1;
    while (xmlTextReaderMoveToNextAttribute(reader.get()) == 1) {
      element.attributes.emplace_back(Text(xmlTextReaderConstName(reader.get())),
                                      Text(xmlTextReaderConstValue(reader.get())));
    }
    xmlTextReaderMoveToElement(reader.get());
    tree.Start(std::move(element), empty);
  }
  if (status < 0 || !tree.HasRoot()) {
    int32_t at = error.line > 0 ? error.line : xmlTextReaderGetParserLineNumber(reader.get());
    throw XmlSyntaxError(
        at, error.message.empty() ? "The document has no root element." : error.message + ".");
  }
  return tree.TakeRoot();
}

}  // namespace Tarnwick::platform
