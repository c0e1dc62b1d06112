#pragma once
// A verbatim copy of a board's settings record, kept in the pin model for the
// writers that read board-specific fields. Fields are read by byte offset;
// numbers are little-endian as in the settings files. A model built without
// its record (an empty copy) reads every field as 0, as a fresh record has
// it; a copy holds the record's size and checks every offset against it.

#include "platform/Assert.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct RecordCopy {
    std::vector<std::uint8_t> bytes;

    RecordCopy() = default;
    // A record of `size` zero bytes.
    explicit RecordCopy(std::size_t size) : bytes(size) {}

    std::size_t Size() const { return bytes.size(); }
    void CopyFrom(const void* record, std::size_t size) {
        PINSMITH_ASSERT(record != nullptr && size > 0);
        const auto* begin = static_cast<const std::uint8_t*>(record);
        bytes.assign(begin, begin + size);
    }
    std::uint8_t U8(std::size_t offset) const {
        if (bytes.empty()) {
            return 0;
        }
        PINSMITH_ASSERT(offset < bytes.size());
        return bytes[offset];
    }
    std::int32_t I32(std::size_t offset) const {
        if (bytes.empty()) {
            return 0;
        }
        PINSMITH_ASSERT(offset + 4 <= bytes.size());
        const std::uint32_t v = static_cast<std::uint32_t>(bytes[offset]) |
                                static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
                                static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
                                static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
        return static_cast<std::int32_t>(v);
    }
    void SetU8(std::size_t offset, std::uint8_t v) {
        PINSMITH_ASSERT(offset < bytes.size());
        bytes[offset] = v;
    }
    void SetI32(std::size_t offset, std::int32_t value) {
        PINSMITH_ASSERT(offset + 4 <= bytes.size());
        const auto v = static_cast<std::uint32_t>(value);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    }
    // The text of a char[length] field: up to its first NUL or its end.
    std::string Text(std::size_t offset, std::size_t length) const {
        if (bytes.empty()) {
            return std::string();
        }
        PINSMITH_ASSERT(offset + length <= bytes.size());
        const auto* begin = reinterpret_cast<const char*>(bytes.data() + offset);
        const void* nul = std::memchr(begin, 0, length);
        const std::size_t len =
            nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - begin) : length;
        return std::string(begin, len);
    }
};
