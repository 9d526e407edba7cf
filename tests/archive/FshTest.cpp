#include "archive/Fsh.h"
#include "archive/Cp1252.h"
#include "sample/SampleArchive.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tarnix;

namespace
{

sample::EntrySpec Entry(const std::string& name, std::uint8_t fill = 0)
{
    sample::EntrySpec e;
    e.name = name;
    auto g = GeometryOf(name);
    e.pixels.assign(std::size_t(g->width) * g->height, fill);
    return e;
}

} // namespace

TEST(FshDirectory, FirstRecordOfEitherFrontNameWins)
{
    Bytes frhiFirst = sample::BuildArchive({Entry("frhi", 1), Entry("hjfr", 2)});
    Bytes hjfrFirst = sample::BuildArchive({Entry("hjfr", 2), Entry("frhi", 1)});
    auto a = LocateFront(frhiFirst, ReadDirectory(frhiFirst), EntryNeeds::Pixels, "a");
    auto b = LocateFront(hjfrFirst, ReadDirectory(hjfrFirst), EntryNeeds::Pixels, "b");
    ASSERT_TRUE(a.ok());
    ASSERT_TRUE(b.ok());
    EXPECT_EQ(a->name, "frhi");
    EXPECT_EQ(b->name, "hjfr");
}

TEST(FshDirectory, DuplicateNamesYieldTheFirst)
{
    Bytes archive = sample::BuildArchive({Entry("hjbk", 1), Entry("hjbk", 2)});
    FshDirectory dir = ReadDirectory(archive);
    auto entry = LocateEntry(archive, dir, {"hjbk"}, EntryNeeds::Pixels, "x");
    ASSERT_TRUE(entry.ok());
    EXPECT_EQ(entry->offset, dir.records[0].offset);
    EXPECT_EQ(ReadEntryPixels(archive, *entry)[0], 1);

    // A record named by four zero bytes is nobody's: the name looked up is the second record's.
    std::fill_n(archive.begin() + 16, 4, std::uint8_t{0});
    dir = ReadDirectory(archive);
    entry = LocateEntry(archive, dir, {"hjbk"}, EntryNeeds::Pixels, "x");
    ASSERT_TRUE(entry.ok());
    EXPECT_EQ(ReadEntryPixels(archive, *entry)[0], 2);
}

TEST(FshDirectory, CountZeroHasNoEntries)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    PutU32(archive, kFshCountOffset, 0);
    FshDirectory dir = ReadDirectory(archive);
    EXPECT_TRUE(dir.records.empty());
    EXPECT_EQ(dir.Find({"hjfr"}), nullptr);
}

TEST(FshDirectory, HugeCountStopsAtTheFirstEntrysDataOrTheEndOfTheFile)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    PutU32(archive, kFshCountOffset, 0xFFFFFFFFu);
    FshDirectory dir = ReadDirectory(archive);
    EXPECT_TRUE(dir.overCounted);
    EXPECT_EQ(dir.records.size(), 1u);

    // Records pointing past the end of the file hold no data to stop at.
    Bytes records(16 + 3 * 8, 0);
    PutU32(records, kFshCountOffset, 0xFFFFFFFFu);
    for (int i = 0; i < 3; ++i)
    {
        PutU32(records, 16 + 8 * i + 4, 0xFFFFFF00u);
    }
    dir = ReadDirectory(records);
    EXPECT_TRUE(dir.truncated);
    EXPECT_EQ(dir.records.size(), 3u);
}

TEST(FshDirectory, ShortFilesNeverFail)
{
    for (std::size_t n = 0; n < 24; ++n)
    {
        Bytes bytes(n, 0xFF);
        FshDirectory dir = ReadDirectory(bytes);
        EXPECT_LE(dir.records.size(), 1u);
    }
    // The header alone, counting one record: the record would run past the end of the file.
    Bytes header(16, 0);
    header[8] = 1;
    header[0] = 'S', header[1] = 'H', header[2] = 'P', header[3] = 'I';
    auto missing = LocateEntry(header, ReadDirectory(header), {"hjbk"}, EntryNeeds::Pixels, "x");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), "\"x\" has no entry \"hjbk\" (its directory runs past the end of the file)");
}

