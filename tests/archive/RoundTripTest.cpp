#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Fsh.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"
#include "sample/SampleJerseys.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// Picture pixel (y, x) of a composed bitmap of height h and width w, read the way the saving table is
// written down: at 1078 + (h - 1 - y) * w + x. Independent of the decoder and of the sampling code.
struct Composed
{
    Bytes bytes;
    int w;
    int h;
    std::uint8_t operator()(int y, int x) const { return bytes.at(1078 + std::size_t(h - 1 - y) * w + x); }
};

std::uint8_t Expected(std::string_view name, int r, int c, const Composed& front, const Composed& back,
                      const Composed& lsv, const Composed& ssv)
{
    static const int rt[28] = {0,  2,  4,  6,  8,  10, 12, 14, 16, 19, 22, 25, 28, 30,
                               32, 35, 38, 41, 44, 47, 49, 51, 53, 55, 57, 59, 61, 63};
    if (name == "hjbk")
        return back(r, c);
    if (name == "mjbk")
        return back(2 * r + 1, 2 * c);
    if (name == "frhi" || name == "hjfr")
        return front(r, c);
    if (name == "mjfr")
        return front(2 * r + 1, 2 * c);
    if (name == "hrsv")
        return ssv(r, c);
    if (name == "mrsv")
        return ssv(2 * r + 1, 2 * c);
    if (name == "lgar")
        return ssv(2 * r + 13, 6 * c);
    if (name == "luar")
        return ssv(2 * r + 1, 6 * c);
    if (name == "hslv")
        return lsv(r, c);
    if (name == "mslv")
        return r < 8 ? lsv(0, 2 * c) : lsv(2 * r - 15, 2 * c);
    if (name == "luga")
        return lsv(2 * r + 17, 6 * c);
    // ljer
    return c < 22 ? back(rt[r], 63 - 3 * c) : front(2 * rt[r] + 1, 126 - 6 * (c - 22));
}

} // namespace

class RoundTrip : public testing::TestWithParam<int>
{
};

