#include "platform/WineRegistry.h"

#include <vector>

namespace tarnix
{

namespace
{

int HexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
    {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f')
    {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F')
    {
        return c - u'A' + 10;
    }
    return -1;
}

char16_t FoldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

bool SameName(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
        {
            return false;
        }
    }
    return true;
}

// The file's bytes as code units: Wine writes ASCII and escapes the rest, so Latin-1 keeps a stray byte
// readable rather than dropping the line.
std::u16string Widen(std::string_view text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text)
    {
        wide += char16_t(static_cast<unsigned char>(c));
    }
    return wide;
}

// Reads an escaped text from `at` up to the unescaped `delimiter`, as Wine's dump_strW writes it: \\ and
// \<delimiter>, C escapes, \ooo octal, \xhhhh for everything above 127 (one UTF-16 unit each, so a pair
// of escapes makes a character outside the BMP). Returns false when the delimiter never comes.
bool ReadEscaped(std::u16string_view line, std::size_t& at, char16_t delimiter, std::u16string& out)
{
    out.clear();
    while (at < line.size())
    {
        char16_t c = line[at++];
        if (c == delimiter)
        {
            return true;
        }
        if (c != u'\\' || at >= line.size())
        {
            out += c;
            continue;
        }
        char16_t e = line[at++];
        if (e == u'x')
        {
            unsigned code = 0;
            for (int digits = 0; digits < 4 && at < line.size() && HexValue(line[at]) >= 0; ++digits)
            {
                code = code * 16 + unsigned(HexValue(line[at++]));
            }
            out += char16_t(code);
        }
        else if (e >= u'0' && e <= u'7')
        {
            unsigned code = e - u'0';
            for (int digits = 1; digits < 3 && at < line.size() && line[at] >= u'0' && line[at] <= u'7'; ++digits)
            {
                code = code * 8 + unsigned(line[at++] - u'0');
            }
            out += char16_t(code);
        }
        else
        {
            static constexpr std::u16string_view kLetters = u"abtnvfre";
            static constexpr char16_t kControls[] = {7, 8, 9, 10, 11, 12, 13, 27};
            const std::size_t which = kLetters.find(e);
            out += which == std::u16string_view::npos ? e : kControls[which];
        }
    }
    return false;
}

} // namespace

std::string Utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
        {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        else if (c >= 0xD800 && c <= 0xDFFF)
        {
            c = 0xFFFD;
        }
        if (c < 0x80)
        {
            out += char(c);
        }
        else if (c < 0x800)
        {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000)
        {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
        else
        {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

RegistryLookup ReadWineRegistryValue(std::string_view registryText, std::string_view key,
                                     std::string_view valueName)
{
    RegistryLookup lookup;
    const std::u16string text = Widen(registryText);
    const std::u16string wantedKey = Widen(key);
    const std::u16string wantedValue = Widen(valueName);
    bool inKey = false;
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
        {
            end = text.size();
        }
        std::u16string_view line(text.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == u'\r')
        {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.front() == u'[')
        {
            std::size_t at = 1;
            std::u16string name;
            inKey = ReadEscaped(line, at, u']', name) && SameName(name, wantedKey);
            lookup.keyFound = lookup.keyFound || inKey;
            continue;
        }
        if (!inKey || lookup.value || line.empty())
        {
            continue;
        }
        std::size_t at = 0;
        std::u16string name;
        if (line.front() == u'@')
        {
            at = 1;
        }
        else if (line.front() != u'"' || !ReadEscaped(line, ++at, u'"', name))
        {
            continue;
        }
        if (!SameName(name, wantedValue) || at >= line.size() || line[at] != u'=')
        {
            continue;
        }
        ++at;
        // A plain string, or an expandable one written as str(2):"...".
        if (line.substr(at).starts_with(u"str(2):"))
        {
            at += 7;
        }
        std::u16string value;
        if (at < line.size() && line[at] == u'"' && ReadEscaped(line, ++at, u'"', value))
        {
            lookup.value = Utf8FromUtf16(value);
        }
    }
    return lookup;
}

} // namespace tarnix
