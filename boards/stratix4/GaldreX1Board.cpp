// The Galdre_X1 board (board id 8): a Stratix IV GX board in two device
// variants with 25 peripheral groups, a programmable PLL with three
// outputs, two DDR2 SODIMM sockets, two 40-pin GPIO headers and two HSMC
// ports.

#include "boards/stratix4/GaldreX1Board.h"
#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix4/CONFIG_GALDRE_X1.h"
#include "boards/stratix4/GaldreX1Config.h"
#include "boards/stratix4/GaldreX1Id.h"
#include "boards/stratix4/HsmcPortPrefix.h"
#include "boards/stratix4/StratixIvGx.h"
#include "model/HolderModuleAttach.h"

#include <cstddef>

extern const BoardText kGaldreX1Text;

namespace galdrex1 {

// The SFP card (21) and the SATA/SAS card (23) use lanes that HSMC-A does
// not bring to the FPGA.
std::string TransceiverPlacementWarning(CardId cardA, CardId cardB) {
    const char* const kLanes =
        "Both XCVR_TX4p and XCVR_RX4p pins are not connected to Galdre FPGA through HSMC-A "
        "Connector.";
    const bool bTakesOne = cardB == CARD_WEXAL || cardB == CARD_SATA;
    if (cardA == CARD_WEXAL) {
        return bTakesOne ? std::string(kLanes)
                         : std::string(kLanes) +
                               "\r\nSuggest to plug your SFP board in the HSMC-B Connector.";
    }
    if (cardA == CARD_SATA) {
        return bTakesOne ? std::string("4-lane SAS in SATA/SAS board are not connected to Galdre "
                                       "FPGA through HSMC-A Connector.")
                         : std::string(kLanes) +
                               "\r\nSuggest to plug your SATA/SAS board in the HSMC-B Connector.";
    }
    return {};
}

namespace {

#define GALDRE_FIELD(f) offsetof(GALDRE_X1_CONFIG, f)

constexpr BoardPeripheral kPeripherals[] = {
    {GALDRE_FIELD(bOSC), "OSC"},           {GALDRE_FIELD(bLED), "LED"},
    {GALDRE_FIELD(bSeg7), "Seg7"},         {GALDRE_FIELD(bButton), "Button"},
    {GALDRE_FIELD(bSwitch), "Switch"},     {GALDRE_FIELD(bSlideSwitch), "SlideSwitch"},
    {GALDRE_FIELD(bSata_0), "Sata_0"},     {GALDRE_FIELD(bSata_1), "Sata_1"},
    {GALDRE_FIELD(bSata_2), "Sata_2"},     {GALDRE_FIELD(bSata_3), "Sata_3"},
    {GALDRE_FIELD(bEthernet), "Ethernet"}, {GALDRE_FIELD(bSDCARD), "SDCARD"},
    {GALDRE_FIELD(bSma), "Sma"},           {GALDRE_FIELD(bUsbOTG), "UsbOTG"},
    {GALDRE_FIELD(bCurrent), "Current"},   {GALDRE_FIELD(bTemp), "Temp"},
    {GALDRE_FIELD(bDDR2_0), "DDR2_0"},     {GALDRE_FIELD(bDDR2_1), "DDR2_1"},
    {GALDRE_FIELD(bPCIe), "PCIe"},         {GALDRE_FIELD(bFan), "Fan"},
    {GALDRE_FIELD(bSSRAM), "SSRAM"},       {GALDRE_FIELD(bFlash), "Flash"},
    {GALDRE_FIELD(bEEPROM), "EEPROM"},     {GALDRE_FIELD(bExtPLL), "ExtPLL"},
    {GALDRE_FIELD(bRs232), "Rs232"},
};

// Both HSMC ports show the transceiver list at 2.5 V and hand their cards
// 2.5 V; the GPIO headers offer the 2.5-V GPIO Default card at 3.3-V LVTTL.
// An HSMC Default card on a port without a prefix takes the port's own
// at the attach; the prefix checks compare the typed ones.
constexpr BoardCardPort HsmcPort(const char* name, int n) {
    BoardCardPort port{name,
                       PortFamily::Hsmc,
                       config::CardListRule::Holder,
                       CONNECTOR_HSMC,
                       true,
                       VOLTAGE_2V5,
                       GALDRE_FIELD(nHsmcDaughterId) + static_cast<std::size_t>(n),
                       GALDRE_FIELD(szHSMCPrefixName) +
                           kRecordTextSize * static_cast<std::size_t>(n),
                       ConnectorIdAt(CONNECTOR_ID_HSMC_A, n),
                       IOSTD_2V5};
    port.attachDefaultPrefix = n == HSMC_A ? stratix4::HsmaPrefix : stratix4::HsmbPrefix;
    return port;
}

constexpr BoardCardPort GpioPort(const char* name, int h) {
    return BoardCardPort{name,
                         PortFamily::Gpio,
                         config::CardListRule::Holder,
                         CONNECTOR_GPIO80,
                         false,
                         VOLTAGE_2V5,
                         GALDRE_FIELD(nGpioDaughterId) + static_cast<std::size_t>(h),
                         GALDRE_FIELD(szGpioPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(h),
                         ConnectorIdAt(CONNECTOR_ID_GPIO_0, h),
                         IOSTD_3V3_LVTTL};
}

constexpr BoardCardPort kPorts[] = {
    HsmcPort("HSMC-A", HSMC_A),
    HsmcPort("HSMC-B", HSMC_B),
    GpioPort("GPIO-0", GPIO_0),
    GpioPort("GPIO-1", GPIO_1),
};

// SATA, SMA, the DDR2 sockets and PCIe are off by default; the PLL outputs
// start at 100 MHz.
void SetDefaults(RecordSpan bytes) {
    for (const std::size_t off :
         {GALDRE_FIELD(bSata_0), GALDRE_FIELD(bSata_1), GALDRE_FIELD(bSata_2),
          GALDRE_FIELD(bSata_3), GALDRE_FIELD(bSma), GALDRE_FIELD(bDDR2_0), GALDRE_FIELD(bDDR2_1),
          GALDRE_FIELD(bPCIe), GALDRE_FIELD(bMax2)}) {
        bytes[off] = 0;
    }
    stratix4gx::SetDefaultPllChoices(bytes, GALDRE_FIELD(nExtPllIndex));
}

// A loaded record's variant, PLL choices and the byte no control shows
// are brought to what the form can hold.
void Mend(RecordSpan bytes) {
    stratix4gx::MendVariantAndPllChoices(bytes, GALDRE_FIELD(nBoardTypeIndex),
                                         GALDRE_FIELD(nExtPllIndex));
    bytes[GALDRE_FIELD(bMax2)] = 0;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_GALDRE_X1(board, RecordAs<GALDRE_X1_CONFIG>(bytes));
}

// The DDR2 modules, each on its socket with its own prefix.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const GALDRE_X1_CONFIG config = RecordAs<GALDRE_X1_CONFIG>(bytes);
    if (config.bDDR2_0) {
        AttachDdr2Sodimm(&board, CONNECTOR_ID_DDR2_SODIMM_0, CardPrefix("M1_DDR2_"),
                         DqsMode::Differential, IOSTD_1V8, IOSTD_1V8);
    }
    if (config.bDDR2_1) {
        AttachDdr2Sodimm(&board, ConnectorIdAt(CONNECTOR_ID_DDR2_SODIMM_0, 1),
                         CardPrefix("M2_DDR2_"), DqsMode::Differential, IOSTD_1V8, IOSTD_1V8);
    }
}

#undef GALDRE_FIELD

} // namespace
} // namespace galdrex1

