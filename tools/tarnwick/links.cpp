// tarnwick links: the link texts the menu commands place for documents or a folder, and their
// web links, read from the connected data source (or the emulator's sample).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "command.h"
#include "links/active_datasource.h"
#include "platform/loader.h"
#include "platform/terminal.h"
#include "platform/text.h"
#include "tarnwick/addresses.h"
#include "tarnwick/documents.h"
#include "tarnwick/error.h"
#include "tarnwick/gmail_links_to_clipboard.h"
#include "tarnwick/ov_host_api.h"
#include "tarnwick/web_links.h"

namespace Tarnwick::tool {
namespace {

using OvWrapper::WebLinkActions;

constexpr Option kOptions[] = {
    {u"documents", u"LIST", u"documents as PROJECT:DOCUMENT, separated by commas"},
    {u"folder", u"ID", u"a folder (project) id"},
    {u"prefix", u"URL", u"the link-launcher address (default: Tarnwick.dll's own)"},
    {u"web", u"ADDRESS", u"also print web links to this page, e.g. https://dms/Open.aspx"},
    {u"action", u"NAME", u"the web links' action: None, Open, OpenReadOnly, View or Markup"},
    {u"emulator", u"", u"use the Orvane emulator's sample data source"},
};

int32_t ParseId(std::u16string_view text, std::u16string_view what) {
  const std::string ascii = platform::ToUtf8(text);
  size_t used = 0;
  long long value = 0;
  try {
    value = std::stoll(ascii, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (ascii.empty() || used != ascii.size() || value < INT32_MIN || value > INT32_MAX) {
    throw UsageError(std::u16string(what) + u": '" + std::u16string(text) + u"' is not a number");
  }
  return int32_t(value);
}

struct DocumentIds {
  int32_t project, document;
};

std::vector<DocumentIds> ParseDocuments(std::u16string_view list) {
  std::vector<DocumentIds> ids;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(u',', start), list.size());
    const std::u16string_view item = list.substr(start, comma - start);
    const size_t colon = item.find(u':');
    if (colon == std::u16string_view::npos) {
      throw UsageError(u"--documents: '" + std::u16string(item) + u"' is not PROJECT:DOCUMENT");
    }
    ids.push_back({ParseId(item.substr(0, colon), u"--documents"),
                   ParseId(item.substr(colon + 1), u"--documents")});
    start = comma + 1;
  }
  return ids;
}

WebLinkActions ParseAction(std::u16string_view name) {
  const struct {
    std::u16string_view name;
    WebLinkActions action;
  } kActions[] = {{u"none", WebLinkActions::None},
                  {u"open", WebLinkActions::Open},
                  {u"openreadonly", WebLinkActions::OpenReadOnly},
                  {u"view", WebLinkActions::View},
                  {u"markup", WebLinkActions::Markup}};
  const std::u16string lower = platform::ToLowerLocale(name);
  for (const auto& entry : kActions) {
    if (entry.name == lower) return entry.action;
  }
  throw UsageError(u"--action: '" + std::u16string(name) +
                   u"' is none of None, Open, OpenReadOnly, View, Markup");
}

// The emulator's sample, from the emulator the binding loads (linked in natively, the DLLs
// beside the tool on Windows).
bool UseEmulatorSample() {
  try {
    void* reset = platform::FindEntryPoint(platform::LoadHostLibrary(u"kelcore.dll"), "emu_Reset");
    if (!reset) return false;
    reinterpret_cast<void (*)()>(reinterpret_cast<uintptr_t>(reset))();
    return true;
  } catch (const Error&) {
    return false;
  }
}

void Line(std::u16string_view label, std::u16string_view text) {
  platform::WriteStandardOutput(u"  " + std::u16string(label) + u" " + std::u16string(text) +
                                u"\n");
}

int Run(const Arguments& arguments) {
  const std::optional<std::u16string> documents = arguments.Value(u"documents");
  const std::optional<std::u16string> folder = arguments.Value(u"folder");
  if (documents.has_value() == folder.has_value()) {
    throw UsageError(u"give either --documents or --folder");
  }
  const std::optional<std::u16string> web = arguments.Value(u"web");
  const std::optional<std::u16string> actionName = arguments.Value(u"action");
  if (actionName && !web) throw UsageError(u"--action needs --web");
  const WebLinkActions action = actionName ? ParseAction(*actionName) : WebLinkActions::None;
  const std::vector<DocumentIds> ids =
      documents ? ParseDocuments(*documents) : std::vector<DocumentIds>{};
  const int32_t folderId = folder ? ParseId(*folder, u"--folder") : 0;
  const std::u16string prefix =
      arguments.Value(u"prefix").value_or(std::u16string(GMailLinksToClipboard::kDefaultURNPrefix));

  if (arguments.Flag(u"emulator") && !UseEmulatorSample()) {
    ReportError(u"the Orvane emulator is not where the tool looks for the client libraries");
    return kExitFailure;
  }
  const std::optional<std::u16string> datasource = OvWrapper::detail::ActiveDatasourceName();
  if (!datasource) {
    ReportError(u"no data source is connected");
    return kExitFailure;
  }
  platform::WriteStandardOutput(u"Data source: " + *datasource + u"\n");

  using namespace GMailLinksToClipboard::detail;
  bool allFound = true;
  for (const DocumentIds& id : ids) {
    std::optional<std::u16string> name;
    const OvWrapper::HostHandle buffer =
        OvWrapper::qxApi_SelectDocumentDataBuffer(id.project, id.document);
    if (buffer) {
      if (OvWrapper::qxApi_DmsDataBufferGetCount(buffer) == 1) {
        name = OvWrapper::qxApi_DmsDataBufferGetStringProperty(buffer, 20, 0).value_or(u"");
      }
      OvWrapper::qxApi_DmsDataBufferFree(buffer);
    }
    const std::u16string label =
        platform::FromAscii(std::to_string(id.project) + ":" + std::to_string(id.document));
    if (!name) {
      platform::WriteStandardOutput(u"Document " + label + u": not found\n");
      allFound = false;
      continue;
    }
    const std::u16string moniker = OvWrapper::GetDocumentURL(id.project, id.document);
    platform::WriteStandardOutput(u"Document " + label + u": " + *name + u"\n");
    Line(u"link:", BareLink(prefix, moniker, u"/"));
    Line(u"html:", Anchor(prefix, moniker, u"/", *name));
    if (web) {
      Line(u"web: ", OvWrapper::GetURNWebLink(*web, id.project, id.document, action));
      Line(u"path:", OvWrapper::GetDocumentWebLink(*web, id.project, id.document, action));
    }
  }
  if (folder) {
    const std::u16string label = platform::FromAscii(std::to_string(folderId));
    if (OvWrapper::qxApi_SelectProject(folderId) != 1) {
      platform::WriteStandardOutput(u"Folder " + label + u": not found\n");
      return kExitFailure;
    }
    const std::u16string name =
        OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 0)
            .value_or(u"");
    const std::u16string moniker = OvWrapper::GetProjectURL(folderId);
    platform::WriteStandardOutput(u"Folder " + label + u": " + name + u"\n");
    Line(u"link:", BareLink(prefix, moniker, u""));
    Line(u"html:", Anchor(prefix, moniker, u"", name));
    if (web) {
      Line(u"web: ", OvWrapper::GetURNWebLink(*web, folderId, action));
      Line(u"path:", OvWrapper::GetProjectWebLink(*web, folderId));
    }
  }
  return allFound ? kExitSuccess : kExitFailure;
}

}  // namespace

extern const Command kLinks = {
    u"links",
    u"Print the links the menu commands make for documents or a folder, and web links.",
    u"Prints, for each document (--documents 3:1,3:2) or for a folder (--folder 3), the bare\n"
    u"link and the HTML anchor that Orvane Explorer's menu commands put on the clipboard, read\n"
    u"from the data source the client is connected to.\n"
    u"\n"
    u"With --web ADDRESS it also prints two web links to that page: one carrying the item's\n"
    u"moniker (\"web:\") and one carrying its name path (\"path:\"), with the --action given.\n"
    u"\n"
    u"--emulator reads the Orvane emulator's built-in sample data source instead; the emulator\n"
    u"must be where the tool finds the client libraries (beside it in the Windows builds).",
    kOptions,
    u"0 every item was found; 1 an item was not found or no data source is connected; 2 wrong "
    u"usage.",
    Run,
};

}  // namespace Tarnwick::tool
