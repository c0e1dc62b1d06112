#pragma once
// The external-PLL configuration of boards 8 (Galdre_X1) and 12 (Kelmis):
// the top-level Verilog that programs the PLL chip at start-up and the
// controller module it instantiates. Both read the settings-record copy the
// board's filler leaves in the pin model.

#include "model/MainBoard.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace extpll {
// GALDRE_X1_CONFIG (board 8) and KELMIS_CONFIG (board 12): the external-PLL
// option and the choice codes of its outputs 1, 2, 3.
inline constexpr std::size_t kGaldreX1ExtPll = 160, kGaldreX1PllOut1 = 162;
inline constexpr std::size_t kKelmisExtPll = 148, kKelmisPllOut1 = 150;

// The text of a PLL choice code as the PLL combos and the Verilog comment
// show it ("Unchange", "Disable", "62.5" .. "625").
const char* PllChoiceName(std::uint8_t code);

// Stages EXT_PLL_CTRL.v for the project folder.
bool ExportController(const std::string& projectFolder, platform::FileReplacement& files);
// The controller file the boards with the external PLL export.
config::ExportedFile ControllerFile();
// The export set of boards 8 and 12: the controller file.
std::vector<config::ExportedFile> ExportSet();
} // namespace extpll

// The block, or nothing while the external PLL is off.
std::string GetGaldreX1ExtPllVerilog(const TMainBoard& board);
std::string GetKelmisExtPllVerilog(const TMainBoard& board);
