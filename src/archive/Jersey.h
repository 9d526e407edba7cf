#pragma once

// Opening a jersey: the jersey check, the jersey number, the trailer's colours and label, the front as a
// preview bitmap and the kit recolouring of a colour table.

#include "archive/Bmp.h"
#include "archive/ByteReader.h"
#include "archive/Fsh.h"
#include "archive/JerseyTypes.h"
#include "archive/Result.h"

#include <filesystem>
#include <string>

namespace tarnix
{

// True when the archive's directory holds a record named "hjfr".
bool IsJerseyArchive(ByteView archive);
bool IsJerseyFile(const std::filesystem::path& path);

// IsJerseyFile with the reason when it is not: the file cannot be read (missing, a device or pipe, too
// large, ...) or it has no "hjfr" record. The message names the file.
Status CheckJerseyFile(const std::filesystem::path& path);

// The game's textures folder under `gameFolder`, found whatever the letter case of its components.
std::filesystem::path TexturesFolderFor(const std::filesystem::path& gameFolder);

// The jersey number of an archive: the digits after "PK0" at the start of its file name (any case), when
// the game folder is known and the archive lies directly in its textures folder; otherwise 0.
int JerseyNumber(const std::filesystem::path& archive, const std::filesystem::path& gameFolder);

struct JerseyInfo
{
    int number = 0;
    std::string label;      // UTF-8
    std::string labelBytes; // as stored (Windows-1252)
    // Why the file could not be read, or empty. Colours and label are then unknown, not absent: saving
    // on them would replace the jersey's own with the defaults.
    std::string readError;
};

// Derives the jersey number and reads the trailer into `colours` (see ReadTrailer). A missing or unreadable
// file has an empty label, leaves `colours` as it was and says why in `readError`; a file without the
// magic is a jersey without a trailer.
JerseyInfo ReadJerseyInfo(const std::filesystem::path& archive, const std::filesystem::path& gameFolder,
                          JerseyColours& colours);

// The front (128 x 128, palette always four-byte) or another part (palette by its record type), as a
// bitmap with the archive's own colours.
Result<Bitmap8> ReadPartImage(ByteView archive, Part part, const std::string& archiveName);
// Its palette alone, as ReadPartImage reads it.
Result<ColourTable> ReadPartPalette(ByteView archive, Part part, const std::string& archiveName);

// The same with the archive's directory already read: readers that take several parts read it once, as a
// damaged count can make it thousands of records long.
Result<Bitmap8> ReadPartImage(ByteView archive, const FshDirectory& directory, Part part,
                              const std::string& archiveName);

// The preview bitmap file of the front: exactly 17,462 bytes.
Result<Bytes> BuildPreview(ByteView archive, const std::string& archiveName);

// Writes the preview bitmap of `archive` to `out`; nothing is written on failure.
Status ExtractPreview(const std::filesystem::path& archive, const std::filesystem::path& out);

// Replaces palette groups 2-8 by the shade ramps of the seven kit colours and group 12 by the grey ramp.
// A kit colour outside 0-23 has no ramp: its group keeps the colours it has.
void RecolourColourTable(ColourTable& colours, const JerseyColours& record);

} // namespace tarnix
