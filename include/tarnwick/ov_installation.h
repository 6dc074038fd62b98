// Where the Orvane client is installed, as the binding's start-up finds it.
//
//   if (std::optional<std::u16string> folder = OvWrapper::GetOrvanePath()) {
//     // u"C:\\Program Files\\Kestrum\\Orvane"; the client's libraries are in its bin folder
//   }
//
// The installed versions are the subkeys of "SOFTWARE\Kestrum\Orvane Explorer" under
// HKEY_LOCAL_MACHINE (a 32-bit process also looks under "SOFTWARE\Wow6432Node\Kestrum" and at
// "Orvane Administrator"), each with the text values "Version" and "PathName". The highest
// version at or above the minimum (8.11 for a 64-bit process, 8.1 for a 32-bit one) wins; the
// first key that yields a folder ends the search. Nothing found, or a registry error, gives
// none and a line on the debug output.
//
// Like every OvWrapper operation, both run the binding's start-up first, and fail with its
// error when the start-up failed.
#pragma once

#include <optional>
#include <string>

namespace Tarnwick::OvWrapper {

// True when the process's pointers are 8 bytes wide.
bool Is64Bit();

// The installation folder of the highest qualifying client version, or none.
std::optional<std::u16string> GetOrvanePath();

}  // namespace Tarnwick::OvWrapper
