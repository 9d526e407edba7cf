#pragma once

// Wine keeps its registry in text files in the prefix (system.reg for HKEY_LOCAL_MACHINE, user.reg for
// HKEY_CURRENT_USER). Reading one needs no Wine: the game's registration of a Linux user is found here.

#include <optional>
#include <string>
#include <string_view>

namespace tarnix
{

struct RegistryLookup
{
    bool keyFound = false;
    std::optional<std::string> value; // a string value (REG_SZ or REG_EXPAND_SZ), unescaped, as UTF-8
};

// A string value of a Wine registry file (its bytes, which Wine writes in ASCII with escapes). Key and
// value names are compared without regard to ASCII letter case, as the registry does; an empty
// `valueName` asks for the key's default value ("@").
RegistryLookup ReadWineRegistryValue(std::string_view registryText, std::string_view key,
                                     std::string_view valueName);

// UTF-16 code units as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

} // namespace tarnix
