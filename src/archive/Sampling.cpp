#include "archive/Sampling.h"

#include "archive/Fsh.h"

namespace tarnix
{

namespace
{

struct UniformRule
{
    std::string_view name;
    Part source;
    int rowScale;
    int rowOffset;
    int columnScale;
};

// Entry pixel (r, c) takes picture pixel (rowScale * r + rowOffset, columnScale * c).
constexpr std::array<UniformRule, 10> kUniformRules = {{
    {"hjbk", Part::Back, 1, 0, 1},
    {"mjbk", Part::Back, 2, 1, 2},
    {"front", Part::Front, 1, 0, 1},
    {"mjfr", Part::Front, 2, 1, 2},
    {"hrsv", Part::ShortSleeve, 1, 0, 1},
    {"mrsv", Part::ShortSleeve, 2, 1, 2},
    {"lgar", Part::ShortSleeve, 2, 13, 6},
    {"luar", Part::ShortSleeve, 2, 1, 6},
    {"hslv", Part::LongSleeve, 1, 0, 1},
    {"luga", Part::LongSleeve, 2, 17, 6},
}};

} // namespace

std::vector<std::uint8_t> SampleEntry(std::string_view name, const PartPictures& parts)
{
    const EntryGeometry g = *GeometryOf(name == "front" ? "hjfr" : name);
    std::vector<std::uint8_t> out(std::size_t(g.width) * g.height);
    SampleEntryInto(name, parts, out.data());
    return out;
}

void SampleEntryInto(std::string_view name, const PartPictures& parts, std::uint8_t* out)
{
    const EntryGeometry g = *GeometryOf(name == "front" ? "hjfr" : name);
    auto row = [&](const Bitmap8& picture, int y)
    { return picture.pixels.data() + std::size_t(y) * picture.width; };

    for (const UniformRule& rule : kUniformRules)
    {
        if (rule.name != name)
        {
            continue;
        }
        const Bitmap8& picture = parts[static_cast<int>(rule.source)];
        for (int r = 0; r < g.height; ++r, out += g.width)
        {
            const std::uint8_t* source = row(picture, rule.rowScale * r + rule.rowOffset);
            for (int c = 0; c < g.width; ++c)
            {
                out[c] = source[rule.columnScale * c];
            }
        }
        return;
    }

    if (name == "mslv")
    {
        // 40 rows, but the long sleeve has only 32 odd rows: the top eight repeat the picture's row 0.
        const Bitmap8& sleeve = parts[static_cast<int>(Part::LongSleeve)];
        for (int r = 0; r < g.height; ++r, out += g.width)
        {
            const std::uint8_t* source = row(sleeve, r < 8 ? 0 : 2 * r - 15);
            for (int c = 0; c < g.width; ++c)
            {
                out[c] = source[2 * c];
            }
        }
    }
    else if (name == "ljer")
    {
        // The whole shirt in miniature: the back mirrored in columns 0-21, the front mirrored in 22-43.
        const Bitmap8& back = parts[static_cast<int>(Part::Back)];
        const Bitmap8& front = parts[static_cast<int>(Part::Front)];
        for (int r = 0; r < g.height; ++r, out += g.width)
        {
            const std::uint8_t* backRow = row(back, kLjerRows[r]);
            const std::uint8_t* frontRow = row(front, 2 * kLjerRows[r] + 1);
            for (int j = 0; j < 22; ++j)
            {
                out[j] = backRow[63 - 3 * j];
                out[22 + j] = frontRow[126 - 6 * j];
            }
        }
    }
}

} // namespace tarnix
