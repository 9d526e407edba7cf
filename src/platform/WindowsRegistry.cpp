#include "platform/WindowsRegistry.h"

#ifdef _WIN32
#include "archive/FileIO.h"

#include <vector>
#include <windows.h>
#endif

namespace tarnix
{

#ifdef _WIN32

namespace
{

std::wstring Wide(const std::string& utf8)
{
    return PathFromText(utf8).wstring();
}

HKEY RootKey(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT;
}

REGSAM Access(RegistryView view)
{
    return KEY_QUERY_VALUE | (view == RegistryView::ThirtyTwoBit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY);
}

// Closes the key on every path out.
class OpenKey
{
  public:
    OpenKey(RegistryRoot root, const std::string& subKey, RegistryView view)
    {
        if (RegOpenKeyExW(RootKey(root), Wide(subKey).c_str(), 0, Access(view), &m_key) != ERROR_SUCCESS)
        {
            m_key = nullptr;
        }
    }
    ~OpenKey()
    {
        if (m_key != nullptr)
        {
            RegCloseKey(m_key);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

} // namespace

std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& subKey,
                                              const std::string& valueName, RegistryView view)
{
    OpenKey key(root, subKey, view);
    if (key.get() == nullptr)
    {
        return std::nullopt;
    }
    const std::wstring name = Wide(valueName);
    // Ask for the size first: a value may be longer than any fixed buffer. It can grow between the two
    // calls, hence the loop on ERROR_MORE_DATA.
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<wchar_t> buffer;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)
    {
        if (type != REG_SZ && type != REG_EXPAND_SZ)
        {
            return std::nullopt;
        }
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                  &got);
        if (status == ERROR_SUCCESS)
        {
            // The stored text need not end with a terminator, or may carry several: it ends at the first.
            std::wstring text(buffer.data(), got / sizeof(wchar_t));
            text = text.substr(0, text.find(L'\0'));
            return PathText(std::filesystem::path(text));
        }
        size = got;
    }
    return std::nullopt;
}

bool RegistryKeyExists(RegistryRoot root, const std::string& subKey, RegistryView view)
{
    return OpenKey(root, subKey, view).get() != nullptr;
}

#else

std::optional<std::string> ReadRegistryString(RegistryRoot, const std::string&, const std::string&, RegistryView)
{
    return std::nullopt;
}

bool RegistryKeyExists(RegistryRoot, const std::string&, RegistryView)
{
    return false;
}

#endif

} // namespace tarnix
