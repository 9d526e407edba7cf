#pragma once

// Reading the Windows registry through its wide API, with names and values in UTF-8. Elsewhere there is
// no registry: every read finds nothing.

#include <optional>
#include <string>

namespace tarnix
{

enum class RegistryRoot
{
    LocalMachine,
    ClassesRoot,
};

// Which registry a 64-bit program reads on 64-bit Windows: its own view, or the one 32-bit programs such
// as the game's installer see (under Wow6432Node).
enum class RegistryView
{
    Native,
    ThirtyTwoBit,
};

// A string value (REG_SZ, or REG_EXPAND_SZ as stored, unexpanded) of `subKey` under `root`; an empty
// `valueName` reads the key's default value. Nullopt when the key cannot be opened for querying or the
// value is missing or no string. The whole value is read, however long.
std::optional<std::string> ReadRegistryString(RegistryRoot root, const std::string& subKey,
                                              const std::string& valueName,
                                              RegistryView view = RegistryView::Native);

// Whether `subKey` under `root` exists and can be opened for querying.
bool RegistryKeyExists(RegistryRoot root, const std::string& subKey, RegistryView view = RegistryView::Native);

} // namespace tarnix
