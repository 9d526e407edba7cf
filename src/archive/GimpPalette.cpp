#include "archive/GimpPalette.h"

#include "archive/PaletteRules.h"
#include "archive/ShirtPictures.h"

#include <cstdio>

namespace tarnix
{

namespace
{

// The seven kit groups in the order of the colour record.
constexpr const char* kKitNames[] = {"Jersey 1st", "Jersey 2nd", "Jersey 3rd", "Shorts 1st",
                                     "Shorts 2nd", "Socks 1st",  "Socks 2nd"};

std::string Line(const ColourTable& table, int index, const std::string& name)
{
    char text[96];
    std::snprintf(text, sizeof text, "%3d %3d %3d\t%s (%d)\n", table[4 * index + 2], table[4 * index + 1],
                  table[4 * index], name.c_str(), index);
    return text;
}

} // namespace

std::string BuildGimpPalette(const ColourTable& designTable, const std::string& name)
{
    std::string out = "GIMP Palette\nName: " + name + "\nColumns: 8\n#\n";
    // The kit colours first: they are what a user paints with.
    for (int group = kFirstKitGroup; group <= kLastKitGroup; ++group)
    {
        out += Line(designTable, FullShadeIndex(group), kKitNames[group - kFirstKitGroup]);
    }
    out += Line(designTable, kBadgeIndex, "Badge");
    out += Line(designTable, kKeptIndex240, "Fixed 240");
    for (int group = 0; group < kPaletteColours / kGroupSize; ++group)
    {
        if (group >= kFirstKitGroup && group <= kLastKitGroup)
        {
            continue;
        }
        const std::string label = group == kGreyGroup ? "Grey ramp" : "Fixed group " + std::to_string(group);
        out += Line(designTable, FullShadeIndex(group), label);
    }
    return out;
}

std::string BuildKitRampPalette(const KitColours& kit, const ColourTable& stored, const std::string& name)
{
    std::string out = "GIMP Palette\nName: " + name + "\nColumns: 16\n#\n";
    auto line = [&out](std::uint32_t rgb, const std::string& label)
    {
        char text[96];
        std::snprintf(text, sizeof text, "%3u %3u %3u\t%s\n", unsigned(rgb >> 16 & 0xFF),
                      unsigned(rgb >> 8 & 0xFF), unsigned(rgb & 0xFF), label.c_str());
        out += text;
    };
    for (int group = kFirstKitGroup; group <= kLastKitGroup; ++group)
    {
        for (int s = 0; s <= kFullShade; ++s)
        {
            const int v = group * kGroupSize + s;
            line(ShownColour(static_cast<std::uint8_t>(v), stored, kit),
                 std::string(kKitNames[group - kFirstKitGroup]) + " shade " + std::to_string(s) + " (" +
                     std::to_string(v) + ")");
        }
    }
    for (int v = kBadgeIndex; v < kBadgeIndex + kGroupSize; ++v)
    {
        line(ShownColour(static_cast<std::uint8_t>(v), stored, kit),
             "Badge shade " + std::to_string(v - kBadgeIndex) + " (" + std::to_string(v) + ")");
    }
    return out;
}

} // namespace tarnix
