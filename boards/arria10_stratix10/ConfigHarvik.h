#pragma once
// The settings class of the Harvik board (board id 36): the record
// HARVIK_CONFIG in a TConfigBoard, and the board's project text: the VID
// and configuration blocks, the termination lines, the controller include
// lines, and the Verilog and VHDL that start the controllers of the board's
// two Si5340A clock chips. Chip 0 feeds QSFP28 ports A and D and memory
// sockets A and B; chip 1 ports B and C and sockets C and D.

#include "boards/arria10_stratix10/HarvikId.h"
#include "model/MainBoard.h"
#include "model/Sizes.h"
#include "settings/ConfigBoard.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// 700 bytes, little-endian; .cfg files and default.cfg hold it byte for
// byte.
struct HARVIK_CONFIG {
    std::uint8_t BoardId;
    std::uint8_t Align1[3]; // not interpreted; kept as read
    std::int32_t Size;
    char ProjectName[kRecordTextSize];
    std::uint8_t TopFileVhdl; // 1: VHDL top level
    std::uint8_t Clock;
    std::uint8_t Led;
    std::uint8_t Button;
    std::uint8_t Switch;
    std::uint8_t Fan;
    std::uint8_t Temperature;
    std::uint8_t PowerMonitor;
    std::uint8_t Flash;
    std::uint8_t Mmcx;
    std::uint8_t Pcie;
    std::uint8_t Gpio2x5;
    std::int32_t XcvrRefIndex[4]; // QSFP28 port A..D: item of the transceiver table
    std::int32_t MemRefIndex[4];  // memory socket A..D: item of the memory table
    std::uint8_t Qsfp28[4];
    std::uint8_t SocketCardId[4]; // 0 none, 77..80
    char SocketPrefixName[4][kRecordTextSize];

    static constexpr ::BoardId kBoardId = MAINBOARD_HARVIK;
    static constexpr std::int32_t kSize = 700;
};

static_assert(std::endian::native == std::endian::little, "settings files are little-endian");
static_assert(std::is_trivially_copyable_v<HARVIK_CONFIG>);
static_assert(std::is_standard_layout_v<HARVIK_CONFIG>);
static_assert(sizeof(HARVIK_CONFIG) == 700);
static_assert(offsetof(HARVIK_CONFIG, Size) == 4);
static_assert(offsetof(HARVIK_CONFIG, ProjectName) == 8);
static_assert(offsetof(HARVIK_CONFIG, TopFileVhdl) == 136);
static_assert(offsetof(HARVIK_CONFIG, Clock) == 137);
static_assert(offsetof(HARVIK_CONFIG, Led) == 138);
static_assert(offsetof(HARVIK_CONFIG, Button) == 139);
static_assert(offsetof(HARVIK_CONFIG, Switch) == 140);
static_assert(offsetof(HARVIK_CONFIG, Fan) == 141);
static_assert(offsetof(HARVIK_CONFIG, Temperature) == 142);
static_assert(offsetof(HARVIK_CONFIG, PowerMonitor) == 143);
static_assert(offsetof(HARVIK_CONFIG, Flash) == 144);
static_assert(offsetof(HARVIK_CONFIG, Mmcx) == 145);
static_assert(offsetof(HARVIK_CONFIG, Pcie) == 146);
static_assert(offsetof(HARVIK_CONFIG, Gpio2x5) == 147);
static_assert(offsetof(HARVIK_CONFIG, XcvrRefIndex) == 148);
static_assert(offsetof(HARVIK_CONFIG, MemRefIndex) == 164);
static_assert(offsetof(HARVIK_CONFIG, Qsfp28) == 180);
static_assert(offsetof(HARVIK_CONFIG, SocketCardId) == 184);
static_assert(offsetof(HARVIK_CONFIG, SocketPrefixName) == 188);

namespace harvik {
inline constexpr const char* kWord = "Harvik"; // folder word and default project name
inline constexpr int kSockets = 4;
inline constexpr int kXcvrRefItems = 5; // the transceiver combos' items
inline constexpr int kMemRefItems = 4;  // the memory combos' items
// The combo texts of the reference-clock choices, by item.
extern const char* const kXcvrRefTexts[kXcvrRefItems];
extern const char* const kMemRefTexts[kMemRefItems];
} // namespace harvik

// The reference-clock tables in single precision (266.666656 and
// 233.333328 printed with "%f"). An index outside the table is an internal
// error.
float XcvrRefFrequency(unsigned index);
float MemRefFrequency(int index);

class TConfigHarvik : public TConfigBoard {
public:
    using HARVIK_CONFIG = ::HARVIK_CONFIG;

    std::string GetQsfAssignments() override;
    std::string GetVerilogCode() override;
    std::string GetVhdlArchitecture(const std::string& entityName) override;
    bool ExportIpFiles(const std::string& projectFolder) override;
    // Every file ExportIpFiles may write, whatever the settings.
    static std::vector<config::ExportedFile> ExportSet();

    // The record's choice of a port (0..3 = QSFP28 A..D) or socket (A..D);
    // an index without a combo item reads as item 0.
    float GetXcvrRefFrequency(int port) const;
    float GetMemRefFrequency(int socket) const;
    static int GetXcvrRefCount() { return harvik::kXcvrRefItems; }

    bool IsSi5340A0Used() const;
    bool IsSi5340A1Used() const;
    bool HasMemoryModule() const;

    std::string GetPowerConfigAssignments() const;
    std::string GetTerminationAssignments() const;
    std::string GetSi5340FileAssignments() const;
    std::string GetSi5340AVerilog(int chip) const;
    std::string GetSi5340AVhdl(int chip) const;

    // The socket's pins are named with this prefix; "" for none.
    std::string SocketPrefix(int socket) const;

    HARVIK_CONFIG Config{};

protected:
    HeldRecord Held() override { return HeldOf(Config); }
};

// The kind of memory a socket card is: sockets A and B, and C and D, hold
// one kind. Any id but 77..80 (none included) is None.
enum class HarvikMemory { Ddr4, Qdr2, Qdr4, None };
HarvikMemory HarvikMemoryFamily(CardId card);
