// What only Windows has: drive letters and backslashes, names outside the ANSI code page, files another
// program holds open, and the registry read through its wide API. The rest of the suite covers the
// case-insensitive game folders and read-only targets on Windows too.

#ifdef _WIN32

#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "platform/WindowsRegistry.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <random>
#include <sys/stat.h>
#include <windows.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

std::string WithBackslashes(std::string text)
{
    for (char& c : text)
    {
        if (c == '/')
        {
            c = '\\';
        }
    }
    return text;
}

} // namespace

TEST(WindowsPaths, DriveLettersAndBackslashesReachTheFiles)
{
    test::TempDir dir;
    const std::string folder = WithBackslashes(PathText(dir.path()));
    ASSERT_EQ(folder[1], ':') << folder;
    // As a user types it: a lower-case drive letter, backslashes and a stray forward slash.
    std::string typed = folder;
    typed[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
    fs::create_directory(dir / "out");
    auto r =
        test::RunCli({"preview", WithBackslashes(PathText(test::SampleJerseyPath(2))), typed + "\\out/front.bmp"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadBytes(dir / "out" / "front.bmp").size(), 17462u);
}

TEST(WindowsPaths, NamesOutsideTheAnsiCodePageGoThroughTheWideApi)
{
    test::TempDir dir;
    // Greek, Chinese and a character outside the BMP: none of them is in code page 1252.
    const fs::path folder =
        dir /
        PathFromText("\xce\xa6\xce\xb1\xce\xbd\xce\xad\xce\xbb\xce\xb1 \xe7\x90\x83\xe8\xa1\xa3 \xf0\x9f\x91\x95");
    fs::create_directories(folder);
    const fs::path target = folder / PathFromText("PK0\xe2\x91\xa0.FSH");
    const Bytes jersey = test::ReadBytes(test::SampleJerseyPath(1));
    ASSERT_TRUE(WriteFileAtomic(target, jersey).ok());
    EXPECT_EQ(test::ReadBytes(target), jersey);
    // The name on disk is the one asked for, not a code-page approximation with question marks.
    EXPECT_EQ(fs::directory_iterator(folder)->path().filename().wstring(), target.filename().wstring());

    auto r = test::RunCli({"info", PathText(target)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["path"], PathText(target));
}

TEST(WindowsFiles, ASaveOverAFileAnotherProgramHoldsOpenIsWholeOrNothing)
{
    test::TempDir dir;
    const fs::path target = dir / "PK001.FSH";
    const Bytes before = test::ReadBytes(test::SampleJerseyPath(1));
    const Bytes after(1000, 0x42);
    // Another program reading the archive: the C runtime's fopen (which does not let others delete or
    // rename the file), then a reader that does.
    for (const DWORD share : {DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE),
                              DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)})
    {
        test::WriteBytes(target, before);
        HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        Status saved = WriteFileAtomic(target, after);
        CloseHandle(held);
        // Whether Windows lets the rename replace an open file depends on its version and the sharing; what
        // must hold is that the archive is wholly old or wholly new, with nothing left beside it.
        if (saved.ok())
        {
            EXPECT_EQ(test::ReadBytes(target), after);
        }
        else
        {
            EXPECT_NE(saved.error().find("PK001.FSH"), std::string::npos) << saved.error();
            EXPECT_NE(saved.error().find("another program"), std::string::npos) << saved.error();
            EXPECT_EQ(test::ReadBytes(target), before);
            // Once the other program lets go, the same save goes through.
            EXPECT_TRUE(WriteFileAtomic(target, after).ok());
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    }
}

TEST(WindowsFiles, ExclusiveCreationRefusesATakenName)
{
    // The temporary files rely on it: msvcrt's fopen ignores or rejects "x", _wopen's _O_EXCL does not.
    auto first = CreateTempFile(".bmp");
    ASSERT_TRUE(first.ok()) << first.error();
    const int again = _wopen(first->c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    EXPECT_EQ(again, -1);
    EXPECT_EQ(errno, EEXIST);
    RemoveFileQuietly(*first);
}

// A private key under HKEY_LOCAL_MACHINE, removed afterwards; skipped where the test may not write there
// (real Windows without administrator rights).
class RegistryKey : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_name = "Software\\Tarnix test " + std::to_string(std::random_device{}());
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, PathFromText(m_name).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &m_key, nullptr) != ERROR_SUCCESS)
        {
            m_key = nullptr;
            GTEST_SKIP() << "cannot write to HKEY_LOCAL_MACHINE here";
        }
    }
    void TearDown() override
    {
        if (m_key != nullptr)
        {
            RegCloseKey(m_key);
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, PathFromText(m_name).c_str());
        }
    }
    void Set(const std::string& name, DWORD type, const std::wstring& text)
    {
        ASSERT_EQ(RegSetValueExW(m_key, PathFromText(name).c_str(), 0, type,
                                 reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    std::string m_name;
    HKEY m_key = nullptr;
};

TEST_F(RegistryKey, StringValuesAreReadWholeInUtf8)
{
    const std::wstring longFolder = L"D:\\Spiele \u00e4\u7403\\" + std::wstring(400, L'x');
    Set("Path", REG_SZ, longFolder);
    Set("", REG_SZ, L"default");
    Set("Expand", REG_EXPAND_SZ, L"%ProgramFiles%\\EA");
    const DWORD number = 1;
    RegSetValueExW(m_key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);

    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, m_name, "PATH"),
              PathText(fs::path(longFolder))); // value names ignore case, as the registry does
    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, m_name, ""), "default");
    EXPECT_EQ(ReadRegistryString(RegistryRoot::LocalMachine, m_name, "Expand"), "%ProgramFiles%\\EA");
    EXPECT_FALSE(ReadRegistryString(RegistryRoot::LocalMachine, m_name, "Number"));
    EXPECT_FALSE(ReadRegistryString(RegistryRoot::LocalMachine, m_name, "Missing"));
    EXPECT_TRUE(RegistryKeyExists(RegistryRoot::LocalMachine, m_name));
    EXPECT_FALSE(RegistryKeyExists(RegistryRoot::LocalMachine, m_name + "\\none"));
    EXPECT_FALSE(ReadRegistryString(RegistryRoot::LocalMachine, m_name + "\\none", "Path"));
}

#endif
