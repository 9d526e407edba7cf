// Finding the game's registration: Wine's registry file, Windows paths inside a prefix, and (under Wine,
// in the Windows build) the registry itself.

#include "FakeWinePrefix.h"
#include "TestSupport.h"

#include "archive/FileIO.h"
#include "platform/GameLocation.h"
#include "platform/WineRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace tarnix;
using tarnix::test::FakeWinePrefix;
namespace fs = std::filesystem;

TEST(WineRegistry, ValuesAreReadAsWineWritesThem)
{
    const std::string text =
        "WINE REGISTRY Version 2\n"
        "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\other.exe] 1\n"
        "\"Path\"=\"C:\\\\Other\"\n"
        "\n"
        "[SOFTWARE\\\\microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\FIFA99.EXE] 2\r\n"
        "#time=1d6a\r\n"
        "@=\"C:\\\\J\\x00fcrgen\\\\fifa99.exe\"\r\n"
        "\"Installed\"=dword:00000001\r\n"
        "\"PATH\"=\"C:\\\\J\\x00fcrgen\\\\\\\"Q\\\" \\x4e2d\\101 \\xd83d\\xdc55\"\r\n"
        "\"Expanded\"=str(2):\"%ProgramFiles%\\\\EA\"\r\n"
        "\"Escapes\"=\"\\a\\b\\t\\n\\v\\f\\r\\e\\q\\x00414\"\r\n";

    RegistryLookup path = ReadWineRegistryValue(text, kGameRegistrationKey, "Path");
    EXPECT_TRUE(path.keyFound);
    EXPECT_EQ(path.value.value_or("none"), "C:\\J\xc3\xbcrgen\\\"Q\" \xe4\xb8\xad"
                                           "A \xf0\x9f\x91\x95");
    // A text that starts with the key itself.
    EXPECT_EQ(ReadWineRegistryValue(text.substr(text.find("[SOFTWARE")), kGameRegistrationKey, "Path").value,
              path.value);
    EXPECT_EQ(ReadWineRegistryValue(text, kGameRegistrationKey, "").value.value_or("none"),
              "C:\\J\xc3\xbcrgen\\fifa99.exe");
    EXPECT_EQ(ReadWineRegistryValue(text, kGameRegistrationKey, "expanded").value.value_or("none"),
              "%ProgramFiles%\\EA");

    EXPECT_EQ(ReadWineRegistryValue(text, kGameRegistrationKey, "Escapes").value.value_or("none"),
              "\a\b\t\n\v\f\r\x1bqA4");

    RegistryLookup dword = ReadWineRegistryValue(text, kGameRegistrationKey, "Installed");
    EXPECT_TRUE(dword.keyFound);
    EXPECT_FALSE(dword.value.has_value());

    RegistryLookup absent = ReadWineRegistryValue(text, std::string(kGameRegistrationKey) + "x", "Path");
    EXPECT_FALSE(absent.keyFound);
    EXPECT_FALSE(absent.value.has_value());
}

// Every escape Wine writes, at the edges of its digits and letters, as the value of "Path".
TEST(WineRegistry, EscapesAreReadToTheirLastDigit)
{
    for (auto [escaped, text] :
         {std::pair<std::string, std::string>{"\\x00aa\\x00AF\\x00FF", "\xc2\xaa\xc2\xaf\xc3\xbf"},
          {"\\x41g\\x41G", "AgAG"},
          {"\\7\\060\\177", "\x07"
                            "0\x7F"},
          {"\\1011\\1x", "A1\x01x"}})
    {
        const std::string registry =
            "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe] 1\n"
            "\"Bath\"=\"first letter differs\"\n"
            "\"Path\"~\"no equals sign\"\n"
            "\"Path\"=\"" +
            escaped + "\"\n";
        EXPECT_EQ(ReadWineRegistryValue(registry, kGameRegistrationKey, "Path").value.value_or("none"), text)
            << escaped;
    }
    // Names match whatever their case, to the last letter of the alphabet.
    const std::string zipped = "[Z\\\\Zip] 1\n\"Zone\"=\"z\"\n";
    EXPECT_EQ(ReadWineRegistryValue(zipped, "z\\zIP", "zONE").value.value_or("none"), "z");
}

