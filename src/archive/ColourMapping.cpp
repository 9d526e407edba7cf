#include "archive/ColourMapping.h"

#include <array>
#include <cstdio>

namespace tarnix
{

namespace
{

std::uint32_t ColourAt(const ColourTable& table, int index)
{
    const std::size_t at = 4 * std::size_t(index);
    return std::uint32_t(table[at + 2]) << 16 | std::uint32_t(table[at + 1]) << 8 | table[at];
}

std::string Hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(rgb));
    return text;
}

// Two exported indices that merge alike are interchangeable in a returned bitmap.
int MeaningOf(int index, BitmapRole role)
{
    if (role == BitmapRole::Shade)
    {
        return index;
    }
    return index == 192 ? 256 : (index & 0xF0);
}

std::array<bool, 256> UsedIndices(const Bitmap8& bitmap)
{
    std::array<bool, 256> used{};
    for (std::uint8_t p : bitmap.pixels)
    {
        used[p] = true;
    }
    return used;
}

} // namespace

bool ReadsSameThrough(const Bitmap8& bitmap, const ColourTable& table)
{
    if (bitmap.colourCount == 256 && bitmap.colours == table)
    {
        return true; // the usual case: the editor kept the table as exported
    }
    const std::array<bool, 256> used = UsedIndices(bitmap);
    for (int p = 0; p < 256; ++p)
    {
        if (used[p] && (p >= bitmap.colourCount || ColourAt(bitmap.colours, p) != ColourAt(table, p)))
        {
            return false;
        }
    }
    return true;
}

Result<std::vector<std::uint8_t>> MapToExportedIndices(const Bitmap8& returned, const ColourTable& exported,
                                                       const std::vector<std::uint8_t>& exportedPixels,
                                                       BitmapRole role, const std::string& what)
{
    using R = Result<std::vector<std::uint8_t>>;
    const std::array<bool, 256> used = UsedIndices(returned);
    for (int p = 0; p < 256; ++p)
    {
        if (used[p] && p >= returned.colourCount)
        {
            return R::Fail(what + " uses colour index " + std::to_string(p) + ", but its colour table has only " +
                           std::to_string(returned.colourCount) + " colours");
        }
    }
    if (ReadsSameThrough(returned, exported))
    {
        return returned.pixels;
    }

    // The table was rewritten. Each returned index resolves to one meaning when all exported entries of its
    // colour mean the same; otherwise only pixels left as they were can be told apart.
    constexpr int kAmbiguous = -1;
    std::array<int, 256> resolved{};
    std::array<std::string, 256> candidatesText;
    for (int p = 0; p < 256; ++p)
    {
        if (!used[p])
        {
            continue;
        }
        const std::uint32_t colour = ColourAt(returned.colours, p);
        int first = -1;
        bool alike = true;
        for (int e = 0; e < 256; ++e)
        {
            if (ColourAt(exported, e) != colour)
            {
                continue;
            }
            candidatesText[p] += (first < 0 ? "" : ", ") + std::to_string(e);
            if (first < 0)
            {
                first = e;
            }
            else if (MeaningOf(e, role) != MeaningOf(first, role))
            {
                alike = false;
            }
        }
        if (first < 0)
        {
            return R::Fail(what + " uses the colour " + Hex(colour) +
                           ", which is not in the colour table it was exported with; paint only with the "
                           "bitmap's own 256 colours");
        }
        resolved[p] = alike ? first : kAmbiguous;
    }

    std::vector<std::uint8_t> out(returned.pixels.size());
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const int p = returned.pixels[i];
        const std::uint32_t colour = ColourAt(returned.colours, p);
        const int before = i < exportedPixels.size() ? exportedPixels[i] : -1;
        if (before >= 0 && ColourAt(exported, before) == colour)
        {
            out[i] = static_cast<std::uint8_t>(before);
        }
        else if (resolved[p] != kAmbiguous)
        {
            out[i] = static_cast<std::uint8_t>(resolved[p]);
        }
        else
        {
            const std::size_t x = i % std::size_t(returned.width);
            const std::size_t y = i / std::size_t(returned.width);
            return R::Fail(what + " was saved with a changed colour table, and its colour " + Hex(colour) +
                           " at pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                           ") stands for several palette indices (" + candidatesText[p] +
                           ") that mean different things; save it with its original colour table");
        }
    }
    return out;
}

} // namespace tarnix
