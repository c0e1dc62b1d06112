#include "model/CardCatalogue.h"

#include "platform/Assert.h"

namespace {

struct CardRow {
    const char* name;        // nullptr: the id has no card
    const char* shortName;   // nullptr: no short name
    const char* description; // nullptr: no description
    std::uint8_t type;
    std::uint8_t voltage;
    bool transceiver;
    bool listed;
};

// One row per card id 0..94.
// clang-format off
const CardRow kCards[] = {
    {"None", "None", "None", 0, 3, false, true}, // 0
    {"GPIO Default", "GPIO_Default", "GPIO Default Pin Name", 3, 5, false, true}, // 1
    {"HSMC Default", "HSMC_Default", "HSMC Default Pin Name", 1, 3, false, true}, // 2
    {"HSMC Default With Transceiver", "HSMC_Default_With_Transceiver", "HSMC Default Pin Name (With Transceiver)", 1, 3, true, true}, // 3
    {"HSMC LVDS Default", "HSMC_LVDS_Default", "HSMC LVDS Default Pin Name", 1, 3, false, false}, // 4
    {"Kirrel Default", "Kirrel_Default", "Kirrel Default Pin Name", 2, 3, false, true}, // 5
    {"Teslin - FullHD TX/RX", "Teslin", "Teslin", 1, 3, false, true}, // 6
    {"Parnel - 10/100/1000 Ethernet", "Parnel", "Parnel", 1, 3, false, true}, // 7
    {"Havor - High Speed ADC/DAC", "Havor", "HSMC 150MSPS-ADC and 250MSPS-DAC", 1, 3, false, true}, // 8
    {"DDR2 SODIMM", "DDR2_SODIMM", "DDR2 SODIMM", 5, 3, false, true}, // 9
    {"Ostel - High Speed ADC/DAC", "Ostel", "HSMC 65MSPS-ADC and 125MSPS-DAC", 1, 3, false, true}, // 10
    {"Ostel - High Speed ADC/DAC", "Ostel", "GPIO 65MSPS-ADC and 125MSPS-DAC", 4, 5, false, true}, // 11
    {"Fyrn - 5M Pixel Camera", "Fyrn", "PIO 5-Mega Pixel Camera", 3, 5, false, true}, // 12
    {"Tambry - 4.3\" LCD and Touch", "Tambry", "PIO Touch LCD", 3, 5, false, true}, // 13
    {"Vadrel - Multimedia Card", "Vadrel", "HSMC Multimedia", 1, 3, false, true}, // 14
    {"Vantor - FullHD TX/RX", "Vantor", "Vantor", 2, 3, false, true}, // 15
    {"Nimbal - Kirrel to PIO Adaptor", "Nimbal_Kirrel", "Kirrel to PIO", 2, 3, false, false}, // 16
    {"Nimbal - HSMC to PIO Adaptor", "Nimbal_HSMC", "HSMC to PIO", 1, 3, false, true}, // 17
    {"HSMC Debug", "HSMC_Debug", "HSMC Debug", 1, 3, false, true}, // 18
    {"HSMC Loopback", "HSMC_Loopback", "HSMC Loopback", 1, 3, false, true}, // 19
    {"Kirrel Loopback", "Kirrel_Loopback", "Kirrel Loopback", 2, 3, false, true}, // 20
    {"Wexal - Form-Factor Pluggable", "Wexal", "Wexal", 1, 3, true, true}, // 21
    {"Brevik - SD/HD/3G", "Brevik", "Brevik", 1, 3, true, true}, // 22
    {"SATA/SAS", "SATA", "HSMC SATA/SAS", 1, 3, true, true}, // 23
    {"Orrin - High Speed USB FIFO", "Orrin", "PIO High-Speed USB (Sync FIFO)", 3, 3, false, false}, // 24
    {"Orrin - High Speed USB - Native", "Orrin_NATIVE", "PIO High-Speed USB (Native)", 3, 3, false, false}, // 25
    {"Fasker - Transceiver to SMA", "Fasker", "HSMC Fasker (Transceiver to SMA)", 1, 3, true, true}, // 26
    {"Prell - Industry Communication", "Prell", "Prell - Industry Communication", 1, 3, false, true}, // 27
    {"Delvo - Santa Cruz Interface", "Delvo", "HSMC Delvo (HSMC to Santa Cruz)", 1, 3, false, true}, // 28
    {"Sorvel - 8\" LCD/Touch/Camera", "Sorvel", "HSMC Sorvel - 8\" LCD/Touch/Camera", 1, 3, false, true}, // 29
    {"Uvrel - 8\" LCD/Touch", "Uvrel", "GPIO Uvrel - 8\" LCD/Touch", 3, 3, false, false}, // 30
    {"HDMI TX", "HDMI_TX", "", 1, 3, false, true}, // 31
    {"HDMI RX", "HDMI_RX", "", 1, 3, false, true}, // 32
    {"Camera Link Receiver", "Hessel", "", 1, 3, false, true}, // 33
    {"Quarn - Interactive Sensor Board", "Quarn", "", 3, 5, false, false}, // 34
    {"Pemble-Aptina Headboard Adaptor", "Pemble", "", 1, 3, false, true}, // 35
    {"Sorvel2 - 8\" LCD/Touch/Camera", "Sorvel2", "HSMC Sorvel2 - 8\" LCD/Touch/Camera", 1, 3, false, true}, // 36
    {"HSMC Loopback w/ Transceiver", "HSMC_Loopback_Xcvr", "HSMC Loopback with Transceiver", 1, 3, true, true}, // 37
    {"DDR3 SODIMM", "DDR3_SODIMM", "DDR3 SODIMM", 6, 3, false, true}, // 38
    {"DDR4 SODIMM", "DDR4_SODIMM", "DDR4 SODIMM", 7, 3, false, true}, // 39
    {"FMC HPC - VITA Standard", "FMC HPC - VITA Standard", "", 8, 3, true, true}, // 40
    {"FMC LPC - VITA Standard", "FMC LPC - VITA Standard", "", 9, 3, true, true}, // 41
    {"FMC HPC - Altera Standard", "FMC HPC - Altera Standard", "", 8, 3, false, true}, // 42
    {"FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", "", 8, 3, true, true}, // 43
    {"FMC HPC - Altera Standard", "FMC HPC - Altera Standard", "", 8, 3, false, true}, // 44
    {"FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", "", 8, 3, true, true}, // 45
    {"FMC LPC - Altera Standard", "FMC LPC - Altera Standard", "", 9, 3, false, true}, // 46
    {"FMC LPC with XCVR - Altera Standard", "FMC LPC with XCVR - Altera Standard", "", 9, 3, true, true}, // 47
    {"Fasker-FMC", "Fasker-FMC", "", 9, 3, true, true}, // 48
    {"12G Brevik-FMC", "12G Brevik-FMC", "", 8, 3, true, true}, // 49
    {"Vantor-FMC", "Vantor-FMC", "", 9, 3, false, true}, // 50
    {"Morlet-FMC Adapter for TI", "Morlet-FMC adpter for TI", "", 8, 3, true, false}, // 51
    {"Morlet-FMC + TI ADC34J45 EVM", "Morlet-FMC + TI ADC34J45 EVM", "", 8, 3, true, false}, // 52
    {"Parnel-FMC", "Parnel-FMC", "", 9, 3, false, true}, // 53
    {"Dostel-FMC", "Dostel-FMC", "", 8, 3, false, false}, // 54
    {"Wistel - Multi-Touch LCD Panel", "Wistel", "", 3, 5, false, true}, // 55
    {"HSMC: LVDS Crossover", "Grelt", "", 1, 3, false, false}, // 56
    {"Nimbal - J2-Fyrn", "Nimbal_Fyrn", "HSMC to PIO with Fyrn", 1, 5, false, true}, // 57
    {"Nimbal - J3-Fyrn", "Nimbal_Fyrn", "HSMC to PIO with Fyrn", 1, 5, false, true}, // 58
    {"Nimbal - Both Fyrn", "Nimbal_Fyrn", "HSMC to PIO with Fyrn", 1, 5, false, true}, // 59
    {"Yarnel -Multi-Touch/LCD/Camera", "Yarnel", "HSMC Yarnel - Multi-Touch LCD and Camera", 1, 3, false, false}, // 60
    {"Yarnel2 -Multi-Touch/LCD/Camera", "Yarnel2", "HSMC Yarnel2 - Multi-Touch LCD and Camera", 1, 3, false, true}, // 61
    {"Rindle - 2.4\" LCD and Touch", "Rindle", "", 3, 5, false, true}, // 62
    {"Wistel2 - Multi-Touch LCD Panel", "Wistel2", "", 3, 5, false, true}, // 63
    {"Brudel - Brudel Daughtercard", "Brudel", "", 3, 3, false, false}, // 64
    {"Gyrvan Daughtercard", "Gyrvan", "", 3, 3, false, false}, // 65
    {"Cavel - Cavel", "Cavel", "", 3, 5, false, true}, // 66
    {"Zeppit - RF and Sensor", "RF and Sensor", "", 3, 5, false, true}, // 67
    {"Arduino Digital", "Arduino Digital", "Arduino Digital", 3, 3, false, false}, // 68
    {nullptr, nullptr, nullptr, 0, 3, false, true}, // 69
    {nullptr, nullptr, nullptr, 0, 3, false, true}, // 70
    {nullptr, nullptr, nullptr, 0, 3, false, true}, // 71
    {"Ergan Default", "Ergan Default", "", 10, 3, false, true}, // 72
    {"Ergan Bluetooth SPP", "Wolle-Ergan", "", 10, 3, false, true}, // 73
    {"Glent-GPIO", "Glent-GPIO", "", 3, 5, false, true}, // 74
    {nullptr, nullptr, nullptr, 0, 3, false, true}, // 75
    {"Glent-FMC", "Glent-FMC", "", 9, 3, false, true}, // 76
    {"DDR4 SODIMM without ECC", nullptr, "", 11, 3, false, true}, // 77
    {"DDR4 SODIMM with ECC", nullptr, "", 12, 3, false, true}, // 78
    {"Quelmar QDR-II+ Module", nullptr, "", 11, 3, false, true}, // 79
    {"Quelmar QDR-IV Module", nullptr, "", 11, 3, false, true}, // 80
    {"GPIO Default - 2.5V", "GPIO Default - 2.5V", "GPIO Default - 2.5V", 3, 3, false, true}, // 81
    {"GPIO Default - 1.8V", "GPIO Default - 1.8V", "GPIO Default - 1.8V", 3, 2, false, true}, // 82
    {"GPIO Default - 1.5V", "GPIO Default - 1.5V", "GPIO Default - 1.5V", 3, 1, false, true}, // 83
    {"Kappel (FMC to GPIO)", "FMC to GPIO", "", 8, 3, false, true}, // 84
    {nullptr, nullptr, nullptr, 0, 3, false, true}, // 85
    {"HSMC Default - 3.3V", "HSMC Default - 3.3V", "HSMC Default - 3.3V", 1, 5, false, true}, // 86
    {"HSMC Default - 1.8V", "HSMC Default - 1.8V", "HSMC Default - 1.8V", 1, 2, false, true}, // 87
    {"HSMC Default - 1.5V", "HSMC Default - 1.5V", "HSMC Default - 1.5V", 1, 1, false, true}, // 88
    {"HSMC Default-3.3V w/ Transceiver", "HSMC Default-3.3V w/ Transceiver", "HSMC Default - 3.3V (With Transceiver)", 1, 5, true, true}, // 89
    {"HSMC Default-3.0V w/ Transceiver", "HSMC Default-3.0V w/ Transceiver", "HSMC Default - 3.0V (With Transceiver)", 1, 4, true, true}, // 90
    {"HSMC Default-1.8V w/ Transceiver", "HSMC Default-1.8V w/ Transceiver", "HSMC Default - 1.8V (With Transceiver)", 1, 2, true, true}, // 91
    {"HSMC Default-1.5V w/ Transceiver", "HSMC Default-1.5V w/ Transceiver", "HSMC Default - 1.5V (With Transceiver)", 1, 1, true, true}, // 92
    {nullptr, nullptr, nullptr, 0, 4, false, true}, // 93
    {"HSMC Default - 3.0V", "HSMC Default - 3.0V", "HSMC Default - 3.0V", 1, 4, false, true}, // 94
};
// clang-format on
static_assert(sizeof kCards / sizeof kCards[0] == 95);

const CardRow* Row(CardId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < sizeof kCards / sizeof kCards[0] ? &kCards[index] : nullptr;
}

} // namespace

