#include "archive/PaintFilesFromParts.h"

#include <algorithm>

namespace tarnix
{

std::array<Bytes, PartSlotCount> PartBitmapsOfParts(const PartPictures& parts, ExportedTables* tables)
{
    std::array<Bytes, PartSlotCount> files;
    for (Part part : kAllParts)
    {
        Bitmap8 stored = parts[static_cast<int>(part)];
        stored.colours = DistinctColourTable(stored.colours);
        if (tables != nullptr)
        {
            (*tables)[DesignSlot(part)] = stored.colours;
            (*tables)[ShadeSlot(part)] = stored.colours;
        }
        SplitIntoPartBitmaps(stored, part, files);
    }
    return files;
}

Result<std::array<Bytes, 4>> PicturePngsOfParts(const PartPictures& parts, const KitColours& kit,
                                                PictureReference* reference)
{
    std::array<Bytes, 4> files;
    for (Part part : kAllParts)
    {
        const int i = static_cast<int>(part);
        files[i] = EncodePng(RenderPart(parts[i], kit));
        if (files[i].empty())
        {
            return Status::Fail(std::string("cannot encode the ") + PartName(part) + " picture as PNG");
        }
    }
    if (reference != nullptr)
    {
        reference->kit = kit;
        std::copy(parts.begin(), parts.end(), reference->parts.begin());
    }
    return files;
}

} // namespace tarnix
