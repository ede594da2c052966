#pragma once
// Little-endian writing, field by field with explicit widths.

#include <cstdint>
#include <string>
#include <string_view>

class ByteWriter {
public:
    void WriteU8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void WriteU16(std::uint16_t value) {
        WriteU8(static_cast<std::uint8_t>(value & 0xFF));
        WriteU8(static_cast<std::uint8_t>(value >> 8));
    }
    void WriteS16(std::int16_t value) { WriteU16(static_cast<std::uint16_t>(value)); }
    void WriteU32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            WriteU8(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
    void WriteS32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
    void WriteBytes(std::string_view bytes) { m_bytes.append(bytes); }

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};