TEST(FshEntry, EntryRunningPastTheEndIsReportedWithNameAndOffset)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr"), Entry("hjbk")});
    archive.resize(archive.size() - 100);
    auto entry = LocateEntry(archive, ReadDirectory(archive), {"hjbk"}, EntryNeeds::TypedPalette, "PK001.FSH");
    ASSERT_FALSE(entry.ok());
    EXPECT_NE(entry.error().find("\"hjbk\""), std::string::npos);
    EXPECT_NE(entry.error().find("PK001.FSH"), std::string::npos);
    EXPECT_NE(entry.error().find("runs past the end of the file (" + std::to_string(archive.size()) + " bytes)"),
              std::string::npos);
}

// The palette the entry is read with must end inside the file: four bytes a colour as its record says, or
// three; a front read with four bytes may lack the last 256 (read as zero, as the game does).
TEST(FshEntry, ThePaletteMustEndInsideTheFile)
{
    for (auto [type, needs, length] : {std::tuple{kPaletteType32, EntryNeeds::TypedPalette, 1024},
                                       {sample::kPaletteType24, EntryNeeds::TypedPalette, 768},
                                       {kPaletteType32, EntryNeeds::FourBytePalette, 768}})
    {
        sample::EntrySpec last = Entry("hjbk");
        last.paletteType = type;
        Bytes archive = sample::BuildArchive({Entry("hjfr"), last});
        auto full = LocateEntry(archive, ReadDirectory(archive), {"hjbk"}, needs, "x");
        ASSERT_TRUE(full.ok()) << full.error();
        const std::size_t end = full->PaletteOffset() + std::size_t(length);
        ASSERT_LE(end, archive.size());
        archive.resize(end);
        EXPECT_TRUE(LocateEntry(archive, ReadDirectory(archive), {"hjbk"}, needs, "x").ok()) << length;
        archive.resize(end - 1);
        EXPECT_FALSE(LocateEntry(archive, ReadDirectory(archive), {"hjbk"}, needs, "x").ok()) << length;
    }
}

TEST(FshEntry, OffsetInsideTheHeaderIsRefused)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    PutU32(archive, 20, 4);
    auto entry = LocateFront(archive, ReadDirectory(archive), EntryNeeds::Pixels, "x");
    ASSERT_FALSE(entry.ok());
    EXPECT_NE(entry.error().find("overlaps"), std::string::npos);
}

TEST(FshEntry, MissingEntryNamesIt)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    auto entry = LocateEntry(archive, ReadDirectory(archive), {"frmd"}, EntryNeeds::Pixels, "PK002.FSH");
    ASSERT_FALSE(entry.ok());
    EXPECT_EQ(entry.error(), "\"PK002.FSH\" has no entry \"frmd\"");
}

TEST(FshPalette, RecordTypeDecidesTheColourLayout)
{
    sample::EntrySpec wide = Entry("hjbk");
    wide.colours[4 * 7] = 1; // blue
    wide.colours[4 * 7 + 1] = 2;
    wide.colours[4 * 7 + 2] = 3; // red
    sample::EntrySpec narrow = wide;
    narrow.paletteType = sample::kPaletteType24;
    for (const auto& spec : {wide, narrow})
    {
        Bytes archive = sample::BuildArchive({spec});
        auto entry = LocateEntry(archive, ReadDirectory(archive), {"hjbk"}, EntryNeeds::TypedPalette, "x");
        ASSERT_TRUE(entry.ok());
        ColourTable table = ReadEntryPalette(archive, *entry, false);
        EXPECT_EQ(table[28], 1);
        EXPECT_EQ(table[29], 2);
        EXPECT_EQ(table[30], 3);
        EXPECT_EQ(table[31], 0);
    }
}

