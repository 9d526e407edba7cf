#include "platform/GameLocation.h"

#include "archive/FileIO.h"
#include "platform/WindowsRegistry.h"
#include "platform/WineRegistry.h"

#include <cstdlib>

namespace tarnix
{

namespace fs = std::filesystem;

namespace
{

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

fs::path HomeFolder()
{
#ifdef _WIN32
    const char* home = std::getenv("USERPROFILE");
#else
    const char* home = std::getenv("HOME");
#endif
    return home != nullptr ? PathFromText(home) : fs::path();
}

} // namespace

std::optional<fs::path> WindowsPathInPrefix(const fs::path& prefix, const std::string& windowsPath)
{
    const bool letter = windowsPath.size() >= 2 && ((windowsPath[0] >= 'a' && windowsPath[0] <= 'z') ||
                                                    (windowsPath[0] >= 'A' && windowsPath[0] <= 'Z'));
    if (!letter || windowsPath[1] != ':')
    {
        return std::nullopt;
    }
    const std::string drive = {LowerAscii(windowsPath[0]), ':'};
    std::error_code ec;
    // Wine names the links in lower case; a hand-made prefix may not.
    fs::path link = FindCaseInsensitive(prefix / "dosdevices", drive);
    fs::path base = fs::canonical(link, ec);
    if (ec && drive == "c:" && fs::is_directory(prefix / "drive_c", ec))
    {
        base = fs::canonical(prefix / "drive_c", ec);
    }
    if (ec || base.empty())
    {
        return std::nullopt;
    }
    fs::path relative;
    std::size_t start = 2;
    while (start <= windowsPath.size())
    {
        std::size_t end = windowsPath.find_first_of("\\/", start);
        if (end == std::string::npos)
        {
            end = windowsPath.size();
        }
        const std::string component = windowsPath.substr(start, end - start);
        if (!component.empty() && component != ".")
        {
            relative /= PathFromText(component);
        }
        start = end + 1;
    }
    const fs::path found = relative.empty() ? base : FindCaseInsensitive(base, relative);
    if (!fs::is_directory(found, ec))
    {
        return std::nullopt;
    }
    return found.lexically_normal();
}

std::optional<fs::path> FindGameInWinePrefix(const fs::path& prefix)
{
    auto text = ReadWholeFile(prefix / "system.reg");
    if (!text)
    {
        return std::nullopt;
    }
    const std::string_view registry(reinterpret_cast<const char*>(text->data()), text->size());
    const std::string key = kGameRegistrationKey;
    RegistryLookup lookup = ReadWineRegistryValue(registry, key, "Path");
    if (!lookup.keyFound)
    {
        // A 32-bit installer in a 64-bit prefix writes under Wow6432Node.
        std::string wowKey = key;
        wowKey.replace(0, std::string("Software\\").size(), "Software\\Wow6432Node\\");
        lookup = ReadWineRegistryValue(registry, wowKey, "Path");
    }
    if (!lookup.keyFound)
    {
        return std::nullopt;
    }
    if (!lookup.value || lookup.value->empty())
    {
        return fs::path();
    }
    // A Windows path that leads nowhere here is of no use to the user.
    return WindowsPathInPrefix(prefix, *lookup.value);
}

fs::path DefaultWinePrefix()
{
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0')
    {
        return PathFromText(prefix);
    }
    return HomeFolder() / ".wine";
}

std::optional<fs::path> FindGameFolder()
{
#ifdef _WIN32
    // The game is a 32-bit program: on 64-bit Windows its installer wrote to the 32-bit view. The whole
    // value is read, where a fixed buffer of 100 bytes would cut a long folder name short.
    for (RegistryView view : {RegistryView::ThirtyTwoBit, RegistryView::Native})
    {
        if (RegistryKeyExists(RegistryRoot::LocalMachine, kGameRegistrationKey, view))
        {
            return PathFromText(
                ReadRegistryString(RegistryRoot::LocalMachine, kGameRegistrationKey, "Path", view).value_or(""));
        }
    }
    return std::nullopt;
#else
    return FindGameInWinePrefix(DefaultWinePrefix());
#endif
}

fs::path GameSearchStartFolder()
{
#ifdef _WIN32
    return fs::path(L"C:\\");
#else
    return WindowsPathInPrefix(DefaultWinePrefix(), "C:\\").value_or(HomeFolder());
#endif
}

} // namespace tarnix
