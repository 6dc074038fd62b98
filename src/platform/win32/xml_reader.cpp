// Win32: XmlLite, Windows' own pull reader, over an in-memory stream.
#include "platform/windows.h"

#include <shlwapi.h>
#include <xmllite.h>

#include <cstdio>
#include <memory>
#include <utility>

#include "platform/text.h"
#include "platform/xml_reader.h"

namespace Tarnwick::platform {
namespace {

// Releases a COM interface at the end of the scope.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(Interface* pointer) : pointer_(pointer) {}
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

std::u16string Text(const WCHAR* text, UINT length) {
  return text ? std::u16string(AsUtf16(text), length) : std::u16string();
}

std::string Describe(HRESULT error) {
  char text[96];
  std::snprintf(text, sizeof text, "The document is not well-formed XML (XmlLite error 0x%08lX).",
                static_cast<unsigned long>(error));
  return text;
}

}  // namespace

XmlElement ParseXmlDocument(std::string_view bytes) {
  ComPtr<IStream> stream(
      SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), UINT(bytes.size())));
  if (!stream.get()) throw XmlSyntaxError(0, "Out of memory reading the document.");
  ComPtr<IXmlReader> reader;
  if (FAILED(CreateXmlReader(__uuidof(IXmlReader), reader.out(), nullptr))) {
    throw XmlSyntaxError(0, "The XML reader could not be created.");
  }
  // Prohibited is XmlLite's default; said here because the settings files depend on it.
  reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
  HRESULT status = reader->SetInput(stream.get());
  auto line = [&] {
    UINT number = 0;
    reader->GetLineNumber(&number);
    return int32_t(number);
  };

  detail::XmlTreeBuilder tree;
  XmlNodeType type = XmlNodeType_None;
  while (SUCCEEDED(status) && (status = reader->Read(&type)) == S_OK) {
    if (type == XmlNodeType_DocumentType) {
      throw XmlSyntaxError(line(), "A document type declaration is not allowed.");
    }
    if (type == XmlNodeType_EndElement) {
      tree.End();
      continue;
    }
    if (type != XmlNodeType_Element) continue;

    XmlElement element;
    const WCHAR* text = nullptr;
    UINT length = 0;
    reader->GetQualifiedName(&text, &length);
    element.name = Text(text, length);
    element.line = line();
    bool empty = reader->IsEmptyElement() != FALSE;
    for (HRESULT more = reader->MoveToFirstAttribute(); more == S_OK;
         more = reader->MoveToNextAttribute()) {
      const WCHAR* name = nullptr;
      UINT nameLength = 0;
      reader->GetQualifiedName(&name, &nameLength);
      reader->GetValue(&text, &length);
      element.attributes.emplace_back(Text(name, nameLength), Text(text, length));
    }
    reader->MoveToElement();
    tree.Start(std::move(element), empty);
  }
  if (FAILED(status)) throw XmlSyntaxError(line(), Describe(status));
  if (!tree.HasRoot()) throw XmlSyntaxError(line(), "The document has no root element.");
  return tree.TakeRoot();
}

}  // namespace Tarnwick::platform
