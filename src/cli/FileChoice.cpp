#include "cli/FileChoice.h"

#include "archive/FileIO.h"

#include <chrono>

namespace tarnix::cli
{

namespace fs = std::filesystem;

bool ShowsColours(const EditedImage& image, const std::vector<std::uint32_t>& colours)
{
    const std::size_t count = image.indexed ? image.pixels.size() : image.rgb.size();
    if (count != colours.size() || std::size_t(image.width) * std::size_t(image.height) != count)
    {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i)
    {
        const std::uint32_t colour = image.indexed ? image.TableColour(image.pixels[i]) : image.rgb[i];
        if ((image.indexed && image.pixels[i] >= image.colourCount) || colour != colours[i])
        {
            return false;
        }
    }
    return true;
}

Result<fs::path> ChoosePartFile(const fs::path& folder, const std::string& name, const std::string& preferred,
                                const ExportedColours& exported, std::ostream* notes)
{
    const fs::path png = folder / (name + ".png");
    const fs::path bmp = folder / (name + ".bmp");
    std::error_code pngError;
    std::error_code bmpError;
    const auto pngTime = fs::last_write_time(png, pngError);
    const auto bmpTime = fs::last_write_time(bmp, bmpError);
    if (pngError || bmpError)
    {
        return !pngError ? png : !bmpError ? bmp : folder / (name + "." + preferred);
    }
    auto note = [&](const fs::path& chosen, const std::string& why)
    {
        if (notes != nullptr)
        {
            const fs::path& other = chosen == png ? bmp : png;
            *notes << "tarnix-cli: " << name << ": using " << chosen.filename().string() << ", " << why << " "
                   << other.filename().string() << "\n";
        }
        return chosen;
    };
    const auto apart = pngTime > bmpTime ? pngTime - bmpTime : bmpTime - pngTime;
    if (apart > std::chrono::seconds(2))
    {
        return note(pngTime > bmpTime ? png : bmp, "the newer of it and");
    }
    const auto colours = exported ? exported() : std::nullopt;
    auto differs = [&](const fs::path& path)
    {
        const auto image = ReadEditedImageFile(path);
        return !colours || !image || !ShowsColours(*image, *colours);
    };
    const bool pngDiffers = differs(png);
    const bool bmpDiffers = differs(bmp);
    if (pngDiffers && bmpDiffers)
    {
        return Status::Fail(png.filename().string() + " and " + bmp.filename().string() + " in \"" +
                            PathText(folder) + "\" have the same time stamp and both differ from what was " +
                            (colours ? "exported" : "exported (or it is not known what was)") +
                            "; remove the one you do not mean");
    }
    return note(pngDiffers ? png : bmp, pngDiffers || bmpDiffers ? "the one that differs from the export, not"
                                                                 : "as it and the export show the same as");
}

} // namespace tarnix::cli
