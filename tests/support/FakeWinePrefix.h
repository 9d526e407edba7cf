#pragma once

// A Wine prefix as Wine lays it out, generated in a temporary folder: system.reg, drive_c and the
// dosdevices drive links.

#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace tarnix::test
{

class FakeWinePrefix
{
  public:
    FakeWinePrefix()
    {
        std::filesystem::create_directories(m_dir.path() / "drive_c" / "windows");
        std::filesystem::create_directories(m_dir.path() / "dosdevices");
        std::filesystem::create_directory_symlink("../drive_c", m_dir.path() / "dosdevices" / "c:");
    }

    const std::filesystem::path& path() const { return m_dir.path(); }
    std::filesystem::path DriveC() const { return m_dir.path() / "drive_c"; }

    // Writes system.reg holding `keys` (already in the file's escaped form) after Wine's header.
    void WriteSystemReg(const std::string& keys) const
    {
        std::ofstream out(m_dir.path() / "system.reg", std::ios::binary);
        out << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n"
            << "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion] 1600000000\n#time=1d6a1f0c2b3e4f0\n"
            << "\"ProgramFilesDir\"=\"C:\\\\Program Files\"\n\n"
            << keys;
    }

    // The registration the game's installer leaves, with `windowsPath` as its "Path" value.
    static std::string GameRegistration(
        const std::string& windowsPath,
        const std::string& key = "Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\fifa99.exe")
    {
        return "[" + key + "] 1600000001\n#time=1d6a1f0c2b3e4f1\n@=\"" + Escaped(windowsPath) +
               "\\\\fifa99.exe\"\n\"Path\"=\"" + Escaped(windowsPath) + "\"\n\n";
    }

    static std::string Escaped(const std::string& text)
    {
        std::string out;
        for (char c : text)
        {
            if (c == '\\' || c == '"')
            {
                out += '\\';
            }
            out += c;
        }
        return out;
    }

  private:
    TempDir m_dir;
};

} // namespace tarnix::test
