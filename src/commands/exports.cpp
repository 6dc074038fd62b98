// The four exports that Orvane Explorer calls from its custom menu commands. They are thin
// entries: the work is in link_workers.cpp. Whatever happens, the host gets IDOK and no
// exception crosses back into it; a failure ends as a line on the debug output.
#include <exception>

#include "commands/exports.h"
#include "platform/debug_output.h"
#include "platform/text.h"
#include "tarnwick/gmail_links_to_clipboard.h"

namespace {

using namespace Tarnwick;
using GMailLinksToClipboard::IDOK;

template <typename Work>
int32_t RunCommand(const char* command, Work&& work) noexcept {
  try {
    return work();
  } catch (const std::exception& error) {
    platform::WriteDebugOutput(platform::FromAscii(command) + u" failed: " +
                               platform::FromUtf8(error.what()));
  } catch (...) {
    platform::WriteDebugOutput(platform::FromAscii(command) + u" failed.");
  }
  return IDOK;
}

}  // namespace

extern "C" {

int32_t TARNWICK_HOSTAPI DocumentCommand(uint32_t uiCount, const int32_t* plProjArray,
                                         const int32_t* plDocArray) {
  return RunCommand("DocumentCommand", [&] {
    return GMailLinksToClipboard::detail::MakeDocumentLinks(uiCount, plProjArray, plDocArray, true);
  });
}

int32_t TARNWICK_HOSTAPI DocumentCommandBareLink(uint32_t uiCount, const int32_t* plProjArray,
                                                 const int32_t* plDocArray) {
  return RunCommand("DocumentCommandBareLink", [&] {
    return GMailLinksToClipboard::detail::MakeDocumentLinks(uiCount, plProjArray, plDocArray, false);
  });
}

int32_t TARNWICK_HOSTAPI ProjectCommand(int32_t iProjectId) {
  return RunCommand("ProjectCommand", [&] {
    return GMailLinksToClipboard::detail::MakeProjectLink(iProjectId, true);
  });
}

int32_t TARNWICK_HOSTAPI ProjectCommandBareLink(int32_t iProjectId) {
  return RunCommand("ProjectCommandBareLink", [&] {
    return GMailLinksToClipboard::detail::MakeProjectLink(iProjectId, false);
  });
}

}  // extern "C"