TEST(FshPalette, FourByteReadIgnoresTheRecordType)
{
    sample::EntrySpec e = Entry("hjfr");
    e.colours[0] = 9;
    e.colours[1] = 8;
    e.colours[2] = 7;
    Bytes archive = sample::BuildArchive({e});
    auto entry = LocateFront(archive, ReadDirectory(archive), EntryNeeds::FourBytePalette, "x");
    ASSERT_TRUE(entry.ok());
    archive[entry->PaletteHeaderOffset()] = 0x24; // claims three-byte colours
    ColourTable table = ReadEntryPalette(archive, *entry, true);
    EXPECT_EQ(table[0], 9);
    EXPECT_EQ(table[1], 8);
    EXPECT_EQ(table[2], 7);
    EXPECT_EQ(table[3], 0); // alpha dropped
}

TEST(FshTrailer, RoundTripsColoursAndLabel)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    JerseyColours record{};
    record[0] = 1;
    SetKitColours(record, {3, 10, 19, 22, 0, 13, 2});
    ASSERT_TRUE(WriteTrailer(archive, record, "Eight ch", "x").ok());
    JerseyColours read{};
    EXPECT_EQ(ReadTrailer(archive, read), "Eight ch");
    EXPECT_EQ(read, record);
}

TEST(FshTrailer, InvalidFirstColourGivesDefaultsAndNoLabel)
{
    for (std::uint8_t first : {std::uint8_t(24), std::uint8_t(0xFF), std::uint8_t(0x80)})
    {
        Bytes archive = sample::BuildArchive({Entry("hjfr")});
        JerseyColours record{};
        record[0] = 7;
        record[1] = first;
        ASSERT_TRUE(WriteTrailer(archive, record, "label", "x").ok());
        JerseyColours read{};
        EXPECT_EQ(ReadTrailer(archive, read), "");
        EXPECT_EQ(read[0], 7);
        EXPECT_EQ(KitColoursOf(read), kDefaultKitColours);
    }
}

TEST(FshTrailer, TwentyThreeIsValid)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    JerseyColours record{};
    record[1] = 23;
    ASSERT_TRUE(WriteTrailer(archive, record, "ok", "x").ok());
    JerseyColours read{};
    EXPECT_EQ(ReadTrailer(archive, read), "ok");
    EXPECT_EQ(read[1], 23);
}

TEST(FshTrailer, NoTrailerLeavesColoursAlone)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    JerseyColours read{};
    read.fill(5);
    EXPECT_EQ(ReadTrailer(archive, read), "");
    EXPECT_EQ(read[0], 5);
    EXPECT_EQ(read[23], 5);

    // The magic alone, four bytes: its letters are no kit colour, so the defaults; three of its letters
    // are no magic, so no label either.
    Bytes magic{'S', 'H', 'P', 'I'};
    EXPECT_EQ(ReadTrailer(magic, read), "");
    EXPECT_EQ(KitColour(read, 0), kDefaultKitColours[0]);
    Bytes labelled = sample::BuildArchive({Entry("hjfr")});
    JerseyColours colours{};
    SetKitColours(colours, kDefaultKitColours);
    ASSERT_TRUE(WriteTrailer(labelled, colours, "Ajax", "x").ok());
    ASSERT_EQ(ReadTrailer(labelled, read), "Ajax");
    labelled[3] = 'X';
    EXPECT_EQ(ReadTrailer(labelled, read), "");
}

