// Writes the synthetic sample game folder: jersey archives (and the team database) that look like the
// game's own, so that the program, the tests and the benchmarks never need real game files.

#include "archive/FileIO.h"
#include "sample/SampleGame.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: tarnix-make-sample GAMEFOLDER\n");
        return 2;
    }
    tarnix::Status written = tarnix::sample::WriteSampleGame(tarnix::PathFromText(argv[1]));
    if (!written)
    {
        std::fprintf(stderr, "tarnix-make-sample: %s\n", written.error().c_str());
        return 1;
    }
    return 0;
}