bool HasBoardName(CardId id) {
    const CardRow* row = Row(id);
    return row && row->name;
}

std::string BoardName(CardId id) {
    const CardRow* row = Row(id);
    if (!row || !row->name) {
        PINSMITH_FAIL("0");
    }
    return row->name;
}

std::string BoardShortName(CardId id) {
    const CardRow* row = Row(id);
    if (!row || !row->shortName) {
        PINSMITH_FAIL("0");
    }
    return row->shortName;
}

std::string BoardDescription(CardId id) {
    const CardRow* row = Row(id);
    if (!row || !row->name) {
        PINSMITH_FAIL("BoardName(BoardId).Length() > 0");
    }
    return row->description ? row->description : "";
}

ConnectorType BoardConnectorType(CardId id) {
    const CardRow* row = Row(id);
    return row ? static_cast<ConnectorType>(row->type) : CONNECTOR_NONE;
}

Voltage BoardVoltage(CardId id) {
    const CardRow* row = Row(id);
    return row ? static_cast<Voltage>(row->voltage) : VOLTAGE_2V5;
}

bool IsTransceiverBoard(CardId id) {
    const CardRow* row = Row(id);
    return row && row->transceiver;
}

bool IsBoardListed(CardId id) {
    // Kirrel Default has no pin map: offering it would lead into an internal
    // error at Generate.
    if (id == CARD_KIRREL_DEFAULT) {
        return false;
    }
    const CardRow* row = Row(id);
    return !row || row->listed;
}