// Text from the registry is UTF-16: pairs of surrogates make one character; a lone one, which no character
// is, becomes U+FFFD.
TEST(WineRegistry, Utf16BecomesUtf8AtEveryBoundary)
{
    using U16 = std::u16string;
    for (auto [utf16, utf8] : {std::pair{U16{0x7F, 0x80, 0x7FF, 0x800}, "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80"},
                               {U16{0xD7FF, 0xE000, 0xFFFF}, "\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF"},
                               {U16{0xD800, 0xDC00, 0xDBFF, 0xDFFF}, "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
                               {U16{0xD800, 0x41, 0xDBFF}, "\xEF\xBF\xBD"
                                                           "A\xEF\xBF\xBD"},
                               {U16{0xDC00, 0xDFFF, 0xD800}, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
                               {U16{0xD7FF, 0xDC00}, "\xED\x9F\xBF\xEF\xBF\xBD"},
                               {U16{0xD800, 0xDBFF}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
                               {U16{0xD800, 0xE000}, "\xEF\xBF\xBD\xEE\x80\x80"}})
    {
        EXPECT_EQ(Utf8FromUtf16(utf16), utf8);
    }
}

#ifndef _WIN32
// A Wine prefix is a Linux user's: its drive links are symbolic links, and Windows finds the game in its
// own registry instead.

fs::path Canonical(const fs::path& path)
{
    return fs::canonical(path);
}

TEST(WinePrefix, WindowsPathsMapThroughTheDriveLinks)
{
    FakeWinePrefix prefix;
    const fs::path game = prefix.DriveC() / "Program Files" / "EA SPORTS" / "FIFA 99";
    fs::create_directories(game);
    test::TempDir elsewhere;
    fs::create_directories(elsewhere.path() / "Games" / "Fifa99");
    fs::create_directory_symlink(elsewhere.path(), prefix.path() / "dosdevices" / "d:");

    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "C:\\Program Files\\EA SPORTS\\FIFA 99"), Canonical(game));
    // Windows paths ignore letter case and tolerate doubled or trailing separators.
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "c:\\PROGRAM FILES\\\\ea sports\\fifa 99\\"), Canonical(game));
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "D:\\GAMES\\FIFA99"),
              Canonical(elsewhere.path() / "Games" / "Fifa99"));
    // The first and the last drive letter, in either case.
    fs::create_directory_symlink(elsewhere.path(), prefix.path() / "dosdevices" / "a:");
    fs::create_directory_symlink(elsewhere.path(), prefix.path() / "dosdevices" / "z:");
    for (const char* drive : {"a:", "A:", "z:", "Z:"})
    {
        EXPECT_EQ(WindowsPathInPrefix(prefix.path(), drive + std::string("\\Games\\Fifa99")),
                  Canonical(elsewhere.path() / "Games" / "Fifa99"))
            << drive;
    }
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "C:\\"), Canonical(prefix.DriveC()));

    // A drive alone, a drive-relative path and a "." component lead to the same folders.
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "C:"), Canonical(prefix.DriveC()));
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "c:Program Files\\EA SPORTS\\FIFA 99"), Canonical(game));
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "C:\\.\\Program Files\\EA SPORTS\\FIFA 99"), Canonical(game));
    // Only letters name drives, whatever links a hand-made prefix holds.
    for (const char* drive : {"1:", "@:", "[:", "`:", "{:"})
    {
        fs::create_directory_symlink(elsewhere.path(), prefix.path() / "dosdevices" / drive);
        EXPECT_FALSE(WindowsPathInPrefix(prefix.path(), drive + std::string("\\Games\\Fifa99"))) << drive;
    }

    EXPECT_FALSE(WindowsPathInPrefix(prefix.path(), "C:\\Program Files\\Missing"));
    EXPECT_FALSE(WindowsPathInPrefix(prefix.path(), "E:\\FIFA99"));
    EXPECT_FALSE(WindowsPathInPrefix(prefix.path(), "\\\\server\\share\\FIFA99"));
    EXPECT_FALSE(WindowsPathInPrefix(prefix.path(), ""));
}

// Without its c: link, drive C is the prefix's drive_c; no other drive is, and without a drive_c folder
// nothing is looked up from the working folder.
TEST(WinePrefix, DriveCWithoutItsLink)
{
    FakeWinePrefix prefix;
    fs::create_directories(prefix.DriveC() / "Games" / "Fifa99");
    fs::remove(prefix.path() / "dosdevices" / "c:");
    EXPECT_EQ(WindowsPathInPrefix(prefix.path(), "C:\\Games\\Fifa99"),
              Canonical(prefix.DriveC() / "Games" / "Fifa99"));
    EXPECT_FALSE(WindowsPathInPrefix(prefix.path(), "E:\\Games\\Fifa99"));

    // A drive_c that is no folder is no drive C either.
    fs::remove_all(prefix.DriveC());
    test::WriteBytes(prefix.DriveC(), Bytes{'x'});
    const fs::path working = fs::current_path();
    test::TempDir elsewhere;
    fs::create_directories(elsewhere.path() / "Games" / "Fifa99");
    fs::current_path(elsewhere.path());
    const auto found = WindowsPathInPrefix(prefix.path(), "C:\\Games\\Fifa99");
    fs::current_path(working);
    EXPECT_FALSE(found);
}

