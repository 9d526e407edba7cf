#pragma once

// Types shared by every jersey operation: the colour record, the kit colours and the part slots.

#include <array>
#include <cstdint>

namespace tarnix
{

// The 24-byte jersey colour record: byte 0 the colours-present flag, bytes 1-7 the kit colour indices
// (jersey 1st, 2nd, 3rd, shorts 1st, 2nd, socks 1st, 2nd) as signed bytes, bytes 8-23 zero. It is stored
// unchanged as the first 24 bytes of the archive trailer.
using JerseyColours = std::array<std::uint8_t, 24>;

constexpr int kKitColourCount = 7;
using KitColours = std::array<int, kKitColourCount>;

// Light Red, Light Gray, Blue, Light Red, Yellow, Light Red, Yellow.
constexpr KitColours kDefaultKitColours = {1, 20, 13, 1, 6, 1, 6};

// Named kit colours 0-23; 23 is "Not Used", 22 "Black".
constexpr int kNamedColourCount = 24;
constexpr int kNotUsedColour = 23;
constexpr int kBlackColour = 22;

inline int KitColour(const JerseyColours& record, int k)
{
    return static_cast<std::int8_t>(record[1 + k]);
}

inline KitColours KitColoursOf(const JerseyColours& record)
{
    KitColours colours{};
    for (int k = 0; k < kKitColourCount; ++k)
    {
        colours[k] = KitColour(record, k);
    }
    return colours;
}

inline void SetKitColours(JerseyColours& record, const KitColours& colours)
{
    for (int k = 0; k < kKitColourCount; ++k)
    {
        record[1 + k] = static_cast<std::uint8_t>(colours[k]);
    }
}

// The four editable parts, in the order of the part-file slots.
enum class Part
{
    Front = 0,
    Back = 1,
    LongSleeve = 2,
    ShortSleeve = 3,
};
constexpr std::array<Part, 4> kAllParts = {Part::Front, Part::Back, Part::LongSleeve, Part::ShortSleeve};

// The eight part-bitmap slots: the four design bitmaps, then the four shade bitmaps.
enum PartSlot
{
    FrontDesign = 0,
    BackDesign,
    LongSleeveDesign,
    ShortSleeveDesign,
    FrontShade,
    BackShade,
    LongSleeveShade,
    ShortSleeveShade,
    PartSlotCount,
};

constexpr PartSlot DesignSlot(Part part)
{
    return static_cast<PartSlot>(static_cast<int>(part));
}
constexpr PartSlot ShadeSlot(Part part)
{
    return static_cast<PartSlot>(static_cast<int>(part) + 4);
}

struct PartSize
{
    int width;
    int height;
};

constexpr PartSize SizeOf(Part part)
{
    switch (part)
    {
    case Part::Front:
        return {128, 128};
    case Part::Back:
        return {64, 64};
    case Part::LongSleeve:
        return {64, 64};
    case Part::ShortSleeve:
        return {64, 48};
    }
    return {0, 0};
}

// "front", "back", "long sleeve", "short sleeve": for messages.
const char* PartName(Part part);

} // namespace tarnix
