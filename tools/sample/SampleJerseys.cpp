#include "sample/SampleJerseys.h"

#include "archive/FileIO.h"
#include "archive/Fsh.h"
#include "archive/KitColours.h"
#include "archive/Sampling.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tarnix::sample
{

namespace fs = std::filesystem;

namespace
{

constexpr int kBackground = 0x00; // group 0, darkest
constexpr int kMain = 2;          // jersey colour 1
constexpr int kSecond = 3;        // jersey colour 2
constexpr int kThird = 4;         // jersey colour 3
constexpr int kGrey = 12;         // fixed grey ramp

std::uint8_t Pixel(int group, int shade)
{
    return static_cast<std::uint8_t>(group * 16 + std::clamp(shade, 0, 15));
}

// Light from the top left, with soft vertical folds and a crease at the waist.
int Shade(double u, double v)
{
    double light = 13.5 - 3.0 * (u + v) / 2.0;
    double folds = 1.6 * std::sin(u * 18.0 + 0.8) * std::sin(v * 3.0 + 0.3);
    double waist = v > 0.82 ? -1.5 * std::sin((v - 0.82) * 17.0) : 0.0;
    return static_cast<int>(std::lround(light + folds + waist));
}

int PatternGroup(Pattern pattern, double u, double v)
{
    switch (pattern)
    {
    case Pattern::Stripes:
        return (static_cast<int>(u * 10.0 + 0.5) % 2) == 0 ? kMain : kSecond;
    case Pattern::Hoops:
        return (static_cast<int>(v * 8.0) % 2) == 0 ? kMain : kSecond;
    case Pattern::Sash:
        return std::abs((u - 0.15) - v * 0.75) < 0.09 ? kSecond : kMain;
    case Pattern::Halves:
        return u < 0.5 ? kMain : kSecond;
    case Pattern::Pinstripes:
        return (static_cast<int>(u * 64.0) % 8) == 0 ? kThird : kMain;
    case Pattern::ChestBand:
        return (v > 0.30 && v < 0.42) ? kThird : kMain;
    }
    return kMain;
}

// The shirt's outline on a square texture: body, sloping shoulders and short sleeves, round neck.
enum class Region
{
    Outside,
    Body,
    Sleeve,
    Cuff,
    Collar,
};

Region ShirtRegion(double u, double v)
{
    const double dx = std::abs(u - 0.5);
    const double neck = std::pow(dx / 0.14, 2) + std::pow(v / 0.11, 2);
    if (neck < 1.0)
    {
        return Region::Outside;
    }
    if (neck < 1.55 && v < 0.2)
    {
        return Region::Collar;
    }
    if (dx <= 0.28)
    {
        return v >= 0.06 + dx * 0.1 ? Region::Body : Region::Outside;
    }
    // Sleeves hang from the shoulder down and out.
    const double out = dx - 0.28;
    const double top = 0.09 + out * 0.75;
    const double bottom = 0.42 + out * 0.35;
    if (v >= top && v <= bottom && out < 0.22)
    {
        return out > 0.18 ? Region::Cuff : Region::Sleeve;
    }
    return Region::Outside;
}

Bitmap8 Blank(Part part, const ColourTable& colours)
{
    Bitmap8 b;
    b.width = SizeOf(part).width;
    b.height = SizeOf(part).height;
    b.colours = colours;
    b.pixels.assign(std::size_t(b.width) * b.height, kBackground);
    return b;
}

void DrawShirt(Bitmap8& b, Pattern pattern, bool badge)
{
    for (int y = 0; y < b.height; ++y)
    {
        for (int x = 0; x < b.width; ++x)
        {
            const double u = (x + 0.5) / b.width;
            const double v = (y + 0.5) / b.height;
            const int shade = Shade(u, v);
            switch (ShirtRegion(u, v))
            {
            case Region::Outside:
                b.At(x, y) = Pixel(0, 1 + y % 2);
                break;
            case Region::Body:
                b.At(x, y) = Pixel(PatternGroup(pattern, u, v), shade);
                break;
            case Region::Sleeve:
                b.At(x, y) = Pixel(pattern == Pattern::Halves ? (u < 0.5 ? kMain : kSecond) : kMain, shade - 1);
                break;
            case Region::Cuff:
            case Region::Collar:
                b.At(x, y) = Pixel(kThird, shade + 1);
                break;
            }
        }
    }
    if (!badge)
    {
        return;
    }
    // A shield on the left breast (the viewer's right), in the fixed grey ramp, with a star of colour 3.
    const double cx = 0.64 * b.width, top = 0.22 * b.height, w = 0.11 * b.width, h = 0.14 * b.height;
    for (int y = 0; y < b.height; ++y)
    {
        for (int x = 0; x < b.width; ++x)
        {
            const double dx = std::abs(x + 0.5 - cx) / (w / 2);
            const double dy = (y + 0.5 - top) / h;
            if (dy < 0 || dy > 1 || dx > 1.0 - std::max(0.0, dy - 0.55) * 2.0)
            {
                continue;
            }
            const bool rim = dx > 0.78 || dy < 0.1;
            const bool star = std::abs(dx) < 0.25 && dy > 0.3 && dy < 0.62;
            b.At(x, y) = star ? Pixel(kThird, 15) : Pixel(kGrey, rim ? 6 : 12 - static_cast<int>(dy * 5));
        }
    }
}

// Blocky digits for the shirt number on the back: 3 x 5 cells.
constexpr const char* kDigits[10] = {
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111",
};

void DrawNumber(Bitmap8& b, int number)
{
    const std::string text = std::to_string(number % 100);
    const int cell = 3;
    const int glyphWidth = 3 * cell, gap = 2;
    const int total = int(text.size()) * glyphWidth + (int(text.size()) - 1) * gap;
    int left = (b.width - total) / 2;
    const int top = b.height * 3 / 10;
    for (char ch : text)
    {
        const char* glyph = kDigits[ch - '0'];
        for (int gy = 0; gy < 5; ++gy)
        {
            for (int gx = 0; gx < 3; ++gx)
            {
                if (glyph[gy * 3 + gx] != '1')
                {
                    continue;
                }
                for (int py = 0; py < cell; ++py)
                {
                    for (int px = 0; px < cell; ++px)
                    {
                        b.At(left + gx * cell + px, top + gy * cell + py) = Pixel(kThird, 15 - py);
                    }
                }
            }
        }
        left += glyphWidth + gap;
    }
}

// A sleeve texture wraps round the arm: shaded like a cylinder, with a cuff at the lower end.
void DrawSleeve(Bitmap8& b, Pattern pattern, int cuffRows)
{
    for (int y = 0; y < b.height; ++y)
    {
        for (int x = 0; x < b.width; ++x)
        {
            const double u = (x + 0.5) / b.width;
            const int round = static_cast<int>(std::lround(15.0 - 7.0 * std::pow(std::abs(u - 0.4) * 2.0, 2)));
            const int fold = (y * 7 + x * 3) % 23 == 0 ? -2 : 0;
            int group = pattern == Pattern::Hoops ? ((y / 8) % 2 == 0 ? kMain : kSecond) : kMain;
            if (y >= b.height - cuffRows)
            {
                group = kThird;
            }
            b.At(x, y) = Pixel(group, round + fold - (y < 2 ? 3 : 0));
        }
    }
}

ColourTable StoredColours(const KitColours& kit)
{
    std::vector<std::uint32_t> rgb(256, 0);
    for (int s = 0; s < 16; ++s)
    {
        rgb[s] = 0x101010 * (s / 2 + 1);       // group 0: dark greys
        rgb[16 + s] = 0x3A2418 + 0x080604 * s; // group 1: skin
        for (int k = 0; k < kKitColourCount; ++k)
        {
            rgb[16 * (k + 2) + s] = ShadeRamps[kit[k]][s]; // groups 2-8: the kit as stored
        }
        rgb[16 * 9 + s] = ShadeRamps[10][s];
        rgb[16 * 10 + s] = ShadeRamps[7][s];
        rgb[16 * 11 + s] = ShadeRamps[16][s];
        rgb[16 * 12 + s] = ShadeRamps[kNotUsedColour][s]; // group 12: the grey ramp
        rgb[16 * 13 + s] = ShadeRamps[4][s];
        rgb[16 * 14 + s] = ShadeRamps[12][s];
        rgb[16 * 15 + s] = 0x0F0F0F * s;
    }
    return TableFromRgb(rgb);
}

} // namespace

std::string JerseyFileName(int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "PK0%02d.FSH", number);
    return name;
}

