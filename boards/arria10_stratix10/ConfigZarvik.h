#pragma once
// The settings class of the Zarvik board (board id 27): the record
// ZARVIK_CONFIG in a TConfigBoard, and the board's project text for its two
// Si5340 clock chips (the Si5340A feeds the QSFP+ cages' reference clocks,
// the Si5340B those of the DDR3 sockets, the QDRII+ SRAMs and the on-board
// PCIe clock): termination and include lines, the controllers' Verilog and
// the export of their files.

#include "boards/arria10_stratix10/ZarvikId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// 188 bytes, little-endian; .cfg files and default.cfg hold it byte for
// byte.
struct ZARVIK_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t DeviceVariant; // FPGA variant 0..3
    std::uint8_t Align1[2];     // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Seg7;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Sma;
    std::uint8_t Temperature;
    std::uint8_t PowerMonitor;
    std::uint8_t Ddr3A;
    std::uint8_t Ddr3B;
    std::uint8_t Qdr[4];  // QDRII+ SRAM A..D
    std::uint8_t Qsfp[4]; // QSFP+ cage A..D
    std::uint8_t Pcie;
    std::uint8_t Fan;
    std::uint8_t Flash;
    std::uint8_t PcieObClock;
    std::uint8_t Rs422;
    std::uint8_t Align2[1]; // not interpreted; kept as read
    std::int32_t Si5340AIndex[4];
    std::int32_t Si5340BDdrIndex;
    std::int32_t Si5340BQdrIndex;
    std::int32_t Si5340BPcieIndex;

    static constexpr ::BoardId kBoardId = MAINBOARD_ZARVIK;
    static constexpr std::int32_t kSize = 188;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<ZARVIK_CONFIG>);
static_assert(std::is_standard_layout_v<ZARVIK_CONFIG>);
static_assert(sizeof(ZARVIK_CONFIG) == 188);
static_assert(offsetof(ZARVIK_CONFIG, DeviceVariant) == 1);
static_assert(offsetof(ZARVIK_CONFIG, Size) == 4);
static_assert(offsetof(ZARVIK_CONFIG, ProjectName) == 8);
static_assert(offsetof(ZARVIK_CONFIG, Clock) == 136);
static_assert(offsetof(ZARVIK_CONFIG, PowerMonitor) == 143);
static_assert(offsetof(ZARVIK_CONFIG, Ddr3A) == 144);
static_assert(offsetof(ZARVIK_CONFIG, Ddr3B) == 145);
static_assert(offsetof(ZARVIK_CONFIG, Qdr) == 146);
static_assert(offsetof(ZARVIK_CONFIG, Qsfp) == 150);
static_assert(offsetof(ZARVIK_CONFIG, Pcie) == 154);
static_assert(offsetof(ZARVIK_CONFIG, Fan) == 155);
static_assert(offsetof(ZARVIK_CONFIG, Flash) == 156);
static_assert(offsetof(ZARVIK_CONFIG, PcieObClock) == 157);
static_assert(offsetof(ZARVIK_CONFIG, Rs422) == 158);
static_assert(offsetof(ZARVIK_CONFIG, Si5340AIndex) == 160);
static_assert(offsetof(ZARVIK_CONFIG, Si5340BDdrIndex) == 176);
static_assert(offsetof(ZARVIK_CONFIG, Si5340BQdrIndex) == 180);
static_assert(offsetof(ZARVIK_CONFIG, Si5340BPcieIndex) == 184);

namespace zarvik {
inline constexpr const char* kFolderWord = "Zarvik";
inline constexpr const char* kDefaultProjectName = "ZARVIK";
inline constexpr int kVariantCount = 4;
// Items of the frequency combos, "Not Use" included.
inline constexpr int kSi5340AItems = 8;
inline constexpr int kDdrItems = 4;
inline constexpr int kQdrItems = 5;
inline constexpr int kPcieItems = 2;
} // namespace zarvik

class TConfigZarvik : public TConfigBoard {
public:
    using ZARVIK_CONFIG = ::ZARVIK_CONFIG;

    std::string GetQsfAssignments() override;
    std::string GetVerilogCode() override;
    std::string GetVhdlArchitecture(const std::string&) override { return std::string(); }
    bool ExportIpFiles(const std::string& projectFolder) override;
    // Every file ExportIpFiles may write, whatever the settings.
    static std::vector<config::ExportedFile> ExportSet();

    bool IsSi5340AUsed() const;
    bool IsSi5340BUsed() const;
    // The on-board PCIe reference clock exists: ticked with a frequency.
    bool HasObPcieClock() const;
    std::string GetTerminationAssignments() const;
    std::string GetSi5340FileAssignments() const;
    static std::string GetSi5340AMacroName(std::uint8_t index);
    static std::string GetSi5340AVerilog(std::uint8_t indexA, std::uint8_t indexB,
                                         std::uint8_t indexC, std::uint8_t indexD);
    static std::string GetSi5340BVerilog(std::uint8_t ddrIndex, std::uint8_t qdrIndex,
                                         std::uint8_t pcieIndex);

    static double GetSi5340AFrequency(std::uint8_t index);
    static double GetSi5340BDdrFrequency(std::uint8_t index);
    static double GetSi5340BQdrFrequency(std::uint8_t index);
    static double GetSi5340BPcieFrequency(std::uint8_t index);

    ZARVIK_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};
