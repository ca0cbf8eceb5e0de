#pragma once
// Little-endian fields of binary records, read and written one by one (never by laying a
// struct over the bytes), whatever the machine's own order and alignment.
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vd {

namespace detail {
template <class U>
U loadLittleEndian(const char* p)
{
    U value = 0;
    for (size_t i = 0; i < sizeof(U); ++i)
        value |= static_cast<U>(static_cast<unsigned char>(p[i])) << (8 * i);
    return value;
}

template <class U>
void appendLittleEndian(std::string& out, U value)
{
    for (size_t i = 0; i < sizeof(U); ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

template <class T, class U>
std::optional<T> fieldAt(std::string_view record, size_t offset)
{
    if (offset > record.size() || record.size() - offset < sizeof(U))
        return std::nullopt;
    return std::bit_cast<T>(loadLittleEndian<U>(record.data() + offset));
}
} // namespace detail

// A field of a record at a byte offset; nullopt when the record is too short to hold it.
inline std::optional<std::int16_t> int16At(std::string_view record, size_t offset)
{
    return detail::fieldAt<std::int16_t, std::uint16_t>(record, offset);
}
inline std::optional<std::int32_t> int32At(std::string_view record, size_t offset)
{
    return detail::fieldAt<std::int32_t, std::uint32_t>(record, offset);
}
inline std::optional<float> floatAt(std::string_view record, size_t offset)
{
    return detail::fieldAt<float, std::uint32_t>(record, offset);
}
inline std::optional<double> doubleAt(std::string_view record, size_t offset)
{
    return detail::fieldAt<double, std::uint64_t>(record, offset);
}

inline void appendInt16(std::string& out, std::int16_t v) { detail::appendLittleEndian(out, std::bit_cast<std::uint16_t>(v)); }
inline void appendInt32(std::string& out, std::int32_t v) { detail::appendLittleEndian(out, std::bit_cast<std::uint32_t>(v)); }
inline void appendFloat(std::string& out, float v) { detail::appendLittleEndian(out, std::bit_cast<std::uint32_t>(v)); }
inline void appendDouble(std::string& out, double v) { detail::appendLittleEndian(out, std::bit_cast<std::uint64_t>(v)); }

} // namespace vd