PartPictures DrawJerseyParts(const JerseySpec& spec)
{
    const ColourTable colours = StoredColours(spec.storedColours);
    PartPictures parts = {Blank(Part::Front, colours), Blank(Part::Back, colours),
                          Blank(Part::LongSleeve, colours), Blank(Part::ShortSleeve, colours)};
    DrawShirt(parts[int(Part::Front)], spec.pattern, true);
    DrawShirt(parts[int(Part::Back)], spec.pattern, false);
    DrawNumber(parts[int(Part::Back)], spec.number);
    DrawSleeve(parts[int(Part::LongSleeve)], spec.pattern, 6);
    DrawSleeve(parts[int(Part::ShortSleeve)], spec.pattern, 5);
    return parts;
}

Bytes BuildJersey(const JerseySpec& spec)
{
    const PartPictures parts = DrawJerseyParts(spec);
    const ColourTable& colours = parts[0].colours;
    auto entry = [&](const std::string& name, std::vector<std::uint8_t> pixels)
    {
        EntrySpec e;
        e.name = name;
        e.pixels = std::move(pixels);
        // The front and "frmd" palettes are always read as four-byte colours.
        e.paletteType = (name == "hjfr" || name == "frhi" || name == "frmd") ? kPaletteType32 : spec.paletteType;
        e.colours = colours;
        return e;
    };
    // "frmd" is the half-size front as the game's own archives carry it.
    std::vector<std::uint8_t> frmd = SampleEntry("mjfr", parts);

    std::vector<EntrySpec> entries;
    if (spec.frhiFirst)
    {
        entries.push_back(entry("frhi", SampleEntry("front", parts)));
        // An older front, never shown: a plain shirt.
        JerseySpec old = spec;
        old.pattern = Pattern::ChestBand;
        entries.push_back(entry("hjfr", DrawJerseyParts(old)[0].pixels));
    }
    else
    {
        entries.push_back(entry("hjfr", SampleEntry("front", parts)));
    }
    entries.push_back(entry("mjfr", SampleEntry("mjfr", parts)));
    entries.push_back(entry("frmd", frmd));
    for (const char* name : {"hjbk", "mjbk", "hslv", "mslv", "luga", "hrsv", "mrsv", "lgar", "luar", "ljer"})
    {
        entries.push_back(entry(name, SampleEntry(name, parts)));
    }
    Bytes archive = BuildArchive(entries);
    if (spec.withTrailer)
    {
        JerseyColours record{};
        record[0] = 1;
        SetKitColours(record, spec.trailerColours);
        (void)WriteTrailer(archive, record, spec.trailerLabel, "sample");
    }
    return archive;
}

