// The Kelmis board (board id 12): a Stratix IV GX board in two device
// variants with thirteen peripheral groups, a programmable PLL, a DDR3
// socket and six HSMC ports, of which port C can carry two 40-pin GPIO
// headers instead.

#include "boards/stratix4/KelmisBoard.h"
#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/CONFIG_KELMIS.h"
#include "boards/stratix4/KelmisConfig.h"
#include "boards/stratix4/KelmisId.h"
#include "boards/stratix4/StratixIvGx.h"
#include "model/HolderModuleAttach.h"

#include <cstddef>

extern const BoardText kKelmisText;

namespace kelmis {

bool IsHsmcDefaultCard(CardId card) {
    switch (card) {
    case CARD_HSMC_DEFAULT:
    case CARD_HSMC_DEFAULT_XCVR:
    case CARD_HSMC_DEFAULT_3V3:
    case CARD_HSMC_DEFAULT_1V8:
    case CARD_HSMC_DEFAULT_1V5:
    case CARD_HSMC_DEFAULT_3V3_XCVR:
    case CARD_HSMC_DEFAULT_3V0_XCVR:
    case CARD_HSMC_DEFAULT_1V8_XCVR:
    case CARD_HSMC_DEFAULT_1V5_XCVR:
    case CARD_HSMC_DEFAULT_3V0:
        return true;
    default:
        return false;
    }
}

void RenameHsmcDefaultPin(TMainBoard& board, int hsmcOrdinal, PinDirection direction,
                          const std::string& suffix, const std::string& prefix, int position) {
    TPin* p = board.GetHsmcPin(hsmcOrdinal, position);
    PINSMITH_ASSERT(p != nullptr);
    p->SetName(prefix + suffix);
    p->SetDirection(direction);
}

namespace {

#define KELMIS_FIELD(f) offsetof(KELMIS_CONFIG, f)

constexpr BoardPeripheral kPeripherals[] = {
    {KELMIS_FIELD(bOSC), "OSC"},       {KELMIS_FIELD(bLED), "LED"},
    {KELMIS_FIELD(bButton), "Button"}, {KELMIS_FIELD(bSwitch), "Switch"},
    {KELMIS_FIELD(bSma), "Sma"},       {KELMIS_FIELD(bTemp), "Temp"},
    {KELMIS_FIELD(bDDR3), "DDR3"},     {KELMIS_FIELD(bPCIe0), "PCIe0"},
    {KELMIS_FIELD(bPCIe1), "PCIe1"},   {KELMIS_FIELD(bFan), "Fan"},
    {KELMIS_FIELD(bSSRAM), "SSRAM"},   {KELMIS_FIELD(bFlash), "Flash"},
    {KELMIS_FIELD(bExtPLL), "ExtPLL"},
};

// List 1 (ports B, C, D, F) and list 2 (ports A and E, with transceiver
// cards) end with the HSMC Default voltage variants.
constexpr std::uint8_t kList1Appended[] = {88, 87, 94};
constexpr std::uint8_t kList2Appended[] = {92, 91, 90, 88, 87, 94};

constexpr BoardCardPort HsmcPort(const char* name, int n) {
    const bool xcvr = UsesTransceiverList(n);
    return BoardCardPort{name,
                         PortFamily::Hsmc,
                         config::CardListRule::Holder,
                         CONNECTOR_HSMC,
                         xcvr,
                         VOLTAGE_2V5,
                         KELMIS_FIELD(nHsmcDaughterId) + static_cast<std::size_t>(n),
                         KELMIS_FIELD(szHSMCPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(n),
                         ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                         IOSTD_2V5,
                         "",
                         xcvr ? std::span<const std::uint8_t>(kList2Appended)
                              : std::span<const std::uint8_t>(kList1Appended)};
}

constexpr BoardCardPort GpioPort(const char* name, int h) {
    return BoardCardPort{name,
                         PortFamily::Gpio,
                         config::CardListRule::Holder,
                         CONNECTOR_GPIO80,
                         false,
                         VOLTAGE_2V5,
                         KELMIS_FIELD(nGpioDaughterId) + static_cast<std::size_t>(h),
                         KELMIS_FIELD(szGpioPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(h),
                         ConnectorIdAt(CONNECTOR_ID_GPIO_0, h),
                         IOSTD_3V3_LVTTL};
}

// The board's inputs at HSMC-A/E position 156 and HSMC-C 156 and 158 sit
// where the debug card (18) puts bits of its LED output bus.
constexpr std::uint8_t kDebugCardUnfit[] = {18};

constexpr BoardCardPort kPorts[] = {
    WithUnfitCards(HsmcPort("HSMC-A", HSMC_A), kDebugCardUnfit),
    HsmcPort("HSMC-B", HSMC_B),
    WithUnfitCards(HsmcPort("HSMC-C", HSMC_C), kDebugCardUnfit),
    HsmcPort("HSMC-D", HSMC_D),
    WithUnfitCards(HsmcPort("HSMC-E", HSMC_E), kDebugCardUnfit),
    HsmcPort("HSMC-F", HSMC_F),
    GpioPort("GPIO-0", GPIO_0),
    GpioPort("GPIO-1", GPIO_1),
};
constexpr int kFirstGpioPort = kHsmcCount;

void SetDefaults(RecordSpan bytes) {
    for (const std::size_t off : {KELMIS_FIELD(bSma), KELMIS_FIELD(bDDR3), KELMIS_FIELD(bPCIe0),
                                  KELMIS_FIELD(bPCIe1), KELMIS_FIELD(bExtPLL)}) {
        bytes[off] = 0;
    }
    stratix4gx::SetDefaultPllChoices(bytes, KELMIS_FIELD(nPllIndex));
}

void Mend(RecordSpan bytes) {
    stratix4gx::MendVariantAndPllChoices(bytes, KELMIS_FIELD(nBoardTypeIndex),
                                         KELMIS_FIELD(nPllIndex));
    std::uint8_t& mode = bytes[KELMIS_FIELD(bHsmcGpio)];
    mode = mode != 0 ? 1 : 0;
}

// In GPIO mode port C is replaced by the two headers; in HSMC mode the
// headers take no part. The record keeps the cards of both.
void AdjustPort(ConstRecordSpan bytes, int portIndex, BoardCardPort& port) {
    const bool gpioMode = bytes[KELMIS_FIELD(bHsmcGpio)] != 0;
    if (portIndex == HSMC_C) {
        port.idle = gpioMode;
    } else if (portIndex >= kFirstGpioPort) {
        port.idle = !gpioMode;
    }
}

const char* DefaultPrefix(CardId card) {
    return IsHsmcDefaultCard(card) ? "HSM_" : nullptr;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_KELMIS(board, RecordAs<KELMIS_CONFIG>(bytes));
}

// The HSMC Default cards' clock pins get names of their own; then the DDR3
// module.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const KELMIS_CONFIG config = RecordAs<KELMIS_CONFIG>(bytes);
    const std::vector<BoardCardPort> ports = EffectivePorts(kKelmisBoard, bytes);
    int k = 0;
    for (int n = 0; n < kHsmcCount; ++n) {
        const BoardCardPort& port = ports[static_cast<std::size_t>(n)];
        const CardId card = MakeCardId(config.nHsmcDaughterId[n]);
        if (port.idle || static_cast<std::int8_t>(config.nHsmcDaughterId[n]) <= 0) {
            continue;
        }
        if (IsHsmcDefaultCard(card)) {
            const std::string prefix = EffectivePrefix(kKelmisBoard, bytes, port);
            RenameHsmcDefaultPin(board, k, PIN_DIR_INOUT, "OUT0", prefix, 39);
            if (n != HSMC_F) {
                RenameHsmcDefaultPin(board, k, PIN_DIR_INOUT, "OUT_p2", prefix, 155);
                RenameHsmcDefaultPin(board, k, PIN_DIR_INOUT, "OUT_n2", prefix, 157);
            }
            if (n == HSMC_B) {
                RenameHsmcDefaultPin(board, k, PIN_DIR_INOUT, "OUT_p1", prefix, 95);
                RenameHsmcDefaultPin(board, k, PIN_DIR_INOUT, "OUT_n1", prefix, 97);
            }
        }
        ++k;
    }
    if (config.bDDR3) {
        AttachDdr3Sodimm(&board, CONNECTOR_ID_DDR3_SODIMM, CardPrefix("mem_"),
                         DqsMode::Differential, IOSTD_1V5, IOSTD_1V5);
    }
}

#undef KELMIS_FIELD

} // namespace
} // namespace kelmis

extern const BoardDef kKelmisBoard{
    .id = MAINBOARD_KELMIS,
    .title = "Kelmis FPGA Board",
    .selectorLine = "Kelmis FPGA Board",
    .selectorPicture = "KELMIS_400_BITMAP",
    .folderWord = kelmis::kFolderWord,
    .defaultProjectName = kelmis::kDefaultProjectName,
    .text = &kKelmisText,
    .record = {.size = sizeof(KELMIS_CONFIG)},
    .peripherals = kelmis::kPeripherals,
    .ports = kelmis::kPorts,
    .setDefaults = kelmis::SetDefaults,
    .mendRecord = kelmis::Mend,
    .adjustPort = kelmis::AdjustPort,
    .defaultPrefix = kelmis::DefaultPrefix,
    .fill = kelmis::Fill,
    .attachExtra = kelmis::AttachExtra,
    // The banks an HSMC port shares with board pins run at the port's
    // standard (2.5 V by the form), so an HSMC card's single-ended pins take
    // it too; a GPIO card on port C keeps 3.0-V PCI-X, the voltage its VCCIO
    // jumper is set to.
    .cardRules = {.singleEndedRule = SingleEndedRule::CallerForHsmcElseFixed,
                  .singleEnded = IOSTD_3V0_PCIX,
                  .transceiver = IOSTD_1V4_PCML,
                  .hsmcDefault = HsmcDefaultNaming::Gxb,
                  .hsmcLvdsDefault = LvdsDefaultNaming::Formula,
                  .ddr3Sodimm = Ddr3SodimmForm::LowerCase},
};

namespace {
const BoardRegistrar kRegistrar{kKelmisBoard};
} // namespace
