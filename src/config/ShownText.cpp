#include "config/ShownText.hpp"

#include <algorithm>
#include <cstdio>

namespace
{
// The length of the well-formed UTF-8 sequence at text[i] (RFC 3629: no
// overlong forms, no surrogates, nothing past U+10FFFF) and its code point;
// 0 when there is none.
std::size_t utf8Sequence(const std::string& text, std::size_t i, char32_t& point)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byte(i);
    const std::size_t length = lead < 0xC2   ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    point = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
    {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (byte(i + k) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

// Characters that move the cursor, end a line or start a terminal's control
// sequence.
bool isControl(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point < 0xA0) || point == 0x2028 || point == 0x2029;
}
} // namespace

std::string ShownText::escaped(const std::string& text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size();)
    {
        char32_t point = static_cast<unsigned char>(text[i]);
        const std::size_t length = point < 0x80 ? 1 : utf8Sequence(text, i, point);
        const std::size_t taken = std::max<std::size_t>(length, 1);
        if (length != 0 && !isControl(point))
            shown.append(text, i, taken);
        else
            for (std::size_t k = i; k < i + taken; ++k)
            {
                char escape[sizeof "\\xff"];
                std::snprintf(escape, sizeof escape, "\\x%02x",
                              static_cast<unsigned int>(static_cast<unsigned char>(text[k])));
                shown += escape;
            }
        i += taken;
    }
    return shown;
}

std::string ShownText::quoted(const std::string& text, std::size_t longest)
{
    if (text.size() <= longest)
        return '"' + escaped(text) + '"';
    // Cut on a character's first byte, so that the cut leaves no stray piece.
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return '"' + escaped(text.substr(0, cut)) + "...\"";
}
