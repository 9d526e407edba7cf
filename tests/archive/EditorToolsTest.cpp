// Part bitmaps as real programs save them back: ImageMagick, Python's Pillow and netpbm rewrite headers and
// colour tables each in their own way. Skipped where a program is not installed.

#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"

#include "TestSupport.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

std::string Quoted(const fs::path& p)
{
    return "'" + p.string() + "'";
}

bool Runs(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1 </dev/null").c_str()) == 0;
}

std::string PillowPython()
{
    for (const char* python : {"python3", "/usr/bin/python3"})
    {
        if (Runs(std::string(python) + " -c 'import PIL'"))
        {
            return python;
        }
    }
    return {};
}

struct EditorRoundTrip
{
    test::TempDir dir;
    fs::path archive = test::SampleJerseyPath(4);
    PartFiles parts;
    ComposedFiles out;

    EditorRoundTrip()
    {
        for (int slot = 0; slot < PartSlotCount; ++slot)
        {
            parts[slot] = dir / ("Tar" + std::to_string(slot) + ".bmp");
        }
        out = {dir / "f.bmp", dir / "b.bmp", dir / "l.bmp", dir / "s.bmp"};
        EXPECT_TRUE(ExportParts(archive, parts).ok());
    }

    // Runs `tool` (in, out) over every part bitmap in place.
    bool Through(const std::function<std::string(const fs::path&, const fs::path&)>& tool)
    {
        for (const fs::path& part : parts)
        {
            const fs::path saved = dir / "saved.bmp";
            if (!Runs(tool(part, saved)))
            {
                return false;
            }
            fs::rename(saved, part);
        }
        return true;
    }

    void ExpectArchivePixels()
    {
        Status composed = ComposeParts(parts, out, archive);
        ASSERT_TRUE(composed.ok()) << composed.error();
        const Bytes bytes = test::ReadBytes(archive);
        for (Part part : kAllParts)
        {
            EXPECT_EQ(test::ReadBytes(out[static_cast<int>(part)]), EncodeBmp8(*ReadPartImage(bytes, part, "a")))
                << PartName(part);
        }
    }
};

} // namespace

TEST(EditorTools, ImageMagickBitmapsComposeOrAreRefusedByName)
{
    TARNIX_POSIX_ONLY("drives the Linux image tools through a POSIX shell");
    if (!Runs("convert -version"))
    {
        GTEST_SKIP() << "ImageMagick is not installed";
    }
    EditorRoundTrip t;
    // ImageMagick's own choice for an indexed BMP3 is run-length compression.
    ASSERT_TRUE(t.Through([](const fs::path& in, const fs::path& out)
                          { return "convert " + Quoted(in) + " -type palette BMP3:" + Quoted(out); }));
    Status rle = ComposeParts(t.parts, t.out, t.archive);
    ASSERT_FALSE(rle.ok());
    EXPECT_EQ(rle.error().rfind("the front design bitmap: ", 0), 0u) << rle.error();
    EXPECT_NE(rle.error().find("compressed"), std::string::npos) << rle.error();
    EXPECT_FALSE(fs::exists(t.out[0]));

    EditorRoundTrip v5; // uncompressed with a 124-byte header
    ASSERT_TRUE(v5.Through([](const fs::path& in, const fs::path& out)
                           { return "convert " + Quoted(in) + " -type palette -compress none " + Quoted(out); }));
    ASSERT_EQ(*ByteReader(test::ReadBytes(v5.parts[0])).U32(14), 124u);
    v5.ExpectArchivePixels();
}

TEST(EditorTools, PillowBitmapsCompose)
{
    TARNIX_POSIX_ONLY("drives the Linux image tools through a POSIX shell");
    const std::string python = PillowPython();
    if (python.empty())
    {
        GTEST_SKIP() << "Pillow is not installed";
    }
    EditorRoundTrip t;
    ASSERT_TRUE(t.Through(
        [&](const fs::path& in, const fs::path& out)
        {
            return python + " -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).save(sys.argv[2])' " +
                   Quoted(in) + " " + Quoted(out);
        }));
    t.ExpectArchivePixels();
}

TEST(EditorTools, NetpbmRewrittenTablesMapBackThroughTheirColours)
{
    TARNIX_POSIX_ONLY("drives the Linux image tools through a POSIX shell");
    if (!Runs("bmptopnm -version") || !Runs("ppmtobmp -version"))
    {
        GTEST_SKIP() << "netpbm is not installed";
    }
    EditorRoundTrip t;
    // Paint a band of index 79 (jersey colour 3, a colour no other group of this kit has) on the back.
    Bitmap8 design = *ReadBmp8File(t.parts[BackDesign]);
    for (int x = 0; x < 64; ++x)
    {
        design.At(x, 20) = 79;
    }
    test::WriteBytes(t.parts[BackDesign], EncodeBmp8(design));
    // netpbm goes through true colour: the saved table holds only the colours in use, in its own order.
    ASSERT_TRUE(t.Through([](const fs::path& in, const fs::path& out)
                          { return "bmptopnm " + Quoted(in) + " | ppmtobmp -bpp 8 > " + Quoted(out); }));
    const Bytes rewritten = test::ReadBytes(t.parts[BackDesign]);
    ASSERT_NE(Bytes(rewritten.begin() + 54, rewritten.begin() + 1078),
              Bytes(design.colours.begin(), design.colours.end()));

    Status composed = ComposeParts(t.parts, t.out, t.archive);
    ASSERT_TRUE(composed.ok()) << composed.error();
    const Bytes bytes = test::ReadBytes(t.archive);
    Bitmap8 expected = *ReadPartImage(bytes, Part::Back, "a");
    for (int x = 0; x < 64; ++x)
    {
        expected.At(x, 20) = static_cast<std::uint8_t>(64 + ShadeByte(expected.At(x, 20)));
    }
    EXPECT_EQ(test::ReadBytes(t.out[1]), EncodeBmp8(expected));
    EXPECT_EQ(test::ReadBytes(t.out[0]), EncodeBmp8(*ReadPartImage(bytes, Part::Front, "a")));

    // Painted with a colour that two groups of the kit share, the back is refused by name.
    for (int x = 0; x < 64; ++x)
    {
        design.At(x, 30) = 47; // jersey colour 1, which this kit also uses for shorts and socks
    }
    test::WriteBytes(t.parts[BackDesign], EncodeBmp8(design));
    ASSERT_TRUE(
        Runs("bmptopnm " + Quoted(t.parts[BackDesign]) + " | ppmtobmp -bpp 8 > " + Quoted(t.dir / "x.bmp")));
    fs::rename(t.dir / "x.bmp", t.parts[BackDesign]);
    Status refused = ComposeParts(t.parts, t.out, t.archive);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().rfind("the back design bitmap was saved with a changed colour table", 0), 0u)
        << refused.error();
}
