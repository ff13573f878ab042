#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of a private-profile settings file, read and edited as single-byte text. Kept free of file
// access so that the rules can be checked on their own.
namespace bacc::ini {

// Longest value handed back; longer values are cut.
inline constexpr size_t MaxValueLength = 99;

// The value of key in section (names compared without regard to case, the first occurrence wins):
// the text after the first "=", without the line end, up to any NUL and cut to MaxValueLength. Nothing when
// the section or the key is absent.
std::optional<std::string> Lookup(std::string_view content, std::string_view section, std::string_view key);

// The content with key in section set to value. An existing value is replaced in place; a missing key
// is added at the end of its section and a missing section at the end of the file. Every other byte is
// kept, and new lines follow the file's own line-end style. A value is cut at its first line break or
// NUL, which the format cannot hold.
std::string Edit(std::string_view content, std::string_view section, std::string_view key,
                 std::string_view value);
// Edit, made on the content itself: no copy of a large file for each value. False when nothing changed.
bool EditInPlace(std::string& content, std::string_view section, std::string_view key,
                 std::string_view value);

} // namespace bacc::ini
