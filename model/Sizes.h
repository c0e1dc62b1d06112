#pragma once
// Sizes that boards, cards and settings records share.

#include <cstddef>

// Positions of one 40-pin GPIO header; a card over both headers has twice as
// many.
inline constexpr int GPIO_PIN_NUM = 40;

// The text fields of the settings records (project name, prefixes): 128
// bytes, NUL included, so a name holds at most 127 characters.
inline constexpr std::size_t kRecordTextSize = 128;
inline constexpr int kMaxNameLength = static_cast<int>(kRecordTextSize) - 1;

// Positions of the FMC connectors (HPC and LPC cards alike fill all 400), the
// 2x6 Ergan header and the memory-module sockets.
inline constexpr int FMC_HPC_PIN_NUM = 400;
inline constexpr int ERGAN_PIN_NUM = 8;
inline constexpr int DDR2_SODIMM_PIN_NUM = 200;
inline constexpr int DDR3_SODIMM_PIN_NUM = 204;
inline constexpr int DDR4_SODIMM_PIN_NUM = 260;
