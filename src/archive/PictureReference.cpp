// The record of an export of pictures as text: a header line, the kit colours, then per part its size,
// its stored palette (sixteen colours a line) and its indices (a line of hex digits per row). Plain
// enough to read and diff, and parsed strictly: a damaged record is refused, never half-used.

#include "archive/ShirtPictures.h"

#include "archive/PaletteRules.h"

#include <charconv>

namespace tarnix
{

namespace
{

constexpr std::string_view kHeader = "tarnix picture reference 1";
constexpr std::string_view kPartKeys[] = {"front", "back", "long-sleeve", "short-sleeve"};
constexpr char kHex[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, std::uint8_t v)
{
    out += kHex[v >> 4];
    out += kHex[v & 0x0F];
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
    {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F')
    {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f')
    {
        return c - 'a' + 10;
    }
    return -1;
}

// Reads `text` line by line; every read says whether the line was there, and a line found missing counts
// too, so that a cut record is reported at the line it lacks.
class Lines
{
  public:
    explicit Lines(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line)
    {
        ++m_number;
        if (m_at >= m_text.size())
        {
            return false;
        }
        const std::size_t end = std::min(m_text.find('\n', m_at), m_text.size());
        line = m_text.substr(m_at, end - m_at);
        if (!line.empty() && line.back() == '\r')
        {
            line.remove_suffix(1);
        }
        m_at = end + 1;
        return true;
    }
    int Number() const { return m_number; }

  private:
    std::string_view m_text;
    std::size_t m_at = 0;
    int m_number = 0;
};

// `count` bytes from hex digits, with `gap` separators after every three bytes (a colour) or none.
bool ParseHex(std::string_view text, std::uint8_t* out, std::size_t count, bool colours)
{
    const std::size_t expected = colours ? count / 3 * 7 - 1 : 2 * count;
    if (text.size() != expected)
    {
        return false;
    }
    std::size_t at = 0;
    for (std::size_t k = 0; k < count; ++k)
    {
        if (colours && k % 3 == 0 && k != 0)
        {
            if (text[at++] != ' ')
            {
                return false;
            }
        }
        const int hi = HexDigit(text[at]);
        const int lo = HexDigit(text[at + 1]);
        if (hi < 0 || lo < 0)
        {
            return false;
        }
        out[k] = static_cast<std::uint8_t>(hi << 4 | lo);
        at += 2;
    }
    return true;
}

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size())
    {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at)
        {
            words.push_back(line.substr(at, end - at));
        }
        at = end + 1;
    }
    return words;
}

bool ParseInt(std::string_view text, int& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::string PictureReferenceText(const PictureReference& reference)
{
    std::string out(kHeader);
    out += "\nkit";
    for (int colour : reference.kit)
    {
        out += " " + std::to_string(colour);
    }
    out += "\n";
    for (Part part : kAllParts)
    {
        const Bitmap8& p = reference.parts[static_cast<int>(part)];
        out += std::string(kPartKeys[static_cast<int>(part)]) + " " + std::to_string(p.width) + " " +
               std::to_string(p.height) + "\n";
        for (int i = 0; i < kPaletteColours; ++i)
        {
            // Red, green, blue: the order colours are written everywhere else.
            for (int c : {2, 1, 0})
            {
                AppendHexByte(out, p.colours[4 * std::size_t(i) + std::size_t(c)]);
            }
            out += (i % 16 == 15) ? "\n" : " ";
        }
        for (int y = 0; y < p.height; ++y)
        {
            for (int x = 0; x < p.width; ++x)
            {
                AppendHexByte(out, p.pixels[std::size_t(y) * std::size_t(p.width) + std::size_t(x)]);
            }
            out += "\n";
        }
    }
    return out;
}

Result<PictureReference> ParsePictureReference(std::string_view text)
{
    using R = Result<PictureReference>;
    Lines lines(text);
    std::string_view line;
    auto damaged = [&lines](const std::string& what)
    {
        return R::Fail("the record of the exported pictures is damaged at line " + std::to_string(lines.Number()) +
                       ": " + what);
    };
    if (!lines.Next(line) || line != kHeader)
    {
        return damaged("it does not start with \"" + std::string(kHeader) + "\"");
    }
    PictureReference reference;
    std::vector<std::string_view> words;
    if (!lines.Next(line) || (words = Words(line)).size() != 1 + kKitColourCount || words[0] != "kit")
    {
        return damaged("expected \"kit\" and seven kit colours");
    }
    for (int k = 0; k < kKitColourCount; ++k)
    {
        // The colour record stores each as a signed byte; out-of-range ones keep their group's colours.
        if (!ParseInt(words[1 + k], reference.kit[k]) || reference.kit[k] < -128 || reference.kit[k] > 127)
        {
            return damaged("kit colour " + std::to_string(k + 1) + " is not a number from -128 to 127");
        }
    }
    for (Part part : kAllParts)
    {
        const PartSize size = SizeOf(part);
        const std::string key(kPartKeys[static_cast<int>(part)]);
        if (!lines.Next(line) ||
            line != key + " " + std::to_string(size.width) + " " + std::to_string(size.height))
        {
            return damaged("expected \"" + key + " " + std::to_string(size.width) + " " +
                           std::to_string(size.height) + "\"");
        }
        Bitmap8& p = reference.parts[static_cast<int>(part)];
        p.width = size.width;
        p.height = size.height;
        p.pixels.resize(std::size_t(size.width) * std::size_t(size.height));
        for (int row = 0; row < kPaletteColours / 16; ++row)
        {
            std::array<std::uint8_t, 48> rgb{};
            if (!lines.Next(line) || !ParseHex(line, rgb.data(), rgb.size(), true))
            {
                return damaged("expected sixteen colours RRGGBB");
            }
            for (int k = 0; k < 16; ++k)
            {
                const std::size_t at = 4 * std::size_t(16 * row + k);
                p.colours[at] = rgb[3 * k + 2];
                p.colours[at + 1] = rgb[3 * k + 1];
                p.colours[at + 2] = rgb[3 * k];
            }
        }
        for (int y = 0; y < size.height; ++y)
        {
            if (!lines.Next(line) || !ParseHex(line, &p.pixels[std::size_t(y) * std::size_t(size.width)],
                                               std::size_t(size.width), false))
            {
                return damaged("expected a row of " + std::to_string(size.width) + " indices in hex");
            }
        }
    }
    while (lines.Next(line))
    {
        if (!line.empty())
        {
            return damaged("unexpected text after the short sleeve");
        }
    }
    return reference;
}

} // namespace tarnix