bool IsAnyVoltageBoard(CardId id) {
    return id == CARD_NIMBAL_HSMC;
}

IoStd BoardVoltageIoStandard(CardId id) {
    switch (id) {
    case CARD_HSMC_DEFAULT_3V3:
    case CARD_HSMC_DEFAULT_3V3_XCVR:
        return IOSTD_3V3_LVTTL;
    case CARD_HSMC_DEFAULT_1V8:
    case CARD_HSMC_DEFAULT_1V8_XCVR:
        return IOSTD_1V8;
    case CARD_HSMC_DEFAULT_1V5:
    case CARD_HSMC_DEFAULT_1V5_XCVR:
        return IOSTD_1V5;
    case CARD_HSMC_DEFAULT_3V0_XCVR:
    case CARD_HSMC_DEFAULT_3V0:
        return IOSTD_3V0_PCIX;
    default:
        return IOSTD_2V5;
    }
}

bool IsBoardVoltageOk(CardId id, Voltage voltage) {
    const ConnectorType type = BoardConnectorType(id);
    if (type != CONNECTOR_FMC_HPC && type != CONNECTOR_FMC_LPC) {
        return BoardVoltage(id) == voltage;
    }
    if (id == CARD_VANTOR_FMC || id == CARD_PARNEL_FMC) {
        return voltage == VOLTAGE_1V5 || voltage == VOLTAGE_1V8 || voltage == VOLTAGE_2V5 ||
               voltage == VOLTAGE_3V3;
    }
    if (id == CARD_GLENT_FMC) {
        return voltage == VOLTAGE_1V8 || voltage == VOLTAGE_2V5 || voltage == VOLTAGE_3V3;
    }
    return true;
}

bool IsNotFmcStandardBoard(CardId id) {
    const int n = CardNumber(id);
    return n < 40 || n > 47;
}
