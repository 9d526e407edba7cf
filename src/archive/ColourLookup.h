#pragma once

// A fixed-size map from 0xRRGGBB colours to palette indices. A palette holds at most 256 colours, and the
// distinct-colour export at most 512 (each with its moved copy), so 1,024 open-addressed slots never fill
// and need no allocation: building and querying one costs well under a microsecond, which keeps colour
// mapping within a few copies of the pixels.

#include <array>
#include <cstdint>

namespace tarnix
{

class ColourLookup
{
  public:
    ColourLookup() { m_keys.fill(kEmpty); }

    // Adds `colour` with `index` unless present; true when it was added.
    bool Insert(std::uint32_t colour, std::uint8_t index)
    {
        for (std::uint32_t slot = Hash(colour);; slot = (slot + 1) & kMask)
        {
            if (m_keys[slot] == colour)
            {
                return false;
            }
            if (m_keys[slot] == kEmpty)
            {
                m_keys[slot] = colour;
                m_values[slot] = index;
                return true;
            }
        }
    }

    // The index stored with `colour`, or -1.
    int Find(std::uint32_t colour) const
    {
        for (std::uint32_t slot = Hash(colour);; slot = (slot + 1) & kMask)
        {
            if (m_keys[slot] == colour)
            {
                return m_values[slot];
            }
            if (m_keys[slot] == kEmpty)
            {
                return -1;
            }
        }
    }

  private:
    static constexpr std::uint32_t kSlots = 1024;
    static constexpr std::uint32_t kMask = kSlots - 1;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFF; // no 24-bit colour looks like this

    // Palettes are ramps (0x101010, 0x202020, ...), which a plain multiplicative hash piles into runs of
    // neighbouring slots; a full mix (MurmurHash3's finaliser) spreads them.
    static std::uint32_t Hash(std::uint32_t colour)
    {
        colour ^= colour >> 16;
        colour *= 0x85EBCA6Bu;
        colour ^= colour >> 13;
        colour *= 0xC2B2AE35u;
        colour ^= colour >> 16;
        return colour & kMask;
    }

    std::array<std::uint32_t, kSlots> m_keys;
    std::array<std::uint8_t, kSlots> m_values{};
};

} // namespace tarnix
