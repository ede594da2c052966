#pragma once
// Bounds-checked little-endian reading of untrusted bytes. Every read checks
// what remains before it touches memory; a failed read consumes nothing.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t Position() const { return m_pos; }
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

    bool ReadU8(std::uint8_t& value) {
        if (Remaining() < 1) return false;
        value = static_cast<std::uint8_t>(m_bytes[m_pos++]);
        return true;
    }
    bool ReadU16(std::uint16_t& value) {
        if (Remaining() < 2) return false;
        value = static_cast<std::uint16_t>(Byte(0) | (Byte(1) << 8));
        m_pos += 2;
        return true;
    }
    bool ReadS16(std::int16_t& value) {
        std::uint16_t raw = 0;
        if (!ReadU16(raw)) return false;
        value = static_cast<std::int16_t>(raw);
        return true;
    }
    bool ReadU32(std::uint32_t& value) {
        if (Remaining() < 4) return false;
        value = Byte(0) | (Byte(1) << 8) | (Byte(2) << 16) | (Byte(3) << 24);
        m_pos += 4;
        return true;
    }
    bool ReadS32(std::int32_t& value) {
        std::uint32_t raw = 0;
        if (!ReadU32(raw)) return false;
        value = static_cast<std::int32_t>(raw);
        return true;
    }
    bool ReadBytes(std::size_t count, std::string& out) {
        if (Remaining() < count) return false;
        out.assign(m_bytes.substr(m_pos, count));
        m_pos += count;
        return true;
    }
    bool Skip(std::size_t count) {
        if (Remaining() < count) return false;
        m_pos += count;
        return true;
    }
    bool Seek(std::size_t position) {
        if (position > m_bytes.size()) return false;
        m_pos = position;
        return true;
    }

private:
    std::uint32_t Byte(std::size_t offset) const {
        return static_cast<std::uint8_t>(m_bytes[m_pos + offset]);
    }

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};
