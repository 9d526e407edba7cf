// Saving arbitrary part bitmaps over a valid sample archive. Pieces: a choice (sample jersey, colours,
// whether to go through files), the label's bytes, then the composed front, back, long sleeve and short
// sleeve as bitmap files. In memory the patched archive must keep its header, directory and palettes and
// read back the trailer written; through files a failed save must leave the target as it was and no
// temporary file behind, and a successful one must write exactly the archive patched in memory.

#include "FuzzInput.h"
#include "SampleParts.h"
#include "archive/Cp1252.h"
#include "archive/FileIO.h"
#include "archive/SaveJersey.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <unistd.h>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

// libFuzzer ends a run with _Exit, so nothing can clean up behind it: each process works in a folder named
// after its id and removes the folders of processes that are gone.
const fs::path& Folder()
{
    static const fs::path folder = []
    {
        // A memory file system where there is one: the saver syncs every file it writes, which on a disk
        // would make each run take milliseconds.
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        const std::string prefix = "tarnix-fuzz-save-";
        for (const auto& entry : fs::directory_iterator(base, ec))
        {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0 && kill(std::atoi(name.c_str() + prefix.size()), 0) != 0 &&
                errno == ESRCH)
            {
                fs::remove_all(entry.path(), ec);
            }
        }
        fs::path made = base / (prefix + std::to_string(getpid()));
        fs::create_directories(made);
        return made;
    }();
    return folder;
}

std::set<std::string> Listing(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
    {
        names.insert(entry.path().filename().string());
    }
    return names;
}

void Write(const fs::path& path, ByteView bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    fuzz::Expect(file != nullptr);
    fuzz::Expect(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    fuzz::Expect(std::fclose(file) == 0);
}

// Header, directory and every palette block: saving never writes them.
void ExpectUntouched(const Bytes& before, const Bytes& after)
{
    const FshDirectory directory = ReadDirectory(before);
    const std::size_t head = kFshHeaderSize + directory.records.size() * kDirectoryRecordSize;
    fuzz::Expect(std::equal(before.begin(), before.begin() + head, after.begin()));
    for (const DirectoryRecord& record : directory.records)
    {
        auto entry = LocateEntry(before, directory, {record.name}, EntryNeeds::TypedPalette, "sample");
        fuzz::Expect(entry.ok());
        const std::size_t from = entry->PaletteHeaderOffset();
        const std::size_t to = entry->PaletteOffset() + 768;
        fuzz::Expect(std::equal(before.begin() + from, before.begin() + to, after.begin() + from));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto pieces = fuzz::SplitInput<6>(data, size);
    const ByteView choice = pieces[0];
    const std::string labelBytes(pieces[1].begin(), pieces[1].end());
    const auto& jerseys = fuzz::SampleJerseys();
    const std::uint8_t pick = choice.empty() ? 0 : choice[0];
    const fuzz::SampleJersey& jersey = jerseys[(pick & 0x7F) % jerseys.size()];
    KitColours colours{};
    for (int k = 0; k < kKitColourCount; ++k)
    {
        colours[k] = std::size_t(k + 1) < choice.size() ? choice[k + 1] % kNamedColourCount : k;
    }

    PartPictures parts;
    bool decoded = true;
    for (Part part : kAllParts)
    {
        auto bitmap = DecodeBmp8(pieces[2 + static_cast<int>(part)], PartName(part));
        decoded = decoded && bitmap.ok();
        if (bitmap)
        {
            parts[static_cast<int>(part)] = std::move(*bitmap);
        }
    }
    Bytes patched = jersey.archive;
    const JerseyColours record = SavedRecord(colours);
    Status inMemory = decoded ? PatchArchive(patched, parts, record, labelBytes, "sample") : Status::Fail("");
    if (inMemory)
    {
        ExpectUntouched(jersey.archive, patched);
        JerseyColours read{};
        const std::string label = ReadTrailer(patched, read);
        fuzz::Expect(read == record);
        fuzz::Expect(label == labelBytes.substr(0, std::min(labelBytes.find('\0'), kMaxLabelRead)));
    }
    else
    {
        fuzz::Expect(patched == jersey.archive);
    }

    if ((pick & 0x80) == 0)
    {
        return 0;
    }
    const fs::path folder = Folder();
    SaveRequest request;
    request.source = folder / "source.fsh";
    request.target = folder / "target.fsh";
    request.colours = colours;
    request.label = DecodeCp1252(labelBytes);
    request.keepBackup = false; // the tests cover the copies; a fuzzer must not fill the user's data folder
    Write(request.source, jersey.archive);
    for (Part part : kAllParts)
    {
        request.composed[static_cast<int>(part)] = folder / (std::string(PartName(part)) + ".bmp");
        Write(request.composed[static_cast<int>(part)], pieces[2 + static_cast<int>(part)]);
    }
    const auto before = ReadWholeFile(request.target);
    const std::set<std::string> listing = Listing(folder);
    JerseyColours written{};
    Status saved = SaveJersey(request, written);
    const auto after = ReadWholeFile(request.target);
    fuzz::Expect(Listing(folder) == listing || (!before && Listing(folder).size() == listing.size() + 1));
    if (saved)
    {
        fuzz::Expect(inMemory.ok() && after.ok() && *after == patched && written == record);
    }
    else
    {
        fuzz::Expect(before.ok() == after.ok() && (!before || *before == *after));
    }
    return 0;
}
