// Writes the seed corpora of the fuzz harnesses from the sample tools: one folder per harness under the
// folder given on the command line. Seeds are regenerated at every build, so nothing large is committed.

#include "FuzzInput.h"
#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/KitColours.h"
#include "archive/PartExport.h"
#include "archive/ShirtPictures.h"
#include "sample/SampleArchive.h"
#include "sample/SampleJerseys.h"
#include "sample/SampleTeams.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

bool Write(const fs::path& folder, const std::string& name, const Bytes& bytes)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    Status written = WriteFileAtomic(folder / name, bytes);
    if (!written)
    {
        std::fprintf(stderr, "make_seeds: %s\n", written.error().c_str());
    }
    return written.ok();
}

// Editors save with longer info headers and sometimes top-down rows; the readers must take both.
Bytes EditorVariant(const Bitmap8& bitmap)
{
    Bytes plain = EncodeBmp8(bitmap);
    Bytes out(plain.begin(), plain.begin() + 54);
    PutU32(out, 14, 124);
    out.resize(14 + 124, 0);
    out.insert(out.end(), plain.begin() + 54, plain.begin() + 1078);
    PutU32(out, 10, static_cast<std::uint32_t>(out.size()));
    const std::size_t stride = (plain.size() - 1078) / bitmap.height;
    for (int row = bitmap.height - 1; row >= 0; --row)
    {
        out.insert(out.end(), plain.begin() + 1078 + row * stride, plain.begin() + 1078 + (row + 1) * stride);
    }
    PutU32(out, 22, static_cast<std::uint32_t>(-bitmap.height));
    PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: tarnix-fuzz-seeds <corpus folder>\n");
        return 2;
    }
    const fs::path root = argv[1];
    bool ok = true;
    const std::vector<sample::JerseySpec> specs = sample::SampleJerseySpecs();

    for (const sample::JerseySpec& spec : specs)
    {
        const Bytes archive = sample::BuildJersey(spec);
        const std::string name = sample::JerseyFileName(spec.number);
        for (const char* harness : {"fuzz_jersey", "fuzz_export", "fuzz_thumbnail"})
        {
            ok &= Write(root / harness, name, archive);
        }
    }

    // Small archives besides the whole jerseys: most of what the readers decide (directory, lookups,
    // palettes, trailer) shows in a few hundred bytes, and a fuzzer mutates and runs small inputs many times
    // faster than 55 KB ones. Entries not named in the directory tables get a tiny geometry of their own.
    auto small = [&](const std::string& name, const std::vector<sample::EntrySpec>& entries)
    {
        for (const char* harness : {"fuzz_jersey", "fuzz_export", "fuzz_thumbnail"})
        {
            ok &= Write(root / harness, "small " + name, sample::BuildArchive(entries));
        }
    };
    sample::EntrySpec luga{"luga"};
    sample::EntrySpec lgar{"lgar", 0, 0, {}, sample::kPaletteType24};
    sample::EntrySpec frmd{"frmd"};
    sample::EntrySpec stray{"xxxx", 2, 2};
    small("sleeves", {luga, lgar, stray});
    small("frmd", {frmd, stray});
    small("stray", {stray, sample::EntrySpec{"ljer", 0, 0, {}, sample::kPaletteType24}});

    const PartPictures parts = sample::DrawJerseyParts(specs.front());
    for (Part part : kAllParts)
    {
        const std::string name = std::string(PartName(part)) + ".bmp";
        ok &= Write(root / "fuzz_bmp", name, EncodeBmp8(parts[int(part)]));
        ok &= Write(root / "fuzz_bmp", "editor " + name, EditorVariant(parts[int(part)]));
    }

    // Composition: a choice byte (part, sample jersey), then the exported design and shade bitmaps, once as
    // exported and once with the design re-saved the way editors do.
    for (std::size_t j = 0; j < 2; ++j)
    {
        const Bytes archive = sample::BuildJersey(specs[j]);
        const auto files = BuildPartBitmaps(archive, "sample");
        for (Part part : kAllParts)
        {
            const std::uint8_t choice = static_cast<std::uint8_t>(int(part) | (j << 2));
            const Bytes& design = (*files)[DesignSlot(part)];
            const Bytes& shade = (*files)[ShadeSlot(part)];
            Bytes seed;
            fuzz::AppendPiece(seed, ByteView(&choice, 1));
            fuzz::AppendPiece(seed, design);
            seed.insert(seed.end(), shade.begin(), shade.end());
            ok &= Write(root / "fuzz_compose", std::to_string(j) + " " + PartName(part), seed);

            seed.clear();
            fuzz::AppendPiece(seed, ByteView(&choice, 1));
            fuzz::AppendPiece(seed, EditorVariant(*DecodeBmp8(design, "design")));
            seed.insert(seed.end(), shade.begin(), shade.end());
            ok &= Write(root / "fuzz_compose", std::to_string(j) + " editor " + PartName(part), seed);
        }
    }

    // Reading pictures back: a choice byte (part, sample jersey), the part's picture as exported, then the
    // record of the export; once as exported and once with a band painted across in another colour. The
    // record is 64 KB of text, which slows every execution down: only the first seed carries it, the
    // others leave it empty and the harness takes the sample jersey's own.
    for (std::size_t j = 0; j < 2; ++j)
    {
        const Bytes archive = sample::BuildJersey(specs[j]);
        PictureReference reference;
        const auto pictures = RenderPartPictures(archive, "sample", kDefaultKitColours, &reference);
        const std::string record = PictureReferenceText(reference);
        for (Part part : kAllParts)
        {
            const std::uint8_t choice[8] = {
                static_cast<std::uint8_t>(int(part) | (j << 2)), 1, 20, 13, 1, 6, 1, 6};
            RgbPicture painted = (*pictures)[int(part)];
            for (int y = 10; y < 14; ++y)
            {
                for (int x = 0; x < painted.width; ++x)
                {
                    painted.pixels[std::size_t(y * painted.width + x)] = y == 10 ? 0x6B5A8C : ShadeRamps[13][15];
                }
            }
            for (const auto& [name, picture] : {std::pair{"", &(*pictures)[int(part)]},
                                                std::pair{"band ", static_cast<const RgbPicture*>(&painted)}})
            {
                Bytes seed;
                fuzz::AppendPiece(seed, ByteView(choice, sizeof choice));
                fuzz::AppendPiece(seed, EncodePng(*picture));
                if (j == 0 && part == Part::Back && name[0] == '\0')
                {
                    seed.insert(seed.end(), record.begin(), record.end());
                }
                ok &= Write(root / "fuzz_pictures", std::to_string(j) + " " + name + PartName(part), seed);
            }
        }
    }

    // Saving: a choice (sample jersey, through files or not, the seven colours), the label, then the four
    // composed parts as bitmaps.
    for (std::size_t j = 0; j < 3; ++j)
    {
        const Bytes archive = sample::BuildJersey(specs[j]);
        const std::uint8_t choice[8] = {
            static_cast<std::uint8_t>(j | (j == 1 ? 0 : 0x80)), 3, 10, 19, 22, 0, 13, 2};
        const std::string label = j == 2 ? std::string(300, 'L') : "Seed label \xe9";
        Bytes seed;
        fuzz::AppendPiece(seed, ByteView(choice, sizeof choice));
        fuzz::AppendPiece(seed, ByteView(reinterpret_cast<const std::uint8_t*>(label.data()), label.size()));
        for (Part part : kAllParts)
        {
            const Bytes bitmap = EncodeBmp8(*ReadPartImage(archive, part, "sample"));
            if (part == Part::ShortSleeve)
            {
                seed.insert(seed.end(), bitmap.begin(), bitmap.end());
            }
            else
            {
                fuzz::AppendPiece(seed, bitmap);
            }
        }
        ok &= Write(root / "fuzz_save", "sample " + std::to_string(j), seed);
    }

    // Team databases: FCDB.DBI and FCDB_ENG.DBI as two pieces of one input.
    auto teamSeed = [&](const std::string& name, const sample::DatabaseSpec& spec)
    {
        Bytes seed;
        fuzz::AppendPiece(seed, sample::BuildTeamDatabase(spec));
        Bytes names = sample::BuildTeamNames(spec);
        seed.insert(seed.end(), names.begin(), names.end());
        ok &= Write(root / "fuzz_teams", name, seed);
    };
    teamSeed("sample", sample::SampleDatabaseSpec());
    teamSeed("large", sample::LargeDatabaseSpec(100, 20));
    sample::DatabaseSpec odd = sample::SampleDatabaseSpec();
    odd.recordSize = 80;
    odd.nulAfterLastName = false;
    teamSeed("wide records", odd);
    return ok ? 0 : 1;
}
