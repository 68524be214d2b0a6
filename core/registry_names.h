#pragma once
// Walking the names of a registry key's subkeys or values, index by index, as RegEnumKeyExA and
// RegEnumValueA give them: a name that does not fit the buffer makes the buffer grow, and the walk goes
// on, so that one long name never hides the names after it.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orvane {

// The system's answers to one enumeration call.
inline constexpr long kEnumSuccess = 0;        // ERROR_SUCCESS
inline constexpr long kEnumMoreData = 234;     // ERROR_MORE_DATA: the name does not fit the buffer
inline constexpr long kEnumNoMoreItems = 259;  // ERROR_NO_MORE_ITEMS

// One call: writes the name at the index into the buffer of `length` bytes and sets `length` to the
// name's bytes (without its NUL); the system's answer.
using NameEnumeration = std::function<long(std::uint32_t index, char* buffer, std::uint32_t& length)>;

// Key names are at most 255 characters, value names 16383; in the ANSI code page a character takes up to
// two bytes (a double-byte code page) or three (UTF-8 as the ANSI code page), and the NUL one more.
inline constexpr std::size_t kKeyNameFirstBytes = 256;
inline constexpr std::size_t kKeyNameLargestBytes = 1024;
inline constexpr std::size_t kValueNameFirstBytes = 16384;
inline constexpr std::size_t kValueNameLargestBytes = 65536;

// Every name in index order, until the system has no more. A name that does not fit is asked again with
// a buffer twice as large, up to the largest; one that does not fit even that is passed over. Any other
// answer ends the walk with the names read so far.
std::vector<std::string> EnumerateNames(const NameEnumeration& call, std::size_t firstBytes, std::size_t largestBytes);

}  // namespace orvane