extern const BoardDef kGaldreX1Board{
    .id = MAINBOARD_GALDRE_X1,
    .title = "Galdre FPGA Board",
    .selectorLine = "Galdre FPGA Board",
    .selectorPicture = "GALDRE_X1_400_BITMAP",
    .folderWord = galdrex1::kFolderWord,
    .defaultProjectName = galdrex1::kDefaultProjectName,
    .text = &kGaldreX1Text,
    .record = {.size = sizeof(GALDRE_X1_CONFIG)},
    .peripherals = galdrex1::kPeripherals,
    .ports = galdrex1::kPorts,
    .pair = {galdrex1::GPIO_0_PORT, galdrex1::GPIO_1_PORT, CONNECTOR_ID_GPIO_PAIR},
    .setDefaults = galdrex1::SetDefaults,
    .mendRecord = galdrex1::Mend,
    .fill = galdrex1::Fill,
    .attachExtra = galdrex1::AttachExtra,
    .cardRules = {.singleEndedRule = SingleEndedRule::Fixed,
                  .singleEnded = IOSTD_3V0_PCIX,
                  .transceiver = IOSTD_1V4_PCML,
                  .second = IOSTD_1V8,
                  .hsmcDefault = HsmcDefaultNaming::Formula,
                  .hsmcLvdsDefault = LvdsDefaultNaming::Formula,
                  .hsmcDebugLine96 = HsmcDebugLine96::Input},
};

namespace {
const BoardRegistrar kRegistrar{kGaldreX1Board};
} // namespace
