#include "sample/SampleArchive.h"

namespace tarnix::sample
{

Bytes BuildArchive(const std::vector<EntrySpec>& entries, const std::string& directoryId)
{
    Bytes out;
    out.insert(out.end(), {'S', 'H', 'P', 'I'});
    AppendU32(out, 0); // total size, patched below
    AppendU32(out, static_cast<std::uint32_t>(entries.size()));
    for (int i = 0; i < 4; ++i)
    {
        out.push_back(i < int(directoryId.size()) ? static_cast<std::uint8_t>(directoryId[i]) : ' ');
    }
    const std::size_t directoryAt = out.size();
    out.resize(out.size() + entries.size() * kDirectoryRecordSize, 0);

    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        const EntrySpec& e = entries[i];
        int width = e.width;
        int height = e.height;
        if (width == 0)
        {
            auto g = GeometryOf(e.name);
            width = g ? g->width : 0;
            height = g ? g->height : 0;
        }
        const std::size_t at = out.size();
        for (int k = 0; k < 4; ++k)
        {
            out[directoryAt + i * 8 + k] = k < int(e.name.size()) ? static_cast<std::uint8_t>(e.name[k]) : ' ';
        }
        PutU32(out, directoryAt + i * 8 + 4, static_cast<std::uint32_t>(at));

        // Image header: record type 0x7B (8-bit indexed), offset of the next block, width, height.
        const std::uint32_t pixelCount = std::uint32_t(width) * std::uint32_t(height);
        out.push_back(0x7B);
        const std::uint32_t next = 16 + pixelCount;
        out.push_back(static_cast<std::uint8_t>(next));
        out.push_back(static_cast<std::uint8_t>(next >> 8));
        out.push_back(static_cast<std::uint8_t>(next >> 16));
        AppendU16(out, static_cast<std::uint16_t>(width));
        AppendU16(out, static_cast<std::uint16_t>(height));
        for (int k = 0; k < 8; ++k)
        {
            out.push_back(0);
        }
        std::vector<std::uint8_t> pixels = e.pixels;
        pixels.resize(pixelCount, 0);
        out.insert(out.end(), pixels.begin(), pixels.end());

        // Palette header: record type, no next block, 256 x 1.
        out.push_back(e.paletteType);
        out.insert(out.end(), {0, 0, 0});
        AppendU16(out, 256);
        AppendU16(out, 1);
        for (int k = 0; k < 8; ++k)
        {
            out.push_back(0);
        }
        for (int c = 0; c < 256; ++c)
        {
            const std::uint8_t b = e.colours[4 * c];
            const std::uint8_t g = e.colours[4 * c + 1];
            const std::uint8_t r = e.colours[4 * c + 2];
            if (e.paletteType == kPaletteType32)
            {
                out.insert(out.end(), {b, g, r, 0xFF});
            }
            else
            {
                out.insert(out.end(), {r, g, b});
            }
        }
    }
    PutU32(out, 4, static_cast<std::uint32_t>(out.size()));
    return out;
}

ColourTable TableFromRgb(const std::vector<std::uint32_t>& rgb)
{
    ColourTable table{};
    for (std::size_t i = 0; i < rgb.size() && i < 256; ++i)
    {
        table[4 * i] = static_cast<std::uint8_t>(rgb[i]);
        table[4 * i + 1] = static_cast<std::uint8_t>(rgb[i] >> 8);
        table[4 * i + 2] = static_cast<std::uint8_t>(rgb[i] >> 16);
    }
    return table;
}

} // namespace tarnix::sample
