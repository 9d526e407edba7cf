#pragma once

// What the two halves of the file layer share (FileIO.cpp, AtomicWrite.cpp); nothing else includes it.

#include "archive/FileIO.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace tarnix::file_detail
{

// Whether the test's fault hook fails this call.
bool Injected(FileOp op, const std::filesystem::path& path);

// The text of `err`, or of EIO when a failing call left errno unset.
std::string Cause(int err);

// fopen for any path on both systems, with fopen's "x" (create a new file only) on Windows too.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

// Eight random hexadecimal digits for a unique file name.
std::string UniquePart();

} // namespace tarnix::file_detail