std::vector<JerseySpec> SampleJerseySpecs()
{
    std::vector<JerseySpec> specs;
    JerseySpec s;

    s = {};
    s.number = 1;
    s.pattern = Pattern::Stripes;
    s.withTrailer = true;
    s.trailerColours = {2, 19, 22, 22, 19, 2, 19};
    s.trailerLabel = "M\xfcnchen Stripes"; // Windows-1252
    s.storedColours = {2, 19, 22, 22, 19, 2, 19};
    specs.push_back(s);

    s = {};
    s.number = 2;
    s.pattern = Pattern::Hoops;
    s.paletteType = kPaletteType24;
    s.storedColours = {10, 19, 22, 19, 10, 10, 19};
    specs.push_back(s);

    s = {};
    s.number = 3;
    s.pattern = Pattern::Sash;
    s.frhiFirst = true;
    s.storedColours = {19, 2, 22, 22, 19, 19, 2};
    specs.push_back(s);

    s = {};
    s.number = 4;
    s.pattern = Pattern::Halves;
    s.paletteType = kPaletteType24;
    s.storedColours = {13, 19, 6, 19, 13, 13, 19};
    specs.push_back(s);

    s = {};
    s.number = 5;
    s.pattern = Pattern::Pinstripes;
    s.withTrailer = true;
    s.trailerColours = {15, 19, 12, 19, 15, 15, 19};
    s.trailerLabel = "Navy pinstripe";
    s.storedColours = {15, 19, 12, 19, 15, 15, 19};
    specs.push_back(s);

    s = {};
    s.number = 12;
    s.pattern = Pattern::ChestBand;
    s.storedColours = {6, 22, 13, 22, 6, 6, 22};
    specs.push_back(s);
    return specs;
}

Status WriteSampleJerseys(const fs::path& gameFolder)
{
    const fs::path folder = gameFolder / "Data" / "Player" / "Textures";
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
    {
        return Status::Fail("cannot create \"" + PathText(folder) + "\": " + ec.message());
    }
    for (const JerseySpec& spec : SampleJerseySpecs())
    {
        Status written = WriteFileAtomic(folder / JerseyFileName(spec.number), BuildJersey(spec));
        if (!written)
        {
            return written;
        }
    }
    return {};
}

} // namespace tarnix::sample
