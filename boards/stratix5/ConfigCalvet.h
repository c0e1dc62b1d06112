#pragma once
// The settings class of the Calvet board (board id 31): the board's record
// CALVET_CONFIG in a TConfigBoard, and the project text of its two
// programmable clock chips (a CDCM6208 on I2C, an LMK04906 on SPI): the
// .qsf lines that include their controllers, the top-level Verilog that
// programs them and the export of the controller files.

#include "boards/stratix5/CalvetId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace calvet {
inline constexpr int kCdcmOutputs = 6; // FMCA_0, FMCD_0, SATA host, SATA device, PCIe, DDR3
inline constexpr int kLmkOutputs = 4;  // FMCA_1, FMCB_0, FMCC_0, FMCD_1
inline constexpr int kFmcPorts = 4;
inline constexpr int kDeviceVariants = 3;
// The last item index of each output's choice list (0 is "Disable").
inline constexpr std::uint8_t kLastCdcmIndex[kCdcmOutputs] = {3, 3, 1, 1, 1, 1};
inline constexpr std::uint8_t kLastLmkIndex = 2;
inline constexpr std::uint8_t kDefaultCdcmIndex[kCdcmOutputs] = {2, 2, 1, 1, 0, 1};
inline constexpr std::uint8_t kDefaultLmkIndex = 2;
inline constexpr const char* kWord = "CALVET"; // folder word and default project name
} // namespace calvet

// 812 bytes, little-endian; .cfg files and default.cfg hold it byte for
// byte.
struct CALVET_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t DeviceVariant; // 0, 1, 2
    std::uint8_t Align1[2];     // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Sma;
    std::uint8_t Temperature;
    std::uint8_t PowerMonitor;
    std::uint8_t Ddr3;
    std::uint8_t Pcie;
    std::uint8_t SataHost;
    std::uint8_t SataDevice;
    std::uint8_t UartToUsb;
    std::uint8_t MicroSd;
    std::uint8_t Fan;
    std::uint8_t Ssram;
    std::uint8_t Flash;
    std::uint8_t Cdcm6208Pll;
    std::uint8_t Lmk04906Pll;
    std::uint8_t Reserved; // not interpreted; kept as read
    std::uint8_t CdcmOutputIndex[calvet::kCdcmOutputs];
    std::uint8_t LmkOutputIndex[calvet::kLmkOutputs];
    std::uint8_t GpioCardId;
    char GpioPrefixName[kRecordTextSize];
    std::uint8_t FmcCardId[calvet::kFmcPorts];
    char FmcPrefixName[calvet::kFmcPorts][kRecordTextSize];
    std::uint8_t Align2[2]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_CALVET;
    static constexpr std::int32_t kSize = 812;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<CALVET_CONFIG>);
static_assert(std::is_standard_layout_v<CALVET_CONFIG>);
static_assert(sizeof(CALVET_CONFIG) == 812);
static_assert(offsetof(CALVET_CONFIG, DeviceVariant) == 1);
static_assert(offsetof(CALVET_CONFIG, Size) == 4);
static_assert(offsetof(CALVET_CONFIG, ProjectName) == 8);
static_assert(offsetof(CALVET_CONFIG, Clock) == 136);
static_assert(offsetof(CALVET_CONFIG, PowerMonitor) == 142);
static_assert(offsetof(CALVET_CONFIG, Ddr3) == 143);
static_assert(offsetof(CALVET_CONFIG, UartToUsb) == 147);
static_assert(offsetof(CALVET_CONFIG, Flash) == 151);
static_assert(offsetof(CALVET_CONFIG, Cdcm6208Pll) == 152);
static_assert(offsetof(CALVET_CONFIG, Lmk04906Pll) == 153);
static_assert(offsetof(CALVET_CONFIG, Reserved) == 154);
static_assert(offsetof(CALVET_CONFIG, CdcmOutputIndex) == 155);
static_assert(offsetof(CALVET_CONFIG, LmkOutputIndex) == 161);
static_assert(offsetof(CALVET_CONFIG, GpioCardId) == 165);
static_assert(offsetof(CALVET_CONFIG, GpioPrefixName) == 166);
static_assert(offsetof(CALVET_CONFIG, FmcCardId) == 294);
static_assert(offsetof(CALVET_CONFIG, FmcPrefixName) == 298);
static_assert(offsetof(CALVET_CONFIG, Align2) == 810);

namespace calvet {
// DDR3 is ticked while its reference clock, the CDCM6208's DDR3 output, is
// not programmed (the chip unused or the output at "Disable").
inline bool Ddr3ClockMissing(const CALVET_CONFIG& record) {
    return record.Ddr3 != 0 && (record.Cdcm6208Pll == 0 || record.CdcmOutputIndex[5] == 0);
}
} // namespace calvet

class TConfigCalvet : public TConfigBoard {
public:
    using CALVET_CONFIG = ::CALVET_CONFIG;

    // The LMK04906 include block, then the CDCM6208 one.
    std::string GetQsfAssignments() override;
    // The CDCM6208 block, then the LMK04906 one.
    std::string GetVerilogCode() override;
    std::string GetVhdlArchitecture(const std::string&) override { return std::string(); }
    // The controllers of the chips in use into <folder>cdcm6208/ and
    // <folder>lmk04906/; stops at the first file that fails.
    bool ExportIpFiles(const std::string& projectFolder) override;
    // Every file ExportIpFiles may write, whatever the settings.
    static std::vector<config::ExportedFile> ExportSet();

    // The frequency of an output in MHz (single precision, as the pins
    // print it); 0 for "Disable". Another output is an internal error.
    static float Cdcm6208OutputMHz(const TConfigCalvet& settings, int output);
    static float Lmk04906OutputMHz(const TConfigCalvet& settings, int output);

    CALVET_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};
