// The menu commands of Orvane Explorer: links to the selected documents or folder, put on the
// clipboard for pasting into web mail.
//
// Orvane Explorer calls the four exports of Tarnwick.dll (see commands/exports.cpp); a program
// that embeds the library may set the link-launcher address first:
//
//   GMailLinksToClipboard::SetURNPrefix(u"http://intranet/Web/OvURLLauncher.html");
//
// A link is the launcher address, "?", and the item's Orvane moniker ending in "/".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Tarnwick::GMailLinksToClipboard {

inline constexpr int32_t IDOK = 1;

// The address that Tarnwick.dll uses when nothing else sets one.
inline constexpr std::u16string_view kDefaultURNPrefix = u"http://localhost/Web/OvURLLauncher.html";

// The link-launcher address in front of every link; each command reads it once at its start.
// Its first value is the key "URNPrefix" of Tarnwick.dll.config when that holds a non-empty
// value (read once, on first use), else kDefaultURNPrefix; SetURNPrefix replaces it.
std::u16string URNPrefix();
void SetURNPrefix(std::u16string_view prefix);

// The single-format writer: places only "HTML Format", with a simpler header of six-digit
// offsets, and echoes the text to the debug output. No menu command uses it.
void CopyHtmlToClipBoard(std::u16string_view html);

namespace detail {
// The first value of URNPrefix: the library settings' "URNPrefix" when it holds one, else
// kDefaultURNPrefix (also when the settings file cannot be read).
std::u16string InitialURNPrefix();

// The workers behind the exports; both return IDOK.
int32_t MakeDocumentLinks(uint32_t uiCount, const int32_t* plProjArray, const int32_t* plDocArray,
                          bool bHTMLLink);
int32_t MakeProjectLink(int32_t iProjectId, bool bHTMLLink);

// The texts the workers place: an anchor "<a href="{prefix}?{moniker}{slash}">{name}</a>" and
// a bare link "{prefix}?{moniker}{slash}" (slash is "/" for a document, empty for a folder).
std::u16string Anchor(std::u16string_view prefix, std::u16string_view moniker,
                      std::u16string_view slash, std::u16string_view name);
std::u16string BareLink(std::u16string_view prefix, std::u16string_view moniker,
                        std::u16string_view slash);
}  // namespace detail

}  // namespace Tarnwick::GMailLinksToClipboard
