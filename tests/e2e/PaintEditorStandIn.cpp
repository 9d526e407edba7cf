// The scripted bitmap editor of the end-to-end wizard test, for Windows, where the Python script the test
// uses elsewhere cannot be started as a program: the same edit, as a small .exe. It notes its arguments
// in arguments.txt beside itself, paints picture rows 20-39, columns 30-99 of the 8-bit BMP it is given
// with index 63 (of a PNG picture, with the colour written in paint-colour.txt beside it) and saves through
// a new file renamed over the old one, as many editors do.

#include "archive/PngDecoder.h"
#include "archive/PngEncoder.h"
#include "archive/RgbPicture.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <windows.h>

namespace
{

std::string Utf8(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::int32_t Read32(const std::vector<unsigned char>& data, std::size_t at)
{
    return static_cast<std::int32_t>(std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8 |
                                     std::uint32_t(data[at + 2]) << 16 | std::uint32_t(data[at + 3]) << 24);
}

// The picture painted with the colour of paint-colour.txt (six hex digits); empty when it cannot be.
std::vector<unsigned char> PaintPicture(const std::vector<unsigned char>& data, const std::filesystem::path& here)
{
    std::ifstream text(here / "paint-colour.txt");
    std::string hex;
    text >> hex;
    const auto colour = static_cast<std::uint32_t>(std::strtoul(hex.c_str(), nullptr, 16));
    auto image = tarnix::DecodePng(tarnix::ByteView(data.data(), data.size()), "the picture");
    if (!image || image->indexed)
    {
        return {}; // the pictures handed out are true colour
    }
    tarnix::RgbPicture picture{image->width, image->height, std::move(image->rgb)};
    for (int y = 20; y < 40 && y < picture.height; ++y)
    {
        for (int x = 30; x < 100 && x < picture.width; ++x)
        {
            picture.pixels[std::size_t(y) * std::size_t(picture.width) + std::size_t(x)] = colour;
        }
    }
    const tarnix::Bytes png = tarnix::EncodePng(picture);
    return {png.begin(), png.end()};
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    namespace fs = std::filesystem;
    const fs::path self(argv[0]);
    {
        std::ofstream log(self.parent_path() / "arguments.txt", std::ios::binary);
        for (int i = 1; i < argc; ++i)
        {
            log << (i > 1 ? "\n" : "") << Utf8(argv[i]);
        }
    }
    if (argc < 2)
    {
        return 1;
    }
    const fs::path path(argv[1]);
    std::vector<unsigned char> data;
    {
        std::ifstream in(path, std::ios::binary);
        data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (data.size() >= 8 && std::equal(data.begin(), data.begin() + 8, tarnix::kPngSignature))
    {
        data = PaintPicture(data, self.parent_path());
    }
    else if (data.size() < 54)
    {
        return 1;
    }
    else
    {
        const std::int32_t offset = Read32(data, 10);
        const std::int32_t width = Read32(data, 18);
        const std::int32_t height = Read32(data, 22);
        const std::int32_t stride = (width + 3) & ~3;
        const std::int32_t rows = std::abs(height);
        for (std::int32_t y = 20; y < 40 && y < rows; ++y)
        {
            const std::int32_t row = height > 0 ? rows - 1 - y : y;
            const std::size_t start = std::size_t(offset) + std::size_t(row) * std::size_t(stride);
            for (std::size_t x = 30; x < 100 && start + x < data.size(); ++x)
            {
                data[start + x] = 63;
            }
        }
    }
    if (data.empty())
    {
        return 1;
    }
    fs::path saving = path;
    saving += ".saving";
    {
        std::ofstream out(saving, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        if (!out)
        {
            return 1;
        }
    }
    std::error_code error;
    fs::rename(saving, path, error); // MoveFileExW with MOVEFILE_REPLACE_EXISTING in mingw's library
    return error ? 1 : 0;
}
