#include "archive/GimpPalette.h"

#include "archive/PaletteRules.h"

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

} // namespace tarnix
