// Archive operations on a sample jersey, each beside a plain in-memory copy of the bytes it reads and
// writes. The "InMemory" cases run the core on bytes already read; the "Files" cases add the file layer
// (one read per input, one atomic, flushed write per output) and compare with copying the same files.

#include "archive/Bmp.h"
#include "archive/ColourMapping.h"
#include "archive/Compose.h"
#include "archive/FileIO.h"
#include "archive/Jersey.h"
#include "archive/SaveJersey.h"
#include "archive/Thumbnail.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>

using namespace tarnix;
namespace fs = std::filesystem;

namespace
{

fs::path SampleJersey()
{
    return fs::path(TARNIX_SAMPLE_GAME) / "Data" / "Player" / "Textures" / "PK001.FSH";
}

const Bytes& Archive()
{
    static const Bytes bytes = *ReadWholeFile(SampleJersey());
    return bytes;
}

const std::array<Bytes, PartSlotCount>& PartBitmaps()
{
    static const auto bitmaps = *BuildPartBitmaps(Archive(), "bench");
    return bitmaps;
}

const std::array<Bytes, 4>& ComposedBitmaps()
{
    static const std::array<Bytes, 4> composed = []
    {
        std::array<Bytes, 4> out;
        for (Part part : kAllParts)
        {
            out[static_cast<int>(part)] = EncodeBmp8(*ReadPartImage(Archive(), part, "bench"));
        }
        return out;
    }();
    return composed;
}

template <typename Container> std::size_t TotalSize(const Container& files)
{
    std::size_t n = 0;
    for (const Bytes& b : files)
    {
        n += b.size();
    }
    return n;
}

// Copies `bytes` bytes of source material into a buffer: what any operation reading and writing that much
// has to do at least.
void CopyBaseline(benchmark::State& state, std::size_t read, std::size_t written)
{
    const std::size_t n = read + written;
    Bytes from(n, 0x5A);
    Bytes to(n);
    for (auto _ : state)
    {
        std::memcpy(to.data(), from.data(), n);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(n));
}

// --- In memory -----------------------------------------------------------------------------------------

void OpenAndPreview(benchmark::State& state)
{
    for (auto _ : state)
    {
        JerseyColours record{};
        benchmark::DoNotOptimize(IsJerseyArchive(Archive()));
        benchmark::DoNotOptimize(ReadTrailer(Archive(), record));
        auto preview = BuildPreview(Archive(), "bench");
        benchmark::DoNotOptimize(preview->data());
    }
}
void OpenAndPreviewCopy(benchmark::State& state)
{
    CopyBaseline(state, Archive().size(), 17462);
}

void Export(benchmark::State& state)
{
    for (auto _ : state)
    {
        auto files = BuildPartBitmaps(Archive(), "bench");
        benchmark::DoNotOptimize(files->data());
    }
}
void ExportCopy(benchmark::State& state)
{
    CopyBaseline(state, Archive().size(), TotalSize(PartBitmaps()));
}

const ExportedTables& KeptTables()
{
    static const ExportedTables tables = *ExportedColourTables(Archive(), "bench");
    return tables;
}

void Compose(benchmark::State& state)
{
    for (auto _ : state)
    {
        // As the wizard and the command line compose: against the tables kept from the export (only the
        // stored palettes are read again), then each part's two bitmaps.
        auto reference = ReferenceFromTables(KeptTables(), Archive(), "bench");
        for (Part part : kAllParts)
        {
            auto design = DecodeEditedImage(PartBitmaps()[DesignSlot(part)], "design");
            auto shade = DecodeEditedImage(PartBitmaps()[ShadeSlot(part)], "shade");
            auto composed = ComposePart(part, *design, *shade, &*reference);
            Bytes out = EncodeBmp8(composed->picture);
            benchmark::DoNotOptimize(out.data());
        }
    }
}
void ComposeCopy(benchmark::State& state)
{
    CopyBaseline(state, TotalSize(PartBitmaps()), TotalSize(ComposedBitmaps()));
}

// Mapping a returned 128 x 128 front design back to its exported indices through its colours, as after
// netpbm or ImageMagick rewrote its table (the used colours in reverse order), beside copying its pixels.
struct MappingInput
{
    EditedImage rewritten;
    EditedImage trueColour;
    ColourTable exported;
    ColourTable palette;
};

const MappingInput& Mapping()
{
    static const MappingInput input = []
    {
        MappingInput in;
        const Bitmap8 design = *DecodeBmp8(PartBitmaps()[FrontDesign], "design");
        in.exported = design.colours;
        in.palette = ReadPartImage(Archive(), Part::Front, "bench")->colours;
        in.rewritten = AsEditedImage(design);
        for (int i = 0; i < 256; ++i)
        {
            std::copy_n(design.colours.begin() + 4 * i, 4, in.rewritten.colours.begin() + 4 * (255 - i));
        }
        for (std::uint8_t& p : in.rewritten.pixels)
        {
            p = static_cast<std::uint8_t>(255 - p);
        }
        in.trueColour.width = design.width;
        in.trueColour.height = design.height;
        in.trueColour.indexed = false;
        for (std::uint8_t p : design.pixels)
        {
            in.trueColour.rgb.push_back(in.rewritten.TableColour(255 - p));
        }
        return in;
    }();
    return input;
}

void MapByColour(benchmark::State& state)
{
    const MappingInput& in = Mapping();
    for (auto _ : state)
    {
        auto mapped = MapToExportedIndices(in.rewritten, in.exported, in.palette, BitmapRole::Design, {}, "front");
        benchmark::DoNotOptimize(mapped->pixels.data());
    }
}
void MapTrueColourByColour(benchmark::State& state)
{
    const MappingInput& in = Mapping();
    for (auto _ : state)
    {
        auto mapped =
            MapToExportedIndices(in.trueColour, in.exported, in.palette, BitmapRole::Design, {}, "front");
        benchmark::DoNotOptimize(mapped->pixels.data());
    }
}
void MapKeptTable(benchmark::State& state)
{
    EditedImage kept = Mapping().rewritten;
    kept.colours = Mapping().exported;
    for (auto _ : state)
    {
        auto mapped =
            MapToExportedIndices(kept, Mapping().exported, Mapping().palette, BitmapRole::Design, {}, "front");
        benchmark::DoNotOptimize(mapped->pixels.data());
    }
}
// The floors: the pixels read (one byte each, or three in a 24-bit file) and the indices written.
void MapCopy(benchmark::State& state)
{
    CopyBaseline(state, Mapping().rewritten.pixels.size(), Mapping().rewritten.pixels.size());
}
void MapTrueColourCopy(benchmark::State& state)
{
    CopyBaseline(state, 3 * Mapping().rewritten.pixels.size(), Mapping().rewritten.pixels.size());
}

void Save(benchmark::State& state)
{
    const JerseyColours record = SavedRecord({1, 20, 13, 1, 6, 1, 6});
    for (auto _ : state)
    {
        PartPictures parts;
        for (int i = 0; i < 4; ++i)
        {
            parts[i] = *DecodeBmp8(ComposedBitmaps()[i], "composed");
        }
        Bytes archive = Archive();
        Status patched = PatchArchive(archive, parts, record, "Bench label", "bench");
        benchmark::DoNotOptimize(patched.ok());
        benchmark::DoNotOptimize(archive.data());
    }
}
void SaveCopy(benchmark::State& state)
{
    CopyBaseline(state, Archive().size() + TotalSize(ComposedBitmaps()), Archive().size());
}

void Thumbnail(benchmark::State& state)
{
    for (auto _ : state)
    {
        auto thumbnail = BuildThumbnail(Archive(), "bench");
        benchmark::DoNotOptimize(thumbnail->data());
    }
}
void ThumbnailCopy(benchmark::State& state)
{
    CopyBaseline(state, Archive().size(), 5174);
}

// --- Through files ---------------------------------------------------------------------------------------

struct BenchFolder
{
    fs::path path = fs::temp_directory_path() / "tarnix-bench";
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() { fs::remove_all(path); }
};

// Reads `inputs` and atomically writes `outputs` files of the given sizes: the file work any operation
// with those inputs and outputs does.
void FileCopyBaseline(benchmark::State& state, const std::vector<fs::path>& inputs,
                      const std::vector<std::size_t>& outputs, const fs::path& folder)
{
    for (auto _ : state)
    {
        for (const fs::path& in : inputs)
        {
            benchmark::DoNotOptimize(ReadWholeFile(in)->data());
        }
        for (std::size_t i = 0; i < outputs.size(); ++i)
        {
            Bytes out(outputs[i], 0x5A);
            (void)WriteFileAtomic(folder / ("copy" + std::to_string(i)), out);
        }
    }
}

PartFiles PartPaths(const fs::path& folder)
{
    PartFiles files;
    for (int i = 0; i < PartSlotCount; ++i)
    {
        files[i] = folder / ("part" + std::to_string(i) + ".bmp");
    }
    return files;
}

ComposedFiles ComposedPaths(const fs::path& folder)
{
    return {folder / "front.bmp", folder / "back.bmp", folder / "long.bmp", folder / "short.bmp"};
}

void ExportFiles(benchmark::State& state)
{
    BenchFolder folder;
    const PartFiles files = PartPaths(folder.path);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(ExportParts(SampleJersey(), files).ok());
    }
}
void ExportFilesCopy(benchmark::State& state)
{
    BenchFolder folder;
    std::vector<std::size_t> sizes;
    for (const Bytes& b : PartBitmaps())
    {
        sizes.push_back(b.size());
    }
    FileCopyBaseline(state, {SampleJersey()}, sizes, folder.path);
}

