#include "archive/Cp1252.h"

#include <cstdint>

namespace tarnix
{

namespace
{

// Code points of bytes 0x80 to 0x9F; the undefined ones (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their value.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80)
    {
        out += static_cast<char>(cp);
    }
    else if (cp < 0x800)
    {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char> ToByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
    {
        return static_cast<char>(cp);
    }
    for (int i = 0; i < 32; ++i)
    {
        if (kHighControls[i] == cp)
        {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string DecodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
    {
        auto b = static_cast<std::uint8_t>(c);
        AppendUtf8(out, (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : static_cast<char32_t>(b));
    }
    return out;
}

std::optional<std::string> EncodeCp1252(std::string_view utf8)
{
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size())
    {
        auto b = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        std::size_t length = 0;
        if (b < 0x80)
        {
            cp = b;
            length = 1;
        }
        else if ((b & 0xE0) == 0xC0 && b >= 0xC2) // 0xC0 and 0xC1 only start overlong forms of ASCII
        {
            cp = b & 0x1F;
            length = 2;
        }
        else if ((b & 0xF0) == 0xE0)
        {
            cp = b & 0x0F;
            length = 3;
        }
        else
        {
            // Stray continuation bytes, and four-byte sequences: those hold characters past U+FFFF, which
            // Windows-1252 lacks, or overlong forms of others.
            return std::nullopt;
        }
        if (i + length > utf8.size())
        {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k)
        {
            auto c = static_cast<std::uint8_t>(utf8[i + k]);
            if ((c & 0xC0) != 0x80)
            {
                return std::nullopt;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (length == 3 && cp < 0x800)
        {
            return std::nullopt; // an overlong form: a second spelling of a shorter character
        }
        auto byte = ToByte(cp);
        if (!byte)
        {
            return std::nullopt;
        }
        out += *byte;
        i += length;
    }
    return out;
}

} // namespace tarnix
