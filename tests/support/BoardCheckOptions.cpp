#include "support/BoardCheckOptions.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/max10/YeldenConfig.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace checker {
namespace {

constexpr std::size_t kYeldenModeOffset = offsetof(YELDEN_CONFIG, nBbbModeIndex);
constexpr std::uint8_t kYeldenMode7 = yelden::kModeMode7;

struct UnmatchedTarget {
    BoardId board;
    const char* pattern;
    const char* reason;
};

// Timing targets a board's text names although the board has no such port.
const UnmatchedTarget kUnmatched[] = {
    {MAINBOARD_WENDAL, "VGA_CLK",
     "the board's VGA clock constraint names VGA_CLK, which Wendal lacks; Quartus warns "
     "and ignores it"},
    {MAINBOARD_MARWEN, "FS_ADDR[0]",
     "the flash's virtual-pin line names FS_ADDR[0], a bit the shared bus does not carry; "
     "Quartus ignores it"},
};

struct UnplacedPin {
    BoardId board;
    const char* port; // a bit, or a bus by its base name
    const char* reason;
};

constexpr const char* kGaldreX2Open = "the board's data gives the pin no settled location";
constexpr const char* kGaldreX2NoPin = "the board's data gives the signal no FPGA pin";
// On-board pins a board's table leaves without a location.
const UnplacedPin kUnplaced[] = {
    {MAINBOARD_LORSK, "VGA_R[0]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_R[1]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_G[0]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_G[1]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_B[0]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "VGA_B[1]", "the colour buses' two lowest bits are not wired"},
    {MAINBOARD_LORSK, "HEX0_DP", "its ball is FL_DQ[7]'s (AF12)"},
    {MAINBOARD_LORSK, "HEX2_DP", "its ball is GPIO header position 13's (AC19)"},
    {MAINBOARD_GALDRE_X2, "LCD_PWR_ON", kGaldreX2Open},
    {MAINBOARD_GALDRE_X2, "LCD_BL_ON", kGaldreX2Open},
    {MAINBOARD_GALDRE_X2, "I2C_SDA", kGaldreX2Open},
    {MAINBOARD_GALDRE_X2, "I2C_SCL", kGaldreX2Open},
    {MAINBOARD_GALDRE_X2, "USB_RESET_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "ETH_RST_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "PCIE_RESET_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "PCIE_PREST_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "PCIE_PWRON", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "PCIE_WAKE_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "FLASH_OE_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "FLASH_WE_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "SSRAM_BWA_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "SSRAM_BWB_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "SSRAM_WE_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "SSRAM_CKE_n", kGaldreX2NoPin},
    {MAINBOARD_GALDRE_X2, "SSRAM_CE_n", kGaldreX2NoPin},
};

const char* UnplacedReason(BoardId board, const std::string& port) {
    for (const UnplacedPin& pin : kUnplaced) {
        if (pin.board == board && port == pin.port) {
            return pin.reason;
        }
    }
    return nullptr;
}

struct SharedLocation {
    BoardId board;
    const char* location;
    const char* reason;
};

// Locations a board's fixed assignments give a node inside the device and a
// port of the board's own groups as well.
const SharedLocation kShared[] = {
    {MAINBOARD_GALDRE_X1, "PIN_AF25",
     "the first DDR2 socket's termination input and the fixed termination block both sit there"},
    {MAINBOARD_GALDRE_X1, "PIN_AG25",
     "the first DDR2 socket's termination input and the fixed termination block both sit there"},
};

// Pins outside a group "HPS" that a board builds without a location.
struct UnlocatedPin {
    BoardId board;
    const char* bus;
    const char* reason;
};
const UnlocatedPin kUnlocated[] = {
    {MAINBOARD_YELDEN, "DDR3_DQS_n",
     "the negative DDR3 strobes: the fitter places each beside its positive pin"},
    {MAINBOARD_BROVAN, "DDR3_DQS_n",
     "the negative DDR3 strobes: the fitter places each beside its positive pin"},
};

bool IsListedUnlocated(BoardId id, const std::string& pin) {
    for (const UnlocatedPin& listed : kUnlocated) {
        if (listed.board == id && pin.rfind(std::string(listed.bus) + "[", 0) == 0) {
            return true;
        }
    }
    return false;
}

// The Yelden header's BBB Mode 7 buses gpio0..gpio3 skip bits; the top
// level declares each over its whole range.
const char* const kYeldenMode7Gaps[] = {
    "gpio0[6]",  "gpio0[16]", "gpio0[17]", "gpio0[18]", "gpio0[19]", "gpio0[21]", "gpio0[24]",
    "gpio0[25]", "gpio0[28]", "gpio0[29]", "gpio1[8]",  "gpio1[9]",  "gpio1[10]", "gpio1[11]",
    "gpio1[20]", "gpio1[21]", "gpio1[22]", "gpio1[23]", "gpio1[24]", "gpio1[25]", "gpio1[26]",
    "gpio1[27]", "gpio2[18]", "gpio2[19]", "gpio2[20]", "gpio2[21]", "gpio3[18]", "gpio3[20]",
};

} // namespace

CheckOptions BoardCheckOptions(const BoardDef& def, ConstRecordSpan record) {
    CheckOptions options = BoardCheckOptions(def.id);
    if (def.id == MAINBOARD_YELDEN && record.size() == def.record.size &&
        record[kYeldenModeOffset] >= kYeldenMode7) {
        for (const char* bit : kYeldenMode7Gaps) {
            options.busBitsWithoutPin[bit] = "a gap of the BBB Mode 7 buses";
        }
    }
    return options;
}

CheckOptions BoardCheckOptions(BoardId id) {
    CheckOptions options;
    for (const SharedLocation& shared : kShared) {
        if (shared.board == id) {
            options.sharedLocations[shared.location] = shared.reason;
        }
    }
    for (const UnmatchedTarget& target : kUnmatched) {
        if (target.board == id) {
            options.unmatchedTargets[target.pattern] = target.reason;
        }
    }
    const BoardDef* def = FindBoard(id);
    if (!def || !def->HasRecord() || !def->fill) {
        return options;
    }
    std::vector<std::uint8_t> record(def->record.size);
    SetDefaultRecord(*def, record);
    for (const std::size_t offset : def->peripherals) {
        record[offset] = 1;
    }
    TMainBoard board;
    def->fill(&board, record);
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& group = *board.GetConnector(i);
        for (int j = 0; j < group.GetPinCount(); ++j) {
            const TPin* pin = group.GetPin(j);
            if (!pin || !pin->GetLocation().empty() || group.GetIsExpansion()) {
                continue;
            }
            if (const char* reason = UnplacedReason(id, pin->GetName())) {
                options.portsWithoutLocation[pin->GetName()] = reason;
                continue;
            }
            if (IsListedUnlocated(id, pin->GetName())) {
                options.portsWithoutLocation[pin->GetName()] = "placed by the fitter";
                continue;
            }
            EXPECT_EQ(group.GetName(), "HPS")
                << "board " << BoardNumber(id) << ": " << pin->GetName() << " has no location";
            options.portsWithoutLocation[pin->GetName()] = "placed with the HPS IP the user adds";
        }
    }
    return options;
}

} // namespace checker
