#pragma once

// Little-endian access to a byte buffer that knows where the buffer ends. Every read is bounds-checked;
// sizes are computed in 64 bits so that a stored 32-bit value can never wrap an offset.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarnix
{

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The little-endian 32-bit value at p, for callers that have already checked its four bytes lie inside.
inline std::uint32_t LittleEndian32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

class ByteReader
{
  public:
    explicit ByteReader(ByteView bytes) : m_bytes(bytes) {}

    std::size_t size() const { return m_bytes.size(); }
    ByteView bytes() const { return m_bytes; }

    // True when [offset, offset + length) lies inside the buffer.
    bool Has(std::uint64_t offset, std::uint64_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }

    std::optional<std::uint8_t> U8(std::uint64_t offset) const
    {
        if (!Has(offset, 1))
        {
            return std::nullopt;
        }
        return m_bytes[offset];
    }

    std::optional<std::uint16_t> U16(std::uint64_t offset) const
    {
        if (!Has(offset, 2))
        {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
    }

    std::optional<std::uint32_t> U32(std::uint64_t offset) const
    {
        if (!Has(offset, 4))
        {
            return std::nullopt;
        }
        return LittleEndian32(m_bytes.data() + offset);
    }

    std::optional<std::int32_t> I32(std::uint64_t offset) const
    {
        auto v = U32(offset);
        if (!v)
        {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(*v);
    }

    // The bytes [offset, offset + length), or an empty span when they are not all inside the buffer.
    std::optional<ByteView> Span(std::uint64_t offset, std::uint64_t length) const
    {
        if (!Has(offset, length))
        {
            return std::nullopt;
        }
        return m_bytes.subspan(offset, length);
    }

    // Up to `length` bytes from `offset`: fewer (or none) at the end of the buffer.
    ByteView Clipped(std::uint64_t offset, std::uint64_t length) const
    {
        if (offset >= m_bytes.size())
        {
            return {};
        }
        std::uint64_t available = m_bytes.size() - offset;
        return m_bytes.subspan(offset, length < available ? length : available);
    }

  private:
    ByteView m_bytes;
};

// Little-endian writers for building headers.
inline void PutU16(Bytes& out, std::size_t offset, std::uint16_t v)
{
    out[offset] = static_cast<std::uint8_t>(v);
    out[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void PutU32(Bytes& out, std::size_t offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
    {
        out[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

inline void AppendU16(Bytes& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void AppendU32(Bytes& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
    {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

} // namespace tarnix
