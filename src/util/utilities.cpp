// DornUtilities' small utilities: list builders, random strings, embedded data, file locks.
#include <array>

#include "platform/debug_output.h"
#include "platform/files.h"
#include "platform/locale_text.h"
#include "platform/random.h"
#include "platform/text.h"
#include "tarnwick/dorn_utilities.h"
#include "tarnwick/error.h"
#include "util/text_rules.h"

namespace Tarnwick::DornUtilities {

std::u16string MIXED_CASE = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_-~!#^1234567890";
std::u16string LOWER_CASE = u"abcdefghijklmnopqrstuvwxyz_-~!#^1234567890";

namespace {

// The non-empty pieces of sList between the characters of sDelimiter (white space when it is
// empty), untrimmed, in order.
template <typename Visit>
void ForEachPiece(std::u16string_view sList, std::u16string_view sDelimiter, Visit visit) {
  auto separates = [&](char16_t c) {
    return sDelimiter.empty() ? util::IsWhiteSpace(c)
                              : sDelimiter.find(c) != std::u16string_view::npos;
  };
  size_t start = 0;
  for (size_t i = 0; i <= sList.size(); ++i) {
    if (i < sList.size() && !separates(sList[i])) continue;
    if (i > start) visit(sList.substr(start, i - start));
    start = i + 1;
  }
}

}  // namespace

LocaleSortedList<std::u16string> BuildListFromString(std::u16string_view sList,
                                                     std::u16string_view sDelimiter) {
  LocaleSortedList<std::u16string> list;
  ForEachPiece(sList, sDelimiter, [&](std::u16string_view piece) {
    list.try_emplace(std::u16string(piece), piece);  // the first form met wins
  });
  return list;
}

std::unordered_map<std::u16string, std::u16string> BuildHashTableFromString(
    std::u16string_view sList, std::u16string_view sDelimiter) {
  std::unordered_map<std::u16string, std::u16string> table;
  ForEachPiece(sList, sDelimiter, [&](std::u16string_view piece) {
    std::u16string lower = platform::ToLowerLocale(piece);
    table.try_emplace(lower, lower);
  });
  return table;
}

std::u16string GetARandomString(int32_t length, std::u16string_view characterSet) {
  // Each position is uniform over the set's distinct characters below 256: a byte outside the
  // set is drawn again. Drawing could never finish for a negative length or a set without such
  // a character, so those give empty text at once.
  if (length < 0) {
    platform::WriteDebugOutput(u"GetARandomString: the length must not be negative.");
    return {};
  }
  std::array<bool, 256> inSet{};
  bool drawable = false;
  for (char16_t c : characterSet) {
    if (c < 256) drawable = inSet[c] = true;
  }
  if (length == 0) return {};
  if (!drawable) {
    platform::WriteDebugOutput(
        u"GetARandomString: the character set has no character with a code below 256.");
    return {};
  }

  std::u16string text;
  text.reserve(size_t(length));
  std::array<uint8_t, 256> bytes;
  while (text.size() < size_t(length)) {
    platform::FillRandomBytes(bytes.data(), bytes.size());
    for (uint8_t byte : bytes) {
      if (!inSet[byte]) continue;
      text += char16_t(byte);
      if (text.size() == size_t(length)) break;
    }
  }
  return text;
}

std::u16string GetARandomString(int32_t length) {
  return GetARandomString(length, LOWER_CASE);
}

bool GetEmbeddedResourceFile(std::u16string_view sResourceName, std::u16string_view sTargetFile) {
  std::u16string target(sTargetFile);
  if (platform::FileExists(target)) platform::RemoveFile(target);  // a failed delete is ignored
  // The library carries no data items of its own, so every name ends here.
  const Error notFound("The library carries no data item named '" +
                       platform::ToUtf8(sResourceName) + "'.");
  try {
    WriteLog(u"Error: {0}\n{1}",
             {notFound.what(), u"   at Tarnwick::DornUtilities::GetEmbeddedResourceFile"});
  } catch (const std::exception& logError) {
    // The answer is the result; a log folder that cannot be found must not change that.
    platform::WriteDebugOutput(platform::FromUtf8(logError.what()));
  }
  return platform::FileExists(target);
}

bool IsFileLocked(std::u16string_view sFileName) {
  std::u16string path(sFileName);
  if (!platform::FileExists(path)) return false;
  std::u16string reason;
  try {
    platform::ExclusiveOpenResult opened = platform::OpenExclusive(path);
    if (opened.file) return false;  // closed again at once
    reason = opened.inUseMessage;
  } catch (const AccessDeniedError&) {
    throw;  // a refusal for lack of rights is no sign of a lock
  } catch (const FileError& error) {
    reason = platform::FromUtf8(error.what());
  }
  platform::WriteDebugOutput(reason);
  platform::WriteDebugOutput(u"   at Tarnwick::DornUtilities::IsFileLocked");
  return true;
}

}  // namespace Tarnwick::DornUtilities
