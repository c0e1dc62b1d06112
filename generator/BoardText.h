#pragma once
// Board-specific text of the generated project, chosen by board id: extra
// .qsf assignments, structural Verilog and VHDL architecture of the top
// level, timing-constraint blocks and the board's display name. The texts
// read the settings-record copies that the board fillers leave in the pin
// model, or call the board's settings object (TMainBoard::m_pConfigBoard).

#include "model/MainBoard.h"

#include <cstdint>
#include <string>

// Display name of a board, the title of the pin report ("Ilmarch" for 37).
// Ids without a board are an internal error.
std::string GetBoardName(BoardId id);

// .qsf: text inserted after the SDC_FILE line (possibly empty).
std::string GetQsfBoardAssignments(const TMainBoard& board);
std::string GetMarwenQsfAssignments(const TMainBoard& board);
// Whether a pin of direction other than 0 sits at the location (case-insensitive).
bool IsLocationUsed(const TMainBoard& board, const std::string& location);

// Top level: Verilog placed after the structural-coding banner, and the
// architecture that replaces the default rtl one (both possibly empty).
std::string GetVerilogBoardCode(const TMainBoard& board);
std::string GetVhdlArchitecture(const TMainBoard& board, const std::string& entityName);
std::string GetGaldreX1ExtPllVerilog(const TMainBoard& board);
std::string GetKelmisExtPllVerilog(const TMainBoard& board);
std::string GetMarwenFanVerilog(const TMainBoard& board);

// Frequencies (MHz) of the choice lists of programmable oscillators; 0 for
// an index without an entry.
double Si570IndexToMHz(std::uint8_t index);
double CdcmIndexToMHz(std::uint8_t index);
double CdcmComboIndexToMHz(std::uint8_t index);

// .sdc blocks (each possibly empty).
std::string GetSdcBoardClocks(const TMainBoard& board);
std::string GetSdcJtagConstraints(const TMainBoard& board);
std::string GetSdcInputDelays(const TMainBoard& board);
std::string GetSdcOutputDelays(const TMainBoard& board);

// Record-copy offsets that the writer reads.
namespace record {
// MARWEN_CONFIG (board 14)
inline constexpr std::size_t kMarwenLed = 137, kMarwenSeg7 = 138, kMarwenKey = 139,
                             kMarwenSwitch = 140, kMarwenLcd = 144, kMarwenFlash = 146,
                             kMarwenAccelerometer = 148, kMarwenPcieHardIp = 154,
                             kMarwenPcieSoftIp = 155, kMarwenHsmcCard = 292,
                             kMarwenHsmcPrefix = 293, kPrefixLength = 128;
// GALDRE_X1_CONFIG (board 8) and KELMIS_CONFIG (board 12): the external-PLL
// option and the choice codes of its outputs 1, 2, 3.
inline constexpr std::size_t kGaldreX1ExtPll = 160, kGaldreX1PllOut1 = 162;
inline constexpr std::size_t kKelmisExtPll = 148, kKelmisPllOut1 = 150;
// OMBREL_CONFIG (board 16), PELLIX_CONFIG (18), NOLVAR_CONFIG (15): 32-bit
// choice indexes.
inline constexpr std::size_t kOmbrelSi570 = 164, kOmbrelCdcm61004 = 168, kOmbrelCdcm61001 = 172;
inline constexpr std::size_t kPellixSi570 = 156, kPellixCdcm61004 = 160;
inline constexpr std::size_t kNolvarSi570 = 156, kNolvarCdcm61004 = 160;
// Option bytes of SOLLEN_CONFIG (21), TAVRIN_CONFIG (22), WENDAL_CONFIG (25)
// and FALMOR_CONFIG (34, read through the settings object).
inline constexpr std::size_t kSollenVga = 140, kSollenSdram = 141, kSollenAudio = 142,
                             kSollenVideoIn = 143;
inline constexpr std::size_t kTavrinVga = 140, kTavrinAudio = 143, kTavrinVideoIn = 144;
inline constexpr std::size_t kWendalVga = 140;
inline constexpr std::size_t kFalmorConfigSize = 416, kFalmorVga = 141, kFalmorSdram = 142,
                             kFalmorAudio = 143, kFalmorVideoIn = 144;
} // namespace record
