#include "support/BoardCheckOptions.h"

#include "boards/BoardRules.h"
#include "boards/Boards.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace checker {
namespace {

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
};

struct UnlocatedPin {
    BoardId board;
    const char* pin; // a bit, or a bus by its base name
    const char* reason;
};

// Board pins outside an HPS group that the board's data leaves without a
// location.
constexpr const char* kGaldreX2Open = "the board's data gives the pin no settled location";
constexpr const char* kGaldreX2NoPin = "the board's data gives the signal no FPGA pin";
const UnlocatedPin kUnlocated[] = {
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

const UnlocatedPin* FindUnlocated(BoardId board, const std::string& pin) {
    for (const UnlocatedPin& entry : kUnlocated) {
        if (entry.board == board && pin == entry.pin) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

CheckOptions BoardCheckOptions(BoardId id) {
    CheckOptions options;
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
            if (const UnlocatedPin* listed = FindUnlocated(id, pin->GetName())) {
                options.portsWithoutLocation[pin->GetName()] = listed->reason;
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
