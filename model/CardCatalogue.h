#pragma once
// The catalogue of daughter cards and memory modules, keyed by card id 0..94:
// names, connector type, voltage class, transceiver need, and whether a card
// may be offered in a card list.

#include "model/Connector.h"

#include <cstdint>
#include <string>

enum class CardId : std::uint8_t {
    CARD_NONE = 0,
    CARD_GPIO_DEFAULT = 1,
    CARD_HSMC_DEFAULT = 2,
    CARD_HSMC_DEFAULT_XCVR = 3,
    CARD_HSMC_LVDS_DEFAULT = 4,
    CARD_KIRREL_DEFAULT = 5,
    CARD_TESLIN = 6,
    CARD_PARNEL = 7,
    CARD_HAVOR = 8,
    CARD_DDR2_SODIMM = 9,
    CARD_OSTEL_HSMC = 10,
    CARD_OSTEL_GPIO = 11,
    CARD_FYRN = 12,
    CARD_TAMBRY = 13,
    CARD_VADREL = 14,
    CARD_VANTOR = 15,
    CARD_NIMBAL_KIRREL = 16,
    CARD_NIMBAL_HSMC = 17,
    CARD_HSMC_DEBUG = 18,
    CARD_HSMC_LOOPBACK = 19,
    CARD_KIRREL_LOOPBACK = 20,
    CARD_WEXAL = 21,
    CARD_BREVIK = 22,
    CARD_SATA = 23,
    CARD_ORRIN_FIFO = 24,
    CARD_ORRIN_NATIVE = 25,
    CARD_FASKER = 26,
    CARD_PRELL = 27,
    CARD_DELVO = 28,
    CARD_SORVEL = 29,
    CARD_UVREL = 30,
    CARD_HDMI_TX = 31,
    CARD_HDMI_RX = 32,
    CARD_HESSEL = 33,
    CARD_QUARN = 34,
    CARD_PEMBLE = 35,
    CARD_SORVEL2 = 36,
    CARD_HSMC_LOOPBACK_XCVR = 37,
    CARD_DDR3_SODIMM = 38,
    CARD_DDR4_SODIMM = 39,
    CARD_FMC_HPC_VITA = 40,
    CARD_FMC_LPC_VITA = 41,
    CARD_FMC_HPC_ALTERA = 42,
    CARD_FMC_HPC_XCVR_ALTERA = 43,
    CARD_FMC_HPC_ALTERA_QUELMAR = 44,
    CARD_FMC_HPC_XCVR_ALTERA_QUELMAR = 45,
    CARD_FMC_LPC_ALTERA = 46,
    CARD_FMC_LPC_XCVR_ALTERA = 47,
    CARD_FASKER_FMC = 48,
    CARD_BREVIK_12G_FMC = 49,
    CARD_VANTOR_FMC = 50,
    CARD_MORLET_FMC = 51,
    CARD_MORLET_FMC_ADC34J45 = 52,
    CARD_PARNEL_FMC = 53,
    CARD_DOSTEL_FMC = 54,
    CARD_WISTEL = 55,
    CARD_GRELT = 56,
    CARD_NIMBAL_FYRN_J2 = 57,
    CARD_NIMBAL_FYRN_J3 = 58,
    CARD_NIMBAL_FYRN_BOTH = 59,
    CARD_YARNEL = 60,
    CARD_YARNEL2 = 61,
    CARD_RINDLE = 62,
    CARD_WISTEL2 = 63,
    CARD_BRUDEL = 64,
    CARD_GYRVAN = 65,
    CARD_CAVEL = 66,
    CARD_ZEPPIT = 67,
    CARD_ARDUINO_DIGITAL = 68,
    CARD_BBB_DEFAULT = 69,
    CARD_BBB_WIFI_BLE = 70,
    CARD_BBB_MODE7 = 71,
    CARD_ERGAN_DEFAULT = 72,
    CARD_WOLLE = 73,
    CARD_GLENT_GPIO = 74,
    CARD_GLENT_FMC = 76,
    CARD_DDR4_SODIMM_NO_ECC = 77,
    CARD_DDR4_SODIMM_ECC = 78,
    CARD_QDR2_MODULE = 79,
    CARD_QDR4_MODULE = 80,
    CARD_GPIO_DEFAULT_2V5 = 81,
    CARD_GPIO_DEFAULT_1V8 = 82,
    CARD_GPIO_DEFAULT_1V5 = 83,
    CARD_KAPPEL = 84,
    CARD_HSMC_DEFAULT_3V3 = 86,
    CARD_HSMC_DEFAULT_1V8 = 87,
    CARD_HSMC_DEFAULT_1V5 = 88,
    CARD_HSMC_DEFAULT_3V3_XCVR = 89,
    CARD_HSMC_DEFAULT_3V0_XCVR = 90,
    CARD_HSMC_DEFAULT_1V8_XCVR = 91,
    CARD_HSMC_DEFAULT_1V5_XCVR = 92,
    CARD_GPIO_DEFAULT_3V0 = 93,
    CARD_HSMC_DEFAULT_3V0 = 94,
};
using enum CardId;

constexpr CardId MakeCardId(int id) {
    return static_cast<CardId>(static_cast<std::uint8_t>(id));
}
constexpr int CardNumber(CardId id) {
    return static_cast<int>(id);
}

// I/O voltage classes.
enum class Voltage : std::uint8_t {
    VOLTAGE_1V5 = 1,
    VOLTAGE_1V8 = 2,
    VOLTAGE_2V5 = 3,
    VOLTAGE_3V0 = 4,
    VOLTAGE_3V3 = 5,
};
using enum Voltage;

// Texts of the catalogue. An id without a display name (69..71, 75, 85, 93,
// above 94) is an internal error for BoardName; likewise an id without a
// short name for BoardShortName.
std::string BoardName(CardId id);
std::string BoardShortName(CardId id);
std::string BoardDescription(CardId id);

ConnectorType BoardConnectorType(CardId id); // CONNECTOR_NONE above 94
Voltage BoardVoltage(CardId id);             // VOLTAGE_2V5 for ids without a class
bool IsTransceiverBoard(CardId id);
// Whether a card may appear in a card list. Cards without a pin map are not
// offered.
bool IsBoardListed(CardId id);
bool IsAnyVoltageBoard(CardId id);
// The I/O standard of the voltage variants of the HSMC default card.
IoStd BoardVoltageIoStandard(CardId id);
// Whether a card fits a connector of the given voltage class.
bool IsBoardVoltageOk(CardId id, Voltage voltage);
// False for the FMC cards that follow a standard pin layout (40..47).
bool IsNotFmcStandardBoard(CardId id);

// Whether the catalogue has a display name for the id (no internal error).
bool HasBoardName(CardId id);
