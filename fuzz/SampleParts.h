#pragma once

// The sample jerseys' archives and their four stored parts, built once per fuzzing process: the valid
// archives that the compose and save harnesses work over.

#include "archive/Jersey.h"
#include "sample/SampleJerseys.h"

#include <vector>

namespace tarnix::fuzz
{

struct SampleJersey
{
    Bytes archive;
    PartPictures stored; // the parts as the archive holds them (pixels and colour table)
};

inline const std::vector<SampleJersey>& SampleJerseys()
{
    static const std::vector<SampleJersey> jerseys = []
    {
        std::vector<SampleJersey> out;
        for (const sample::JerseySpec& spec : sample::SampleJerseySpecs())
        {
            SampleJersey jersey;
            jersey.archive = sample::BuildJersey(spec);
            for (Part part : kAllParts)
            {
                jersey.stored[static_cast<int>(part)] = *ReadPartImage(jersey.archive, part, "sample");
            }
            out.push_back(std::move(jersey));
        }
        return out;
    }();
    return jerseys;
}

} // namespace tarnix::fuzz
