#pragma once

// Texts stored by the game and in our archive trailer are single-byte Windows-1252 text.

#include <optional>
#include <string>
#include <string_view>

namespace tarnix
{

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined map to the C1 controls
// of the same value, as Windows itself does, so every byte sequence decodes.
std::string DecodeCp1252(std::string_view bytes);

// UTF-8 to Windows-1252 bytes; nullopt when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot store.
std::optional<std::string> EncodeCp1252(std::string_view utf8);

} // namespace tarnix
