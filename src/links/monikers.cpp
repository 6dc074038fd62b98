// Monikers built and read by the host.
#include <cstring>

#include "hostdata/report.h"
#include "tarnwick/addresses.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"
#include "tarnwick/web_links.h"

namespace Tarnwick::OvWrapper {
namespace {

// A moniker text the host allocated for us: released with qxApi_Free when it goes, whatever the
// path out. qxApi_Free's result says nothing we could act on.
class HostMonikerText {
 public:
  HostMonikerText() = default;
  HostMonikerText(const HostMonikerText&) = delete;
  HostMonikerText& operator=(const HostMonikerText&) = delete;
  ~HostMonikerText() {
    if (!pointer_) return;
    try {
      qxApi_Free(pointer_);
    } catch (const std::exception& e) {
      // Only a kelbase.dll without qxApi_Free gets here; the text is then the host's to keep.
      detail::ReportError(e, "HostMonikerText");
    }
  }

  HostHandle* put() { return &pointer_; }
  std::u16string Text() const {
    return pointer_ ? std::u16string(reinterpret_cast<const char16_t*>(pointer_)) : u"";
  }

 private:
  HostHandle pointer_ = 0;
};

using BuildMoniker = HostBool (*)(HostHandle, const Guid*, HostHandle*);

std::u16string BuildMonikerString(BuildMoniker build, const Guid& guid) {
  HostMonikerText text;
  if (!build(qxApi_GetActiveDatasource(), &guid, text.put())) return {};
  return text.Text();
}

// The builders' error handling: whatever goes wrong in them ends on the debug output.
template <typename Steps>
std::u16string Guarded(const char* operation, Steps steps) {
  try {
    return steps();
  } catch (const std::exception& e) {
    detail::ReportError(e, operation);
    return {};
  }
}

// The host's parse of one moniker text; 0 when it refuses the text. The flags word 8 is the
// one the host's own clients pass for a text moniker.
HostHandle ParseMoniker(std::u16string_view sMoniker) {
  const std::u16string text(sMoniker);
  const char16_t* texts[] = {text.c_str()};
  HostHandle moniker = 0;
  if (!qxApi_StringsToMonikers(1, &moniker, texts, 8)) return 0;
  return moniker;
}

// The host's pointer to a 16-byte GUID, copied; a null pointer is an error.
Guid CopyGuid(HostHandle pointer, const char* what) {
  if (!pointer) throw HostResultError(std::string("the host gave no ") + what + " GUID");
  Guid guid;
  std::memcpy(&guid, reinterpret_cast<const void*>(pointer), sizeof guid);
  return guid;
}

// The datasource part of a moniker text, for a host that cannot name it: what stands before the
// first "/Documents/" once backslashes are slashes and "ov://" is gone.
std::u16string DatasourceFromText(std::u16string_view sMoniker) {
  std::u16string text(sMoniker);
  for (char16_t& c : text) {
    if (c == u'\\') c = u'/';
  }
  for (size_t at; (at = text.find(u"ov://")) != std::u16string::npos;) text.erase(at, 5);
  const size_t documents = text.find(u"/Documents/");
  if (documents == std::u16string::npos || documents == 0) return {};
  return text.substr(0, documents);
}

}  // namespace

std::u16string GetMonikerStringFromDocumentGuid(const Guid& docGuid) {
  return Guarded("GetMonikerStringFromDocumentGuid",
                 [&] { return BuildMonikerString(&qxApi_BuildMonikerStringByDocGuid, docGuid); });
}

std::u16string GetMonikerStringFromProjectGuid(const Guid& projGuid) {
  return Guarded("GetMonikerStringFromProjectGuid", [&] {
    return BuildMonikerString(&qxApi_BuildMonikerStringByProjectGuid, projGuid);
  });
}

std::u16string GetMonikerStringFromDocumentGuidString(std::u16string_view sDocGuid) {
  return Guarded("GetMonikerStringFromDocumentGuidString", [&] {
    return BuildMonikerString(&qxApi_BuildMonikerStringByDocGuid, Guid::Parse(sDocGuid));
  });
}

std::u16string GetMonikerStringFromProjectGuidString(std::u16string_view sProjGuid) {
  return Guarded("GetMonikerStringFromProjectGuidString", [&] {
    return BuildMonikerString(&qxApi_BuildMonikerStringByProjectGuid, Guid::Parse(sProjGuid));
  });
}

std::u16string GetMonikerStringFromDocumentIds(int32_t iProjectId, int32_t iDocumentId) {
  const std::u16string guidText = GetGuidStringFromIds(iProjectId, iDocumentId);
  // An unknown document gives an empty GUID text, which ends here as a parse error.
  return Guarded("GetMonikerStringFromDocumentIds", [&] {
    return BuildMonikerString(&qxApi_BuildMonikerStringByDocGuid, Guid::Parse(guidText));
  });
}

std::u16string GetMonikerStringFromProjectId(int32_t iProjectId) {
  const std::u16string guidText = GetProjectGuidStringFromId(iProjectId);
  return Guarded("GetMonikerStringFromProjectId", [&] {
    return BuildMonikerString(&qxApi_BuildMonikerStringByProjectGuid, Guid::Parse(guidText));
  });
}

std::u16string GetDatasourceNameFromMonikerString(std::u16string_view sMoniker) {
  try {
    const HostHandle moniker = ParseMoniker(sMoniker);
    if (!moniker) return {};
    try {
      return qxApi_GetDatasourceNameFromMoniker(moniker).value_or(u"");
    } catch (const std::exception& e) {
      detail::ReportError(e, "GetDatasourceNameFromMonikerString");
      return DatasourceFromText(sMoniker);
    }
  } catch (const std::exception& e) {
    detail::LogError(e, "GetDatasourceNameFromMonikerString");
    return {};
  }
}

int32_t GetProjectIdFromMonikerString(std::u16string_view sMoniker) {
  try {
    const HostHandle moniker = ParseMoniker(sMoniker);
    if (!moniker) return 0;
    const Guid guid = CopyGuid(qxApi_GetProjectGuidFromMoniker(moniker), "folder");
    const HostHandle buffer = qxApi_GUIDSelectProjectDataBuffer(&guid);
    if (!buffer) return 0;
    // Freed on every path, also when a property read throws.
    struct Free {
      HostHandle handle;
      ~Free() {
        try {
          qxApi_DmsDataBufferFree(handle);
        } catch (const std::exception& e) {
          detail::ReportError(e, "GetProjectIdFromMonikerString");
        }
      }
    } free{buffer};
    if (qxApi_DmsDataBufferGetCount(buffer) != 1) return 0;
    return qxApi_DmsDataBufferGetNumericProperty(buffer, 1, 0);  // property 1: the folder's id
  } catch (const std::exception& e) {
    detail::ReportError(e, "GetProjectIdFromMonikerString");
    return 0;
  }
}

bool GetDocumentIdsFromMonikerString(std::u16string_view sMoniker, int32_t& iProjectId,
                                     int32_t& iDocumentId) {
  try {
    const HostHandle moniker = ParseMoniker(sMoniker);
    if (!moniker) return false;
    const Guid guid = CopyGuid(qxApi_GetDocumentGuidFromMoniker(moniker), "document");
    QxDocItem item{};
    if (!qxApi_GetDocumentIdsByGUIDs(1, &guid, &item)) return false;
    iProjectId = item.lProjectId;
    iDocumentId = item.lDocumentId;
    return true;
  } catch (const std::exception& e) {
    detail::ReportError(e, "GetDocumentIdsFromMonikerString");
    return false;
  }
}

}  // namespace Tarnwick::OvWrapper