TEST_P(RoundTrip, UneditedPartsSaveToTheSameArchiveButTheTrailer)
{
    test::TempDir dir;
    const fs::path source = test::SampleJerseyPath(GetParam());
    const Bytes original = test::ReadBytes(source);
    PartFiles parts;
    for (int slot = 0; slot < PartSlotCount; ++slot)
    {
        parts[slot] = dir / ("Tar part " + std::to_string(slot) + ".bmp");
    }
    ASSERT_TRUE(ExportParts(source, parts).ok());
    ComposedFiles composed = {dir / "front.bmp", dir / "back.bmp", dir / "long.bmp", dir / "short.bmp"};
    ASSERT_TRUE(ComposeParts(parts, composed, source).ok());

    SaveRequest request;
    request.source = source;
    request.target = dir / "saved.fsh";
    request.composed = composed;
    request.colours = {0, 1, 2, 3, 4, 5, 22};
    request.label = "Round trip ü";
    JerseyColours record{};
    Status saved = SaveJersey(request, record);
    ASSERT_TRUE(saved.ok()) << saved.error();
    EXPECT_EQ(test::ReadBytes(source), original);
    const Bytes result = test::ReadBytes(request.target);

    const std::uint32_t total = *ByteReader(original).U32(kFshTotalSizeOffset);
    ASSERT_GE(result.size(), std::size_t(total) + 24 + 12 + 1);
    // Everything before the trailer is unchanged: the large entries come back byte for byte, the small
    // ones were sampled from them with the same table when the sample was built.
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + total, result.begin()));
    JerseyColours read{};
    EXPECT_EQ(ReadTrailer(result, read), "Round trip \xfc");
    EXPECT_EQ(read, record);
    if (result.size() > std::size_t(total) + 37)
    {
        // Bytes of a longer old label stay.
        EXPECT_TRUE(std::equal(result.begin() + total + 37, result.end(), original.begin() + total + 37));
    }

    // And each small entry is exactly what the table derives from the composed bitmaps.
    const Composed front{test::ReadBytes(composed[0]), 128, 128};
    const Composed back{test::ReadBytes(composed[1]), 64, 64};
    const Composed lsv{test::ReadBytes(composed[2]), 64, 64};
    const Composed ssv{test::ReadBytes(composed[3]), 64, 48};
    const FshDirectory directory = ReadDirectory(result);
    const DirectoryRecord* firstFront = directory.Find({"frhi", "hjfr"});
    int checked = 0;
    for (const DirectoryRecord& r : directory.records)
    {
        if (r.name == "frmd" || ((r.name == "frhi" || r.name == "hjfr") && &r != firstFront))
        {
            continue;
        }
        auto g = GeometryOf(r.name);
        ASSERT_TRUE(g.has_value()) << r.name;
        for (int y = 0; y < g->height; ++y)
        {
            for (int x = 0; x < g->width; ++x)
            {
                ASSERT_EQ(result[r.offset + 16 + std::size_t(y) * g->width + x],
                          Expected(r.name, y, x, front, back, lsv, ssv))
                    << r.name << " (" << y << ", " << x << ")";
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 12);
}

INSTANTIATE_TEST_SUITE_P(SampleJerseys, RoundTrip, testing::Values(1, 2, 3, 4, 5, 12));

TEST(Thumbnail, IsFrmdAsAnExactBitmap)
{
    const Bytes archive = test::ReadBytes(test::SampleJerseyPath(1));
    auto frmd = LocateEntry(archive, ReadDirectory(archive), {"frmd"}, EntryNeeds::Pixels, "x");
    ASSERT_TRUE(frmd.ok());
    Bytes patched = archive;
    const std::size_t palette = frmd->PaletteOffset();
    const std::uint8_t entry5[4] = {10, 20, 30, 255};
    std::copy_n(entry5, 4, patched.begin() + palette + 20);
    // Its record type says three-byte colours; "frmd" is read as four-byte colours all the same.
    patched[frmd->PaletteHeaderOffset()] = 0x24;

    auto thumbnail = BuildThumbnail(patched, "x");
    ASSERT_TRUE(thumbnail.ok());
    const Bytes& t = *thumbnail;
    ASSERT_EQ(t.size(), 5174u);
    const Bytes header = {'B', 'M', 0x36, 0x14, 0,  0, 0, 0, 0, 0, 0x36, 4, 0, 0, 40, 0, 0, 0,
                          64,  0,   0,    0,    64, 0, 0, 0, 1, 0, 8,    0, 0, 0, 0,  0, 0, 0x10,
                          0,   0,   0,    0,    0,  0, 0, 0, 0, 0, 0,    1, 0, 0, 0,  1, 0, 0};
    EXPECT_EQ(Bytes(t.begin(), t.begin() + 54), header);
    EXPECT_EQ(Bytes(t.begin() + 54 + 20, t.begin() + 54 + 24), (Bytes{10, 20, 30, 0}));
    for (int i = 0; i < 256; ++i)
    {
        ASSERT_EQ(t[54 + 4 * i + 3], 0);
    }
    const auto pixels = ReadEntryPixels(patched, *frmd);
    EXPECT_TRUE(std::equal(t.begin() + 1078, t.begin() + 1078 + 64, pixels.begin() + 63 * 64)); // row 63 first
    EXPECT_TRUE(std::equal(t.end() - 64, t.end(), pixels.begin()));                             // row 0 last
}

TEST(Thumbnail, WithoutFrmdNothingIsWritten)
{
    test::TempDir dir;
    Bytes archive = test::ReadBytes(test::SampleJerseyPath(2));
    const FshDirectory directory = ReadDirectory(archive);
    for (std::size_t i = 0; i < directory.records.size(); ++i)
    {
        if (directory.records[i].name == "frmd")
        {
            std::copy_n("xxxx", 4, archive.begin() + 16 + 8 * i);
        }
    }
    test::WriteBytes(dir / "a.fsh", archive);
    Status s = WriteThumbnail(dir / "a.fsh", dir / "t.bmp");
    ASSERT_FALSE(s.ok());
    EXPECT_NE(s.error().find("\"frmd\""), std::string::npos) << s.error();
    EXPECT_FALSE(fs::exists(dir / "t.bmp"));

    ASSERT_TRUE(WriteThumbnail(test::SampleJerseyPath(2), dir / "t.bmp").ok());
    EXPECT_EQ(test::ReadBytes(dir / "t.bmp"), *BuildThumbnail(test::ReadBytes(test::SampleJerseyPath(2)), "x"));
}

TEST(Thumbnail, PathFindsJerseysFolderWhateverItsCase)
{
    test::TempDir dir;
    EXPECT_EQ(ThumbnailPath(dir.path(), 7), dir.path() / "Jerseys" / "frmd7.bmp");
    fs::create_directory(dir / "JERSEYS");
    EXPECT_EQ(ThumbnailPath(dir.path(), 64), dir.path() / "JERSEYS" / "frmd64.bmp");
    test::WriteBytes(dir.path() / "JERSEYS" / "FRMD12.BMP", {});
    EXPECT_EQ(ThumbnailPath(dir.path(), 12), dir.path() / "JERSEYS" / "FRMD12.BMP");
}
