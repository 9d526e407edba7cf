// Writes the seed corpora of the fuzz harnesses from the sample tools: one folder per harness under the
// folder given on the command line. Seeds are regenerated at every build, so nothing large is committed.

#include "FuzzInput.h"
#include "archive/Bmp.h"
#include "archive/FileIO.h"
#include "sample/SampleJerseys.h"

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
        for (const char* harness : {"fuzz_jersey"})
        {
            ok &= Write(root / harness, name, archive);
        }
    }

    const PartPictures parts = sample::DrawJerseyParts(specs.front());
    for (Part part : kAllParts)
    {
        const std::string name = std::string(PartName(part)) + ".bmp";
        ok &= Write(root / "fuzz_bmp", name, EncodeBmp8(parts[int(part)]));
        ok &= Write(root / "fuzz_bmp", "editor " + name, EditorVariant(parts[int(part)]));
    }
    return ok ? 0 : 1;
}
