#include "ui/CoreMessageTemplates.h"

#include <QtGlobal>

namespace tarnix
{

namespace
{

// Each text as the core writes it, with its quoted names, plain numbers, colours (#RRGGBB), part names and
// lists standing as %1, %2, ... A long message is matched whole first and else a part at a time ("head:
// tail", "first; second", one line at a time), so a head or a cause that several messages share is one entry.
constexpr const char* kTemplates[] = {
    // Files: opening, reading, writing, replacing, and the C library's causes.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot open %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot read %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot write %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot replace %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot set the permissions of %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "it exists and is not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a folder, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a device or pipe, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a pipe, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a socket, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a device, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is too large to be a game file (%2 bytes; files of at most %3 MiB are read)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot find the temporary folder"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot create a temporary file in %1"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 was written, but its folder could not be flushed to the disk, so the change may not survive a "
        "crash"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "no file name given to write to"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "out of memory"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "No such file or directory"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Permission denied"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Permission denied (is it open in another program?)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Is a directory"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Not a directory"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "No space left on device"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Read-only file system"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Input/output error"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "File exists"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "File name too long"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Operation not permitted"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Invalid argument"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Too many open files"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Device or resource busy"),
    // Backups.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "cannot keep a backup of %1 before replacing it, so nothing was saved"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot find the folder for backups"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "LOCALAPPDATA is not set"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "neither XDG_DATA_HOME nor HOME is set"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot create the folder %1"),
    // Jersey archives.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is not a jersey file: it has no entry %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 has no entry %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 has no entry %2 or %3"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 has no entry %2 (its directory runs past the end of the file)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 has no entry %2 or %3 (its directory runs past the end of the file)"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has no entry %2 (its directory lists %3 records, but only %4 lie before the entries' data)"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has no entry %2 or %3 (its directory lists %4 records, but only %5 lie before the entries' data)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "entry %1 of %2 at offset %3 overlaps the archive's header"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "entry %1 of %2 at offset %3 runs past the end of the file (%4 bytes)"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "entry %1 of %2 at offset %3 lies behind the archive's total size (%4); the header is damaged"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "the total size in the header of %1 (%2) does not fit its length (%3 bytes)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "no thumbnail written"),
    // Saving.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Please specify a file to save to."),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "The file name %1 ends in a space or a dot, which Windows drops from file names. Please remove it."),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "The label %1 holds characters that a jersey file cannot store: it holds only Western European "
        "characters (Windows-%2). Please change the label."),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "kit colour %1 is not one of the %2 named colours"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the composed %1 is %2 x %3 pixels instead of %4 x %5"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the composed %1 bitmap"),
    // Bitmaps.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is not a BMP bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is truncated inside its header (%2 bytes)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is truncated inside its OS/%2 header"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has an unsupported or truncated bitmap header (%2 bytes); save it as a Windows BMP or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is an OS/%2 bitmap with Huffman compression; save it as a plain BMP or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is truncated inside its colour masks"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is a %2-bit bitmap; save it as an %3-bit (%4-colour) or %5-bit BMP, or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is RLE-compressed at %2 bits; save it as an uncompressed BMP or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is a JPEG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is a PNG picture wrapped in a BMP; save it as an uncompressed BMP or as PNG"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 is compressed in a way BMP readers rarely know (compression %2); save it as an uncompressed BMP "
        "or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 has an unusable size of %2 x %3 pixels"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 declares %2 colours; an indexed bitmap has at most %3"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is truncated inside its colour table"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has no colour table before its pixels; save it again as an %2-bit (%3-colour) BMP or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is RLE-compressed and its data ends after %2 of its %3 rows"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is RLE-compressed and its data ends inside a jump"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is RLE-compressed and its data ends inside row %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is RLE-compressed and its %2 bytes of data cannot hold %3 x %4 pixels"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 has colour masks with gaps; save it as a plain %2-bit BMP or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is truncated: its %2 rows of %3 %4-bit pixels do not fit in its %5 bytes"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 has more than %2 colours"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has transparent pixels (the first at (%2, %3)); paint them with a jersey colour and save without "
        "transparency"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is neither a BMP nor a PNG picture; save it as BMP or PNG"),
    // PNG pictures; %2 of "is a damaged PNG (%2)" is the PNG library's own reason, kept as it is.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a damaged PNG (%2)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a damaged PNG (no IHDR chunk where the header belongs)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a damaged PNG (image width %2 in IHDR, not %3 to %4)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a damaged PNG (image height %2 in IHDR, not %3 to %4)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is too short (%2 bytes) for its %3 x %4 pixels"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is too large (%2 bytes) for a picture"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has transparent pixels (the first at (%2, %3), alpha %4); paint them with a jersey colour and save "
        "without transparency"),
    // The designs coming back from the bitmap editor.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "the jersey's parts have not been prepared for the bitmap editor (see the design page)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "the jersey's pictures have not been prepared for the bitmap editor (see the design page)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is %2 x %3 pixels; it must stay %4 x %5"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 uses colour index %2, but its colour table has only %3 colours"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has %2 pixel in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only "
        "with the bitmap's own colours (the jersey palette), or choose to map other colours to the nearest "
        "jersey colour"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has %2 pixels in colours the bitmap was not exported with (the first at (%3, %4), %5); paint only "
        "with the bitmap's own colours (the jersey palette), or choose to map other colours to the nearest "
        "jersey colour"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 no longer share their exported colour table; without the colour tables they were exported with "
        "their colours cannot be mapped back"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has %2 pixel in colours far from every colour the part can take (the first at (%3, %4), %5); the "
        "kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours "
        "to the nearest kit shade"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has %2 pixels in colours far from every colour the part can take (the first at (%3, %4), %5); the "
        "kit colours closest to it: %6 (choose one of them for a kit colour), or choose to map such colours "
        "to the nearest kit shade"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "the record of what was exported has no %1 picture; export the pictures again"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot encode %1 as PNG"),
    // What mapping the nearest colours did, part by part.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 changed pixel"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 changed pixels"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 in colours the kit shows (%2)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 edge or shading pixel to %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 edge or shading pixels to %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 far colour to the nearest kit shade, %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 far colours to the nearest kit shade, %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 (group %2) %3"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the badge ramp (group %1) %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "fixed group %1 %2"),
    // The record of the exported pictures, kept between runs.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the record of the exported pictures is damaged at line %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "it does not start with %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "expected %1 and seven kit colours"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "kit colour %1 is not a number from -%2 to %3"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "expected %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "expected sixteen colours RRGGBB"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "expected a row of %1 indices in hex"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "unexpected text after the short sleeve"),
    // The team database.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "no game folder is set"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot read the team database"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot read the team names"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "FCDB.DBI is too short to be a team database (%1 bytes)"),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "FCDB.DBI is not a team database: its records are %1 bytes long, fewer than the %2 every record holds"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "FCDB_ENG.DBI has no name for record %1 of %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "FCDB.DBI ends inside record %1 of %2 (offset %3, %4 bytes each)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "FCDB.DBI is too short to hold its league sections"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "FCDB.DBI ends before league section %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "FCDB.DBI ends inside league section %1"),
    // Names the core puts into its messages: the parts, alone and in the phrases it builds with them.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "front"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "back"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "long sleeve"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "short sleeve"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the front design bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the back design bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the long sleeve design bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the short sleeve design bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the front shade bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the back shade bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the long sleeve shade bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the short sleeve shade bitmap"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the front picture"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the back picture"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the long sleeve picture"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the short sleeve picture"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the front design and shade bitmaps"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the back design and shade bitmaps"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the long sleeve design and shade bitmaps"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "the short sleeve design and shade bitmaps"),
    // The kit's colour groups.
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "jersey 1st"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "jersey 2nd"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "jersey 3rd"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "shorts 1st"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "shorts 2nd"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "socks 1st"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "socks 2nd"),
};

} // namespace

std::span<const char* const> CoreMessageTemplates()
{
    return kTemplates;
}

} // namespace tarnix
