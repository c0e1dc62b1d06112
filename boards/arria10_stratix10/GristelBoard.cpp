// The Gristel board (board id 35): an Arria 10 SoC board with seventeen
// peripheral groups, a choice of Verilog or VHDL for the top level, one
// memory-module socket (DDR4 SODIMM with or without ECC, a QDR-II+ or a
// QDR-IV module) and an FMC connector whose I/O voltage the jumper JP2
// sets. The voltage picks the FMC cards offered and the standard of their
// single-ended pins.

#include "boards/BoardDef.h"
#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/arria10_stratix10/CONFIG_GRISTEL.h"
#include "boards/arria10_stratix10/ConfigGristel.h"
#include "boards/arria10_stratix10/GristelId.h"
#include "model/CardAttach.h"

#include <cstddef>

extern const BoardText kGristelText;
extern const BoardDef kGristelBoard;

namespace gristel {
namespace {

#define GRISTEL_FIELD(f) offsetof(GRISTEL_CONFIG, f)

constexpr BoardPeripheral kPeripherals[] = {
    {GRISTEL_FIELD(Clock), "OSC"},
    {GRISTEL_FIELD(Led), "LED"},
    {GRISTEL_FIELD(Seg7), "Seg7"},
    {GRISTEL_FIELD(Button), "Button"},
    {GRISTEL_FIELD(Switch), "Switch"},
    {GRISTEL_FIELD(Fan), "Fan"},
    {GRISTEL_FIELD(Temperature), "Temperature"},
    {GRISTEL_FIELD(Ddr4), "SDRAM"},
    {GRISTEL_FIELD(Ethernet), "Ethernet"},
    {GRISTEL_FIELD(Sma), "SMA"},
    {GRISTEL_FIELD(Sata), "SATA"},
    {GRISTEL_FIELD(Pcie), "PCIe"},
    {GRISTEL_FIELD(Sdi), "SDI"},
    {GRISTEL_FIELD(Usb), "USB"},
    {GRISTEL_FIELD(Hdmi), "HDMI"},
    {GRISTEL_FIELD(Sfp), "SFP"},
    {GRISTEL_FIELD(DisplayPort), "DisplayPort"},
    {GRISTEL_FIELD(Hps), "HPS"},
};

// The socket lists the modules 77..80; the FMC list and its cards'
// standard follow the record's voltage (AdjustPort): the values here are
// those of 1.8 V.
constexpr BoardCardPort kPorts[] = {
    {"DDR4 Socket", PortFamily::Ddr4Socket, config::CardListRule::BoardClass,
     CONNECTOR_DDR4_SODIMM_IF_ECC, false, VOLTAGE_2V5, GRISTEL_FIELD(SocketCardId),
     GRISTEL_FIELD(SocketPrefixName), CONNECTOR_ID_DDR4_SOCKET, IOSTD_1V2},
    {"FMC", PortFamily::Fmc, config::CardListRule::BoardClass, CONNECTOR_FMC_HPC, true, VOLTAGE_1V8,
     GRISTEL_FIELD(FmcCardId), GRISTEL_FIELD(FmcPrefixName), CONNECTOR_ID_FMC_A, IOSTD_1V8},
};

#undef GRISTEL_FIELD

void SetDefaults(RecordSpan bytes) {
    GRISTEL_CONFIG record = RecordAs<GRISTEL_CONFIG>(bytes);
    record.FileType = 0;
    record.Ethernet = 0;
    record.Sma = 0;
    record.Sata = 0;
    record.Pcie = 0;
    record.Sdi = 0;
    record.Usb = 0;
    record.Hdmi = 0;
    record.Sfp = 0;
    record.DisplayPort = 0;
    record.Hps = 0;
    record.FmcVoltage = kFmc1V8;
    StoreRecord(bytes, record);
}

// An unknown voltage code becomes 1.8 V, as the form shows it.
void Mend(RecordSpan bytes) {
    GRISTEL_CONFIG record = RecordAs<GRISTEL_CONFIG>(bytes);
    if (record.FmcVoltage != kFmc1V5 && record.FmcVoltage != kFmc1V2) {
        record.FmcVoltage = kFmc1V8;
    }
    record.FileType = record.FileType != 0 ? 1 : 0;
    StoreRecord(bytes, record);
}

void AdjustPort(ConstRecordSpan bytes, int index, BoardCardPort& port) {
    if (index != FMC) {
        return;
    }
    const std::int32_t voltage = RecordAs<GRISTEL_CONFIG>(bytes).FmcVoltage;
    // 1.2 V has no voltage class of the catalogue: class 0.
    port.listVoltage = voltage == kFmc1V5   ? VOLTAGE_1V5
                       : voltage == kFmc1V2 ? static_cast<Voltage>(0)
                                            : VOLTAGE_1V8;
    port.ioStandard = GristelFmcStandard(voltage);
}

// The socket's modules default to a prefix of their own; the VITA cards on
// the FMC connector to "FMC_".
const char* DefaultPrefix(CardId card) {
    switch (CardNumber(card)) {
    case 77:
    case 78:
        return "DDR4A_";
    case 79:
        return "QDRII_";
    case 80:
        return "QDRIV_";
    case 40:
    case 41:
        return "FMC_";
    default:
        return nullptr;
    }
}

void Fill(TMainBoard* board, ConstRecordSpan bytes) {
    CONFIG_GRISTEL(board, RecordAs<GRISTEL_CONFIG>(bytes));
}

// The module in the socket, its I2C and SA lines at 1.2 V.
void AttachExtra(TMainBoard& board, ConstRecordSpan bytes) {
    const std::vector<BoardCardPort> ports = EffectivePorts(kGristelBoard, bytes);
    const BoardCardPort& socket = ports[SOCKET];
    const CardId card = MakeCardId(bytes[socket.cardOffset]);
    const CardPrefix prefix(EffectivePrefix(kGristelBoard, bytes, socket));
    switch (CardNumber(card)) {
    case 0:
        break;
    case 77:
    case 78:
        board.AttachDdr4SodimmInterface(CONNECTOR_ID_DDR4_SOCKET, prefix, IOSTD_1V2, IOSTD_1V2,
                                        CardNumber(card) == 78 ? Ecc::With : Ecc::Without,
                                        board.m_CardRules.ddr4SodimmInterface);
        break;
    case 79:
        board.AttachQdr2Module(CONNECTOR_ID_DDR4_SOCKET, prefix);
        break;
    case 80:
        board.AttachQdr4Module(CONNECTOR_ID_DDR4_SOCKET, prefix);
        break;
    default:
        PINSMITH_FAIL("Gristel socket: a card the socket list does not offer");
    }
}

bool UsesVhdl(ConstRecordSpan bytes) {
    return RecordAs<GRISTEL_CONFIG>(bytes).FileType != 0;
}

} // namespace
} // namespace gristel

extern const BoardDef kGristelBoard{
    .id = MAINBOARD_GRISTEL,
    .title = "Gristel",
    .selectorLine = "Gristel Board",
    .selectorPicture = "GRISTEL_400_BITMAP",
    .folderWord = gristel::kWord,
    .defaultProjectName = gristel::kWord,
    .text = &kGristelText,
    .record = {.size = sizeof(GRISTEL_CONFIG)},
    .peripherals = gristel::kPeripherals,
    .ports = gristel::kPorts,
    .setDefaults = gristel::SetDefaults,
    .mendRecord = gristel::Mend,
    .adjustPort = gristel::AdjustPort,
    .defaultPrefix = gristel::DefaultPrefix,
    .fill = gristel::Fill,
    .attachExtra = gristel::AttachExtra,
    .usesVhdl = gristel::UsesVhdl,
    // The FMC bank runs at the voltage the user set (JP2): every
    // single-ended level of a card takes the caller's standard (the
    // voltage's), every lane HSSI, whatever the card's map fixes.
    .cardRules = {.transceiver = IOSTD_HSSI_DIFF, .levels = CardLevels::FollowBank},
};

namespace {
const BoardRegistrar kRegistrar{kGristelBoard};
} // namespace
