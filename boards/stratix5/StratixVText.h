#pragma once
// What the Stratix V boards 15 (Nolvar), 16 (Ombrel) and 18 (Pellix) share
// in their generated projects: their programmable oscillators' choice lists,
// the Si570 and CDCM61004 controller modules, and the oscillator Verilog of
// the top level. They read the settings-record copies their fillers leave in
// the pin model.

#include "model/MainBoard.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace stratix5 {
// OMBREL_CONFIG (board 16), PELLIX_CONFIG (18), NOLVAR_CONFIG (15): 32-bit
// choice indexes.
inline constexpr std::size_t kOmbrelSi570 = 164, kOmbrelCdcm61004 = 168, kOmbrelCdcm61001 = 172;
inline constexpr std::size_t kPellixSi570 = 156, kPellixCdcm61004 = 160;
inline constexpr std::size_t kNolvarSi570 = 156, kNolvarCdcm61004 = 160;

// Stages the Si570 controller and its helper modules for the project
// folder; stops at the first file that fails.
bool ExportSi570Controller(const std::string& projectFolder, platform::FileReplacement& files);
// Stages CDCM6100x_Config.v.
bool ExportCdcmConfig(const std::string& projectFolder, platform::FileReplacement& files);
// The export of boards 15 and 18: the Si570 set while the Si570 is used
// (its choice index is not 0), then the CDCM61004 configuration while that
// chip is used.
bool ExportOscillatorControllers(std::int32_t si570Index, std::int32_t cdcm61004Index,
                                 const std::string& projectFolder,
                                 platform::FileReplacement& files);
// The files of the Si570 set in export order, and the CDCM61004
// configuration file.
std::vector<config::ExportedFile> Si570Files();
config::ExportedFile CdcmConfigFile();
// The export sets: boards 15 and 18 (the Si570 set and the CDCM61004
// configuration), board 16 (the external-PLL controller and the Si570 set).
std::vector<config::ExportedFile> OscillatorExportSet();
std::vector<config::ExportedFile> OmbrelExportSet();
} // namespace stratix5

// Frequencies (MHz) of the choice lists of the programmable oscillators; 0
// for an index without an entry.
double Si570IndexToMHz(std::uint8_t index);
double CdcmIndexToMHz(std::uint8_t index);
double CdcmComboIndexToMHz(std::uint8_t index);

// Oscillator Verilog placed after the structural-coding banner of the top
// level of boards 16, 15 and 18: the blocks of the oscillators in use, read
// from the record copy the board's filler left in the pin model. Another
// board id is an internal error.
std::string ExtraVerilogNolvar(const TMainBoard& board);
std::string ExtraVerilogOmbrel(const TMainBoard& board);
std::string ExtraVerilogPellix(const TMainBoard& board);

// The blocks. The Si570 controller for a choice 1..7 with the reset net
// named; the CDCM61004 configuration for a choice 1..11 (another is an
// internal error); the external-PLL controller of board 16 for the codes of
// its devices 1, 2, 3 (0 unchanged, 1 disabled, 2..12 a frequency).
std::string Si570ControllerVerilog(std::uint8_t choice, const std::string& resetNet);
std::string Cdcm61004ConfigVerilog(std::uint8_t choice);
std::string ExtPllCtrlVerilogOmbrel(std::uint8_t c1, std::uint8_t c2, std::uint8_t c3);
