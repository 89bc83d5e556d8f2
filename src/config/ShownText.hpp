#pragma once

#include <cstddef>
#include <string>

// Text from outside the game (an argument, a line of a kept file, a path) as
// a problem line on standard error shows it: on one line that a terminal
// prints as it is. Control characters (C0, DEL, C1, the Unicode line and
// paragraph separators) and bytes that are not UTF-8 become \xNN escapes.
namespace ShownText
{
std::string escaped(const std::string& text);
// In double quotes; cut after `longest` bytes with "..." when longer.
std::string quoted(const std::string& text, std::size_t longest = std::string::npos);
} // namespace ShownText