void ComposeFiles(benchmark::State& state)
{
    BenchFolder folder;
    const PartFiles files = PartPaths(folder.path);
    (void)ExportParts(SampleJersey(), files);
    const ComposedFiles out = ComposedPaths(folder.path);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(ComposeParts(files, out, SampleJersey()).ok());
    }
}
void ComposeFilesCopy(benchmark::State& state)
{
    BenchFolder folder;
    const PartFiles files = PartPaths(folder.path);
    (void)ExportParts(SampleJersey(), files);
    std::vector<fs::path> inputs(files.begin(), files.end());
    inputs.push_back(SampleJersey());
    std::vector<std::size_t> sizes;
    for (const Bytes& b : ComposedBitmaps())
    {
        sizes.push_back(b.size());
    }
    FileCopyBaseline(state, inputs, sizes, folder.path);
}

void SaveFiles(benchmark::State& state)
{
    BenchFolder folder;
    SaveRequest request;
    request.source = SampleJersey();
    request.target = folder.path / "saved.fsh";
    request.composed = ComposedPaths(folder.path);
    request.colours = {1, 20, 13, 1, 6, 1, 6};
    request.label = "Bench label";
    // Every save after the first replaces the file, so each keeps a backup: inside the bench's own folder.
    request.backupFolder = folder.path / "backups";
    for (int i = 0; i < 4; ++i)
    {
        (void)WriteFileAtomic(request.composed[i], ComposedBitmaps()[i]);
    }
    for (auto _ : state)
    {
        JerseyColours record{};
        benchmark::DoNotOptimize(SaveJersey(request, record).ok());
    }
}
void SaveFilesCopy(benchmark::State& state)
{
    BenchFolder folder;
    const ComposedFiles composed = ComposedPaths(folder.path);
    for (int i = 0; i < 4; ++i)
    {
        (void)WriteFileAtomic(composed[i], ComposedBitmaps()[i]);
    }
    std::vector<fs::path> inputs(composed.begin(), composed.end());
    inputs.push_back(SampleJersey());
    FileCopyBaseline(state, inputs, {Archive().size()}, folder.path);
}

void ThumbnailFiles(benchmark::State& state)
{
    BenchFolder folder;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(WriteThumbnail(SampleJersey(), folder.path / "frmd1.bmp").ok());
    }
}
void ThumbnailFilesCopy(benchmark::State& state)
{
    BenchFolder folder;
    FileCopyBaseline(state, {SampleJersey()}, {5174}, folder.path);
}

} // namespace

BENCHMARK(OpenAndPreview);
BENCHMARK(OpenAndPreviewCopy);
BENCHMARK(Export);
BENCHMARK(ExportCopy);
BENCHMARK(Compose);
BENCHMARK(ComposeCopy);
BENCHMARK(MapByColour);
BENCHMARK(MapTrueColourByColour);
BENCHMARK(MapKeptTable);
BENCHMARK(MapCopy);
BENCHMARK(MapTrueColourCopy);
BENCHMARK(Save);
BENCHMARK(SaveCopy);
BENCHMARK(Thumbnail);
BENCHMARK(ThumbnailCopy);
BENCHMARK(ExportFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExportFilesCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComposeFilesCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveFilesCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(ThumbnailFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(ThumbnailFilesCopy)->Unit(benchmark::kMicrosecond);
