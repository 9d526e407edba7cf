// Reading painted pictures back. "UntouchedPictures" reads the four pictures of an export back to indices
// (PNG decoding included) beside "DecodeFourPngs", the decoding alone: the goal is at most twice it.
// "RepaintedFront" traces a front whose every pixel was changed (a new design of kit colours with soft
// edges, then everything darkened by 15%, so that no pixel is a colour the kit shows): goal 5 ms.

#include "archive/FileIO.h"
#include "archive/KitColours.h"
#include "archive/PngDecoder.h"
#include "archive/ShirtPictures.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace tarnix;

namespace
{

struct Exported
{
    PictureReference reference;
    std::array<Bytes, 4> pngs;
    Bytes repainted;
};

const Exported& Sample()
{
    static const Exported exported = []
    {
        const auto path = std::filesystem::path(TARNIX_SAMPLE_GAME) / "Data" / "Player" / "Textures" / "PK001.FSH";
        const Bytes archive = *ReadWholeFile(path);
        Exported e;
        e.pngs = *BuildPicturePngs(archive, "bench", kDefaultKitColours, &e.reference);
        // Hoops of jersey 1st and 3rd, six pixels each with a one-pixel blend between, then 15% darker.
        RgbPicture front{128, 128, std::vector<std::uint32_t>(128 * 128)};
        for (int y = 0; y < 128; ++y)
        {
            const std::uint32_t a = ShadeRamps[kDefaultKitColours[0]][15];
            const std::uint32_t b = ShadeRamps[kDefaultKitColours[2]][15];
            const int phase = y % 14;
            const double t = phase < 6 ? 0.0 : phase == 6 ? 0.5 : phase < 13 ? 1.0 : 0.5;
            for (int x = 0; x < 128; ++x)
            {
                std::uint32_t colour = 0;
                for (int shift : {16, 8, 0})
                {
                    const double level = ((1 - t) * (a >> shift & 0xFF) + t * (b >> shift & 0xFF)) * 0.85;
                    colour |= std::uint32_t(level) << shift;
                }
                front.pixels[std::size_t(y) * 128 + std::size_t(x)] = colour;
            }
        }
        e.repainted = EncodePng(front);
        return e;
    }();
    return exported;
}

void UntouchedPictures(benchmark::State& state)
{
    const Exported& e = Sample();
    for (auto _ : state)
    {
        for (Part part : kAllParts)
        {
            auto picture = PictureOf(*DecodePng(e.pngs[static_cast<int>(part)], "bench"), "bench");
            auto composed = ComposePicture(part, *picture, e.reference);
            benchmark::DoNotOptimize(composed->pixels.data());
        }
    }
}

void DecodeFourPngs(benchmark::State& state)
{
    const Exported& e = Sample();
    for (auto _ : state)
    {
        for (const Bytes& png : e.pngs)
        {
            auto image = DecodePng(png, "bench");
            benchmark::DoNotOptimize(image->rgb.data());
        }
    }
}

void RepaintedFront(benchmark::State& state)
{
    const Exported& e = Sample();
    PictureReport report;
    for (auto _ : state)
    {
        auto picture = PictureOf(*DecodePng(e.repainted, "bench"), "bench");
        auto composed = ComposePicture(Part::Front, *picture, e.reference, {true}, &report);
        benchmark::DoNotOptimize(composed->pixels.data());
    }
    state.counters["changed"] = double(report.ChangedPixels());
    state.counters["nearest"] = double(report.NearestPixels());
}

} // namespace

BENCHMARK(UntouchedPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeFourPngs)->Unit(benchmark::kMicrosecond);
BENCHMARK(RepaintedFront)->Unit(benchmark::kMicrosecond);
