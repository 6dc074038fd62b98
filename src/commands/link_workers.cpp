// The link workers behind the four menu commands.
#include <mutex>
#include <optional>

#include "binding/data_buffer_scope.h"
#include "clipboard/clipboard_writer.h"
#include "platform/clipboard.h"
#include "platform/debug_output.h"
#include "platform/text.h"
#include "tarnwick/addresses.h"
#include "tarnwick/clipboard_helper.h"
#include "tarnwick/gmail_links_to_clipboard.h"
#include "tarnwick/ov_host_api.h"
#include "util/settings.h"

namespace Tarnwick::GMailLinksToClipboard {
namespace {

using OvWrapper::detail::DataBufferScope;

constexpr int32_t kDocumentNameProperty = 20;  // DocumentProperty::Name

std::mutex g_prefixMutex;
std::optional<std::u16string> g_prefix;  // set on first use, or by SetURNPrefix before it

// Bare links go as CF_TEXT alone. With nothing to place the clipboard is emptied, so that no
// older link is pasted in the belief that it is the selection's.
void PlaceBareText(std::u16string_view text) {
  clipboard::ClipboardData data;
  if (!text.empty()) {
    std::string ansi = platform::ToAnsi(text);
    ansi += '\0';
    data.push_back(
        clipboard::ClipboardFormatData::Standard(platform::kClipboardText, std::move(ansi)));
  }
  clipboard::PlaceOnClipboard(data);
}

}  // namespace

namespace detail {

// "<a href="{0}?{1}{2}">{3}</a>": the document form passes "/" as {2}, the folder form nothing
// (its moniker already ends in "/"). Names go in exactly as the host stores them.
std::u16string Anchor(std::u16string_view prefix, std::u16string_view moniker,
                      std::u16string_view slash, std::u16string_view name) {
  std::u16string anchor = u"<a href=\"";
  anchor.append(prefix).append(u"?").append(moniker).append(slash).append(u"\">");
  anchor.append(name).append(u"</a>");
  return anchor;
}

std::u16string BareLink(std::u16string_view prefix, std::u16string_view moniker,
                        std::u16string_view slash) {
  std::u16string link(prefix);
  link.append(u"?").append(moniker).append(slash);
  return link;
}

}  // namespace detail

using detail::Anchor;
using detail::BareLink;

std::u16string URNPrefix() {
  std::lock_guard lock(g_prefixMutex);
  if (!g_prefix) g_prefix = detail::InitialURNPrefix();
  return *g_prefix;
}

void SetURNPrefix(std::u16string_view prefix) {
  std::lock_guard lock(g_prefixMutex);
  g_prefix = prefix;
}

namespace detail {

// An administrator points the menu commands at the site's launcher page with the key
// "URNPrefix" in Tarnwick.dll.config. A settings file that cannot be read must not cost the
// user the command: the built-in address stands in and the reason goes to the debug output.
std::u16string InitialURNPrefix() {
  try {
    std::optional<std::u16string> configured =
        DornUtilities::detail::FindSettingFromDLLConfig(u"URNPrefix");
    if (configured && !configured->empty()) return *configured;
  } catch (const std::exception& error) {
    platform::WriteDebugOutput(platform::FromUtf8(error.what()));
  }
  return std::u16string(kDefaultURNPrefix);
}

int32_t MakeDocumentLinks(uint32_t uiCount, const int32_t* plProjArray, const int32_t* plDocArray,
                          bool bHTMLLink) {
  const std::u16string prefix = URNPrefix();
  std::u16string linkText;
  std::u16string plainText;
  if (!plProjArray || !plDocArray) uiCount = 0;  // a host passing no arrays selected nothing

  for (uint32_t i = 0; i < uiCount; ++i) {
    const int32_t projectId = plProjArray[i];
    const int32_t documentId = plDocArray[i];
    DataBufferScope buffer(OvWrapper::qxApi_SelectDocumentDataBuffer(projectId, documentId));
    if (!buffer.get() || OvWrapper::qxApi_DmsDataBufferGetCount(buffer.get()) != 1) continue;

    if (bHTMLLink) {
      std::u16string name =
          OvWrapper::qxApi_DmsDataBufferGetStringProperty(buffer.get(), kDocumentNameProperty, 0)
              .value_or(u"");
      if (!linkText.empty()) linkText.append(u"<br>");
      linkText.append(Anchor(prefix, OvWrapper::GetDocumentURL(projectId, documentId), u"/", name));
      plainText.append(
          Anchor(prefix, OvWrapper::GetDocumentURL(projectId, documentId), u"/", name));
      plainText.append(u"\r\n");
    } else {
      if (!linkText.empty()) linkText.append(u"\n");
      linkText.append(BareLink(prefix, OvWrapper::GetDocumentURL(projectId, documentId), u"/"));
    }
  }

  if (bHTMLLink) {
    ClipboardHelper::CopyToClipboard(linkText, plainText);
  } else {
    PlaceBareText(linkText);
  }
  return IDOK;
}

int32_t MakeProjectLink(int32_t iProjectId, bool bHTMLLink) {
  const std::u16string prefix = URNPrefix();
  std::u16string linkText;
  if (OvWrapper::qxApi_SelectProject(iProjectId) == 1) {
    if (bHTMLLink) {
      std::u16string name =
          OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 0)
              .value_or(u"");
      linkText = Anchor(prefix, OvWrapper::GetProjectURL(iProjectId), u"", name);
    } else {
      linkText = BareLink(prefix, OvWrapper::GetProjectURL(iProjectId), u"");
    }
  }
  // The plain text is the bare link in both modes, also when the folder could not be selected.
  std::u16string plainText = BareLink(prefix, OvWrapper::GetProjectURL(iProjectId), u"");
  ClipboardHelper::CopyToClipboard(linkText, plainText);
  return IDOK;
}

}  // namespace detail
}  // namespace Tarnwick::GMailLinksToClipboard