TEST(FshTrailer, ReadAtTheFull32BitOffset)
{
    // An archive of more than 64 KiB: the low 16 bits of its total size point into the pixels.
    std::vector<sample::EntrySpec> entries;
    for (const char* name : {"hjfr", "frhi", "frhi", "hjbk", "hslv", "hrsv", "mjfr"})
    {
        entries.push_back(Entry(name, 0x2F));
    }
    Bytes archive = sample::BuildArchive(entries);
    ASSERT_GT(archive.size(), 65536u);
    JerseyColours record{};
    record[0] = 1;
    SetKitColours(record, {13, 1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(WriteTrailer(archive, record, "big", "x").ok());
    JerseyColours read{};
    EXPECT_EQ(ReadTrailer(archive, read), "big");
    EXPECT_EQ(KitColour(read, 0), 13);
}

TEST(FshTrailer, LabelIsCutAt256BytesAndAtTheEndOfTheFile)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    JerseyColours record{};
    record[1] = 1;
    std::string longLabel(300, 'x');
    ASSERT_TRUE(WriteTrailer(archive, record, longLabel, "x").ok());
    JerseyColours read{};
    EXPECT_EQ(ReadTrailer(archive, read), std::string(256, 'x'));
    archive.pop_back(); // no terminator any more
    archive.resize(archive.size() - 100);
    EXPECT_EQ(ReadTrailer(archive, read), std::string(200, 'x'));
}

TEST(FshTrailer, ShorterLabelKeepsTheOldBytesBehindTheTerminator)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    const std::size_t total = archive.size();
    JerseyColours record{};
    record[1] = 1;
    ASSERT_TRUE(WriteTrailer(archive, record, "Sixsix", "x").ok());
    ASSERT_TRUE(WriteTrailer(archive, record, "Tw", "x").ok());
    ASSERT_EQ(archive.size(), total + 24 + 7);
    std::string tail(archive.begin() + total + 24, archive.end());
    EXPECT_EQ(tail, std::string("Tw\0six\0", 7));
}

TEST(FshTrailer, TotalSizePastTheEndIsRefused)
{
    Bytes archive = sample::BuildArchive({Entry("hjfr")});
    PutU32(archive, kFshTotalSizeOffset, 0xFFFFFFF0u);
    JerseyColours record{};
    Bytes before = archive;
    EXPECT_FALSE(WriteTrailer(archive, record, "x", "x").ok());
    EXPECT_EQ(archive, before);
}

// Labels are Windows-1252 bytes: every byte decodes to its character and encodes back to itself, the 32
// of 0x80-0x9F by the code page's own table and the five it leaves undefined as C1 controls.
TEST(Cp1252, EveryByteDecodesToItsCharacterAndBack)
{
    const char* const kHigh[32] = {"\u20AC", "\xC2\x81", "\u201A",   "\u0192", "\u201E", "\u2026", "\u2020",
                                   "\u2021", "\u02C6",   "\u2030",   "\u0160", "\u2039", "\u0152", "\xC2\x8D",
                                   "\u017D", "\xC2\x8F", "\xC2\x90", "\u2018", "\u2019", "\u201C", "\u201D",
                                   "\u2022", "\u2013",   "\u2014",   "\u02DC", "\u2122", "\u0161", "\u203A",
                                   "\u0153", "\xC2\x9D", "\u017E",   "\u0178"};
    for (int b = 0; b < 256; ++b)
    {
        const std::string byte(1, static_cast<char>(b));
        std::string utf8 = byte;
        if (b >= 0x80 && b < 0xA0)
        {
            utf8 = kHigh[b - 0x80];
        }
        else if (b >= 0xA0)
        {
            utf8 = {static_cast<char>(0xC0 | b >> 6), static_cast<char>(0x80 | (b & 0x3F))};
        }
        EXPECT_EQ(DecodeCp1252(byte), utf8) << "byte " << b;
        EXPECT_EQ(EncodeCp1252(utf8), byte) << "byte " << b;
    }
    EXPECT_EQ(EncodeCp1252("\u0100"), std::nullopt); // the first character past Latin-1 that it lacks
    // Not UTF-8: overlong spellings of "A" and of "\u00E9" in two, three and four bytes; stray and missing
    // continuation bytes; a character past U+FFFF. Nor U+0080, U+009F and U+3013, which it lacks.
    for (const char* bad :
         {"\xC1\x81", "\xE0\x81\x81", "\xE0\x83\xA9", "\xF0\x80\x81\x81", "\xF0\x80\x83\xA9", "\x80", "\xC3",
          "\xC3\x41", "\xF0\x9F\x98\x80", "\xC2\x80", "\xC2\x9F", "\xE3\x80\x93"})
    {
        EXPECT_EQ(EncodeCp1252(bad), std::nullopt) << bad;
    }
}