// The prefix is WINEPREFIX when set and not empty, else ~/.wine.
TEST(WinePrefix, DefaultIsWinePrefixElseTheHomeFolders)
{
    const auto saved = [](const char* name)
    {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto restore = [](const char* name, const std::optional<std::string>& value)
    { value ? setenv(name, value->c_str(), 1) : unsetenv(name); };
    const auto prefix = saved("WINEPREFIX"), home = saved("HOME");
    setenv("HOME", "/home/m\xc3\xbcller", 1);
    unsetenv("WINEPREFIX");
    EXPECT_EQ(DefaultWinePrefix(), fs::path("/home/m\xc3\xbcller/.wine"));
    setenv("WINEPREFIX", "", 1);
    EXPECT_EQ(DefaultWinePrefix(), fs::path("/home/m\xc3\xbcller/.wine"));
    setenv("WINEPREFIX", "/games/wine 99", 1);
    EXPECT_EQ(DefaultWinePrefix(), fs::path("/games/wine 99"));
    restore("WINEPREFIX", prefix);
    restore("HOME", home);
}

TEST(WinePrefix, TheGameIsFoundWhereverItsInstallerWrote)
{
    FakeWinePrefix prefix;
    fs::create_directories(prefix.DriveC() / "Games" / "FIFA 99 \xc3\xa9t\xc3\xa9");
    // Wine escapes every letter beyond ASCII as \xhhhh.
    prefix.WriteSystemReg("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe] 1\n"
                          "\"Path\"=\"C:\\\\GAMES\\\\fifa 99 \\x00e9t\\x00e9\"\n");
    EXPECT_EQ(FindGameInWinePrefix(prefix.path()),
              Canonical(prefix.DriveC() / "Games" / "FIFA 99 \xc3\xa9t\xc3\xa9"));

    // A 32-bit installer in a 64-bit prefix writes under Wow6432Node.
    fs::create_directories(prefix.DriveC() / "FIFA99");
    prefix.WriteSystemReg(FakeWinePrefix::GameRegistration(
        "C:\\FIFA99",
        "Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe"));
    EXPECT_EQ(FindGameInWinePrefix(prefix.path()), Canonical(prefix.DriveC() / "FIFA99"));
}

TEST(WinePrefix, RegistrationsThatLeadNowhere)
{
    FakeWinePrefix prefix;
    // No system.reg at all, then one without the game.
    EXPECT_FALSE(FindGameInWinePrefix(prefix.path()));
    prefix.WriteSystemReg("");
    EXPECT_FALSE(FindGameInWinePrefix(prefix.path()));
    // A path to a folder the prefix does not have is of no use.
    prefix.WriteSystemReg(FakeWinePrefix::GameRegistration("C:\\Uninstalled\\FIFA99"));
    EXPECT_FALSE(FindGameInWinePrefix(prefix.path()));
    // Registered without a "Path": found, and empty.
    prefix.WriteSystemReg("[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe] 1\n"
                          "@=\"C:\\\\FIFA99\\\\fifa99.exe\"\n");
    EXPECT_EQ(FindGameInWinePrefix(prefix.path()), fs::path());
}
#endif

#ifndef _WIN32
// The command reads the prefix the user's Wine runs in.
class LocateGameCli : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        const char* previous = std::getenv("WINEPREFIX");
        m_previous = previous ? std::optional<std::string>(previous) : std::nullopt;
        setenv("WINEPREFIX", PathText(m_prefix.path()).c_str(), 1);
    }
    void TearDown() override
    {
        if (m_previous)
        {
            setenv("WINEPREFIX", m_previous->c_str(), 1);
        }
        else
        {
            unsetenv("WINEPREFIX");
        }
    }

    FakeWinePrefix m_prefix;
    std::optional<std::string> m_previous;
};

TEST_F(LocateGameCli, PrintsTheRegisteredFolderOrFailsWithOneLine)
{
    auto missing = test::RunCli({"locate-game"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.rfind("tarnix-cli: FIFA99 is not registered", 0), 0u) << missing.err;

    fs::create_directories(m_prefix.DriveC() / "FIFA99");
    m_prefix.WriteSystemReg(FakeWinePrefix::GameRegistration("C:\\fifa99"));
    auto found = test::RunCli({"locate-game"});
    ASSERT_EQ(found.exitCode, 0) << found.err;
    EXPECT_EQ(found.out, PathText(Canonical(m_prefix.DriveC() / "FIFA99")) + "\n");
    EXPECT_EQ(test::RunCli({"locate-game", "extra"}).exitCode, 2);
}
#endif
