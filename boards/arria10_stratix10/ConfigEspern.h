#pragma once
// The settings class of the Espern board (board id 33): the record
// ESPERN_CONFIG in a TConfigBoard, and the board's project text for its two
// Si5340 clock chips (the Si5340A feeds the QSFP+ cages' reference clocks,
// the Si5340B the one reference clock of the six QDRII+ SRAMs).

#include "boards/arria10_stratix10/EspernId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// 180 bytes, little-endian; .cfg files and default.cfg hold it byte for
// byte.
struct ESPERN_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Temperature;
    std::uint8_t PowerMonitor;
    std::uint8_t Qdr[6];  // QDRII+ SRAM A..F
    std::uint8_t Qsfp[4]; // QSFP+ cage A..D
    std::uint8_t Pcie;
    std::uint8_t Fan;
    std::uint8_t Flash;
    std::uint8_t Rs422;
    std::uint8_t Ltm4677; // the regulator's lines; no control, kept as loaded
    std::uint8_t GpioHeader;
    std::uint8_t Align2[2]; // not interpreted; kept as read
    std::int32_t Si5340AIndex[4];
    std::int32_t Si5340BQdrIndex;

    static constexpr ::BoardId kBoardId = MAINBOARD_ESPERN;
    static constexpr std::int32_t kSize = 180;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<ESPERN_CONFIG>);
static_assert(std::is_standard_layout_v<ESPERN_CONFIG>);
static_assert(sizeof(ESPERN_CONFIG) == 180);
static_assert(offsetof(ESPERN_CONFIG, Size) == 4);
static_assert(offsetof(ESPERN_CONFIG, ProjectName) == 8);
static_assert(offsetof(ESPERN_CONFIG, Clock) == 136);
static_assert(offsetof(ESPERN_CONFIG, PowerMonitor) == 141);
static_assert(offsetof(ESPERN_CONFIG, Qdr) == 142);
static_assert(offsetof(ESPERN_CONFIG, Qsfp) == 148);
static_assert(offsetof(ESPERN_CONFIG, Pcie) == 152);
static_assert(offsetof(ESPERN_CONFIG, Fan) == 153);
static_assert(offsetof(ESPERN_CONFIG, Flash) == 154);
static_assert(offsetof(ESPERN_CONFIG, Rs422) == 155);
static_assert(offsetof(ESPERN_CONFIG, Ltm4677) == 156);
static_assert(offsetof(ESPERN_CONFIG, GpioHeader) == 157);
static_assert(offsetof(ESPERN_CONFIG, Si5340AIndex) == 160);
static_assert(offsetof(ESPERN_CONFIG, Si5340BQdrIndex) == 176);

namespace espern {
inline constexpr const char* kWord = "Espern"; // folder word and default project name
inline constexpr int kQdrItems = 4;            // "Not Use" and three frequencies
} // namespace espern

class TConfigEspern : public TConfigBoard {
public:
    using ESPERN_CONFIG = ::ESPERN_CONFIG;

    std::string GetQsfAssignments() override;
    std::string GetVerilogCode() override;
    std::string GetVhdlArchitecture(const std::string&) override { return std::string(); }
    bool ExportIpFiles(const std::string& projectFolder) override;
    // Every file ExportIpFiles may write, whatever the settings.
    static std::vector<config::ExportedFile> ExportSet();

    bool IsSi5340AUsed() const;
    bool IsSi5340BUsed() const;
    std::string GetTerminationAssignments() const;
    std::string GetSi5340FileAssignments() const;
    static std::string GetSi5340AMacroName(std::uint8_t index);
    static std::string GetSi5340AVerilog(std::uint8_t indexA, std::uint8_t indexB,
                                         std::uint8_t indexC, std::uint8_t indexD);
    static std::string GetSi5340BVerilog(std::uint8_t qdrIndex);

    static double GetSi5340AFrequency(std::uint8_t index);
    static double GetSi5340BQdrFrequency(std::uint8_t index);

    ESPERN_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};
