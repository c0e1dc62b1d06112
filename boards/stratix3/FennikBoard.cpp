// The Fennik board (board id 6): a Stratix III board in five device variants
// with nine peripheral groups, four Kirrel ports, two GPIO headers that
// replace KIRREL-A in GPIO mode and a DDR2 socket that replaces KIRREL-B.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/stratix3/CONFIG_FENNIK.h"
#include "boards/stratix3/FennikConfig.h"
#include "boards/stratix3/FennikId.h"
#include "model/HolderModuleAttach.h"
#include "platform/Ui.h"

#include <cstddef>
#include <vector>

extern const BoardDef kFennikBoard;

namespace fennik {
namespace {

#define FENNIK_FIELD(f) offsetof(FENNIK_CONFIG, f)

// The twelve check boxes, the two mode boxes last.
constexpr BoardPeripheral kPeripherals[] = {
    {FENNIK_FIELD(bOSC), "OSC"},       {FENNIK_FIELD(bLED), "LED"},
    {FENNIK_FIELD(bSeg7), "Seg7"},     {FENNIK_FIELD(bButton), "Button"},
    {FENNIK_FIELD(bSwitch), "Switch"}, {FENNIK_FIELD(bDIP), "DIP"},
    {FENNIK_FIELD(bSDCARD), "SDCARD"}, {FENNIK_FIELD(bSma), "Sma"},
    {FENNIK_FIELD(bUSB), "USB"},       {FENNIK_FIELD(bTemp), "Temp"},
    {FENNIK_FIELD(bGPIO), "GPIO"},     {FENNIK_FIELD(bDDR2), "DDR2"},
};

constexpr BoardCardPort GpioPort(const char* name, int h) {
    return BoardCardPort{name,
                         PortFamily::Gpio,
                         config::CardListRule::Holder,
                         CONNECTOR_GPIO80,
                         false,
                         VOLTAGE_2V5,
                         FENNIK_FIELD(nGpioDaughterId) + static_cast<std::size_t>(h),
                         FENNIK_FIELD(szGpioPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(h),
                         ConnectorIdAt(CONNECTOR_ID_GPIO_0, h),
                         IOSTD_3V3_LVTTL};
}

constexpr BoardCardPort KirrelPort(const char* name, int n) {
    return BoardCardPort{name,
                         PortFamily::Kirrel,
                         config::CardListRule::Holder,
                         CONNECTOR_KIRREL,
                         false,
                         VOLTAGE_2V5,
                         FENNIK_FIELD(nKirrelDaughterId) + static_cast<std::size_t>(n),
                         FENNIK_FIELD(szKirrelPrefixName) +
                             kRecordTextSize * static_cast<std::size_t>(n),
                         ConnectorIdAt(CONNECTOR_ID_KIRREL_A, n),
                         IOSTD_3V3_LVTTL};
}

constexpr BoardCardPort kPorts[] = {
    GpioPort("GPIO-0", GPIO_0),       GpioPort("GPIO-1", GPIO_1),
    KirrelPort("KIRREL-A", KIRREL_A), KirrelPort("KIRREL-B", KIRREL_B),
    KirrelPort("KIRREL-C", KIRREL_C), KirrelPort("KIRREL-D", KIRREL_D),
};
constexpr int kFirstKirrelPort = kGpioCount;

void SetDefaults(RecordSpan bytes) {
    bytes[FENNIK_FIELD(bGPIO)] = 0;
    bytes[FENNIK_FIELD(bDDR2)] = 0;
}

// The ports a mode takes away: the GPIO headers outside GPIO mode, KIRREL-A
// in it, KIRREL-B in DDR2 mode.
bool IdleIn(ConstRecordSpan bytes, int portIndex) {
    const bool gpio = bytes[FENNIK_FIELD(bGPIO)] != 0;
    if (portIndex < kFirstKirrelPort) {
        return !gpio;
    }
    const int n = portIndex - kFirstKirrelPort;
    return (n == KIRREL_A && gpio) || (n == KIRREL_B && bytes[FENNIK_FIELD(bDDR2)] != 0);
}

void AdjustPort(ConstRecordSpan bytes, int portIndex, BoardCardPort& port) {
    port.idle = IdleIn(bytes, portIndex);
}

// The form writes no card and no prefix for the ports a mode takes away.
void Mend(RecordSpan bytes) {
    if (bytes[FENNIK_FIELD(nBoardIndex)] > kLastBoardIndex) {
        bytes[FENNIK_FIELD(nBoardIndex)] = 0;
    }
    for (const std::size_t off : {FENNIK_FIELD(bGPIO), FENNIK_FIELD(bDDR2)}) {
        bytes[off] = bytes[off] != 0 ? 1 : 0;
    }
    for (int i = 0; i < static_cast<int>(std::size(kPorts)); ++i) {
        if (IdleIn(bytes, i)) {
            const BoardCardPort& port = kPorts[static_cast<std::size_t>(i)];
            bytes[port.cardOffset] = 0;
            SetRecordFieldText(bytes, port.prefixOffset, "");
        }
    }
}

// Two Kirrel ports in use with one card and one prefix.
bool CheckKirrelPrefixes(ConstRecordSpan bytes, std::string& message) {
    const std::vector<BoardCardPort> ports = EffectivePorts(kFennikBoard, bytes);
    for (int n = 0; n < kKirrelCount; ++n) {
        const BoardCardPort& p = ports[static_cast<std::size_t>(kFirstKirrelPort + n)];
        for (int m = n + 1; m < kKirrelCount; ++m) {
            const BoardCardPort& q = ports[static_cast<std::size_t>(kFirstKirrelPort + m)];
            if (p.idle || q.idle || bytes[p.cardOffset] == 0 ||
                bytes[p.cardOffset] != bytes[q.cardOffset] ||
                RecordFieldText(bytes, p.prefixOffset) != RecordFieldText(bytes, q.prefixOffset)) {
                continue;
            }
            message = platform::Format("KIRREL-%c and KIRREL-%c cannot have the same prefix name "
                                       "when both connect to the same type of daughter boards.",
                                       'A' + n, 'A' + m);
            return false;
        }
    }
    return true;
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_FENNIK(board, RecordAs<FENNIK_CONFIG>(bytes));
}

void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    if (RecordAs<FENNIK_CONFIG>(bytes).bDDR2) {
        AttachDdr2Sodimm(&board, CONNECTOR_ID_DDR2_SODIMM, CardPrefix("mem_"),
                         DqsMode::Differential, IOSTD_3V3_LVTTL, IOSTD_3V3_LVTTL);
    }
}

#undef FENNIK_FIELD

} // namespace
} // namespace fennik

extern const BoardDef kFennikBoard{
    .id = MAINBOARD_FENNIK,
    .title = "Fennik FPGA Board",
    .selectorLine = "Fennik FPGA Board",
    .selectorPicture = "FENNIK_400_BITMAP",
    .folderWord = fennik::kFolderWord,
    .defaultProjectName = fennik::kDefaultProjectName,
    .record = {.size = sizeof(FENNIK_CONFIG)},
    .peripherals = fennik::kPeripherals,
    .ports = fennik::kPorts,
    .setDefaults = fennik::SetDefaults,
    .mendRecord = fennik::Mend,
    .adjustPort = fennik::AdjustPort,
    .checkRecord = fennik::CheckKirrelPrefixes,
    .prefixChecksAfterName = true,
    .fill = fennik::Fill,
    .attachExtra = fennik::AttachExtra,
    .cardRules = {.gpioDefault = GpioDefaultNaming::ClockedDataBus,
                  .ddr2Sodimm = {.strobes = DqsMode::Differential,
                                 .presenceDetect = IOSTD_3V3_LVTTL}},
};

namespace {
const BoardRegistrar kRegistrar{kFennikBoard};
} // namespace
