#pragma once
// The settings class of the Gristel board (board id 35): the record
// GRISTEL_CONFIG in a TConfigBoard. The board adds no project text of its
// own: the pin filler keeps a pointer to the object, nothing more.

#include "boards/arria10_stratix10/GristelId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

// 420 bytes, little-endian; .cfg files and default.cfg hold it byte for
// byte.
struct GRISTEL_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t FileType; // top-level file: 0 Verilog, any other value VHDL
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Seg7; // stored; makes no pins
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Fan;
    std::uint8_t Temperature; // stored; makes no pins
    std::uint8_t Ddr4;
    std::uint8_t Ethernet;
    std::uint8_t Sma;
    std::uint8_t Sata;
    std::uint8_t Pcie;
    std::uint8_t Sdi;
    std::uint8_t Usb;
    std::uint8_t Hdmi;
    std::uint8_t Sfp;
    std::uint8_t DisplayPort; // stored; its pins belong to the USB Type-C group
    std::uint8_t Hps;
    std::uint8_t SocketCardId;
    char SocketPrefixName[kRecordTextSize];
    std::int32_t FmcVoltage; // 2 = 1.8 V, 3 = 1.5 V, 4 = 1.2 V
    std::uint8_t FmcCardId;
    char FmcPrefixName[kRecordTextSize];
    std::uint8_t Align2[3]; // not interpreted; kept as read

    static constexpr ::BoardId kBoardId = MAINBOARD_GRISTEL;
    static constexpr std::int32_t kSize = 420;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<GRISTEL_CONFIG>);
static_assert(std::is_standard_layout_v<GRISTEL_CONFIG>);
static_assert(sizeof(GRISTEL_CONFIG) == 420);
static_assert(offsetof(GRISTEL_CONFIG, Size) == 4);
static_assert(offsetof(GRISTEL_CONFIG, ProjectName) == 8);
static_assert(offsetof(GRISTEL_CONFIG, FileType) == 136);
static_assert(offsetof(GRISTEL_CONFIG, Clock) == 137);
static_assert(offsetof(GRISTEL_CONFIG, Ddr4) == 144);
static_assert(offsetof(GRISTEL_CONFIG, Ethernet) == 145);
static_assert(offsetof(GRISTEL_CONFIG, Hps) == 154);
static_assert(offsetof(GRISTEL_CONFIG, SocketCardId) == 155);
static_assert(offsetof(GRISTEL_CONFIG, SocketPrefixName) == 156);
static_assert(offsetof(GRISTEL_CONFIG, FmcVoltage) == 284);
static_assert(offsetof(GRISTEL_CONFIG, FmcCardId) == 288);
static_assert(offsetof(GRISTEL_CONFIG, FmcPrefixName) == 289);
static_assert(offsetof(GRISTEL_CONFIG, Align2) == 417);

namespace gristel {
inline constexpr const char* kWord = "Gristel"; // folder word and default project name
// Ports: the memory-module socket and the FMC connector.
enum : int { SOCKET = 0, FMC = 1 };
// FMC voltage codes of the record.
inline constexpr std::int32_t kFmc1V8 = 2;
inline constexpr std::int32_t kFmc1V5 = 3;
inline constexpr std::int32_t kFmc1V2 = 4;
} // namespace gristel

class TConfigGristel : public TConfigBoard {
public:
    using GRISTEL_CONFIG = ::GRISTEL_CONFIG;

    std::string GetQsfAssignments() override { return std::string(); }
    std::string GetVerilogCode() override { return std::string(); }
    std::string GetVhdlArchitecture(const std::string&) override { return std::string(); }
    bool ExportIpFiles(const std::string&) override { return true; }

    GRISTEL_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};
