#pragma once
// A board's id: the first byte of its settings record. Each board declares
// its own id, MAINBOARD_<BOARD>, in its folder (boards/<family>/<Board>Id.h),
// so that a new board or a changed id rebuilds only the files that name it.

#include <cstdint>

enum class BoardId : std::uint8_t {};

inline constexpr BoardId MAINBOARD_NONE{0};

constexpr int BoardNumber(BoardId id) {
    return static_cast<int>(id);
}
