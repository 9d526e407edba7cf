#pragma once

// How a harness that needs several inputs cuts them out of libFuzzer's one buffer: every piece but the
// last is a little-endian u32 length followed by that many bytes; the last piece is whatever remains. A
// length running past the end takes what is there, so every buffer splits into exactly `count` pieces.
// make_seeds writes its seeds in the same layout.

#include "archive/ByteReader.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnix::fuzz
{

template <std::size_t N> std::array<ByteView, N> SplitInput(const std::uint8_t* data, std::size_t size)
{
    std::array<ByteView, N> pieces{};
    ByteView rest(data, size);
    for (std::size_t i = 0; i + 1 < N; ++i)
    {
        std::uint64_t length = ByteReader(rest).U32(0).value_or(0);
        rest = rest.size() >= 4 ? rest.subspan(4) : ByteView{};
        std::size_t take = length < rest.size() ? std::size_t(length) : rest.size();
        pieces[i] = rest.first(take);
        rest = rest.subspan(take);
    }
    pieces[N - 1] = rest;
    return pieces;
}

inline void AppendPiece(Bytes& out, ByteView piece)
{
    AppendU32(out, static_cast<std::uint32_t>(piece.size()));
    out.insert(out.end(), piece.begin(), piece.end());
}

// A broken promise of the code under test: crash so that libFuzzer keeps the input.
[[noreturn]] inline void Violated()
{
    __builtin_trap();
}

inline void Expect(bool condition)
{
    if (!condition)
    {
        Violated();
    }
}

} // namespace tarnix::fuzz
