#include "cards/CardRegistry.h"

#include "cards/gpio_fmc_memory/ErganCards.h"
#include "cards/gpio_fmc_memory/FmcCards.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "cards/gpio_fmc_memory/MemoryModules.h"
#include "cards/hsmc/HsmcCards.h"

namespace {

// One row per card id. Columns: name, short name, description, connector
// type, voltage class, transceiver, listed, picture, pin map (fill and the
// number of entries it appends), module fill.
// clang-format off
constexpr CardEntry kCards[] = {
    {"None", "None", "None", CONNECTOR_NONE, VOLTAGE_2V5, false, true, nullptr, nullptr, 0, nullptr}, // 0
    {"GPIO Default", "GPIO_Default", "GPIO Default Pin Name", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "GPIO_80_BITMAP", fills::GpioDefault, 40, nullptr}, // 1
    {"HSMC Default", "HSMC_Default", "HSMC Default Pin Name", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_DEFAULT_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 2
    {"HSMC Default With Transceiver", "HSMC_Default_With_Transceiver", "HSMC Default Pin Name (With Transceiver)", CONNECTOR_HSMC, VOLTAGE_2V5, true, true, "HSMC_DEFAULT_XCVR_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 3
    {"HSMC LVDS Default", "HSMC_LVDS_Default", "HSMC LVDS Default Pin Name", CONNECTOR_HSMC, VOLTAGE_2V5, false, false, "HSMC_LVDS_80_BITMAP", fills::HsmcLvdsDefault, HSMC_PIN_NUM, nullptr}, // 4
    {"Kirrel Default", "Kirrel_Default", "Kirrel Default Pin Name", CONNECTOR_KIRREL, VOLTAGE_2V5, false, true, "KIRREL_80_BITMAP", nullptr, 0, nullptr}, // 5
    {"Teslin - FullHD TX/RX", "Teslin", "Teslin", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "TESLIN_80_BITMAP", fills::HsmcTeslin, HSMC_PIN_NUM, nullptr}, // 6
    {"Parnel - 10/100/1000 Ethernet", "Parnel", "Parnel", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "PARNEL_80_BITMAP", fills::HsmcParnel, HSMC_PIN_NUM, nullptr}, // 7
    {"Havor - High Speed ADC/DAC", "Havor", "HSMC 150MSPS-ADC and 250MSPS-DAC", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HAVOR_80_BITMAP", fills::HsmcHavor, HSMC_PIN_NUM, nullptr}, // 8
    {"DDR2 SODIMM", "DDR2_SODIMM", "DDR2 SODIMM", CONNECTOR_DDR2_SODIMM, VOLTAGE_2V5, false, true, nullptr, nullptr, 200, fills::Ddr2Sodimm}, // 9
    {"Ostel - High Speed ADC/DAC", "Ostel", "HSMC 65MSPS-ADC and 125MSPS-DAC", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "OSTEL_HSMC_80_BITMAP", fills::HsmcOstel, HSMC_PIN_NUM, nullptr}, // 10
    {"Ostel - High Speed ADC/DAC", "Ostel", "GPIO 65MSPS-ADC and 125MSPS-DAC", CONNECTOR_GPIO80, VOLTAGE_3V3, false, true, "OSTEL_GPIO_80_BITMAP", fills::GpioOstel, 80, nullptr}, // 11
    {"Fyrn - 5M Pixel Camera", "Fyrn", "PIO 5-Mega Pixel Camera", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "FYRN_80_BITMAP", fills::GpioFyrn, 40, nullptr}, // 12
    {"Tambry - 4.3\" LCD and Touch", "Tambry", "PIO Touch LCD", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "TAMBRY_80_BITMAP", fills::GpioTambry, 40, nullptr}, // 13
    {"Vadrel - Multimedia Card", "Vadrel", "HSMC Multimedia", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "MAVLEN_80_BITMAP", fills::HsmcVadrel, HSMC_PIN_NUM, nullptr}, // 14
    {"Vantor - FullHD TX/RX", "Vantor", "Vantor", CONNECTOR_KIRREL, VOLTAGE_2V5, false, true, "VANTOR_80_BITMAP", fills::KirrelVantor, KIRREL_PIN_NUM, nullptr}, // 15
    {"Nimbal - Kirrel to PIO Adaptor", "Nimbal_Kirrel", "Kirrel to PIO", CONNECTOR_KIRREL, VOLTAGE_2V5, false, false, "KIBREN_80_BITMAP", fills::KirrelNimbal, KIRREL_PIN_NUM, nullptr}, // 16
    {"Nimbal - HSMC to PIO Adaptor", "Nimbal_HSMC", "HSMC to PIO", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "LUNSK_80_BITMAP", fills::HsmcNimbal, HSMC_PIN_NUM, nullptr}, // 17
    {"HSMC Debug", "HSMC_Debug", "HSMC Debug", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_DEBUG_80_BITMAP", fills::HsmcDebug, HSMC_PIN_NUM, nullptr}, // 18
    {"HSMC Loopback", "HSMC_Loopback", "HSMC Loopback", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_LOOPBACK_80_BITMAP", fills::HsmcLoopback, HSMC_PIN_NUM, nullptr}, // 19
    {"Kirrel Loopback", "Kirrel_Loopback", "Kirrel Loopback", CONNECTOR_KIRREL, VOLTAGE_2V5, false, true, "KIRREL_LOOPBACK_80_BITMAP", fills::KirrelLoopback, KIRREL_PIN_NUM, nullptr}, // 20
    {"Wexal - Form-Factor Pluggable", "Wexal", "Wexal", CONNECTOR_HSMC, VOLTAGE_2V5, true, true, "WEXAL_80_BITMAP", fills::HsmcWexal, HSMC_PIN_NUM, nullptr}, // 21
    {"Brevik - SD/HD/3G", "Brevik", "Brevik", CONNECTOR_HSMC, VOLTAGE_2V5, true, true, "BREVIK_80_BITMAP", fills::HsmcBrevik, HSMC_PIN_NUM, nullptr}, // 22
    {"SATA/SAS", "SATA", "HSMC SATA/SAS", CONNECTOR_HSMC, VOLTAGE_2V5, true, true, "HSMC_SATA_80_BITMAP", fills::HsmcSata, HSMC_PIN_NUM, nullptr}, // 23
    {"Orrin - High Speed USB FIFO", "Orrin", "PIO High-Speed USB (Sync FIFO)", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false, "ORRIN_80_BITMAP", fills::GpioOrrin, 40, nullptr}, // 24
    {"Orrin - High Speed USB - Native", "Orrin_NATIVE", "PIO High-Speed USB (Native)", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false, "ORRIN_80_BITMAP", fills::GpioOrrinNative, 40, nullptr}, // 25
    {"Fasker - Transceiver to SMA", "Fasker", "HSMC Fasker (Transceiver to SMA)", CONNECTOR_HSMC, VOLTAGE_2V5, true, true, "FASKER_80_BITMAP", fills::HsmcFasker, HSMC_PIN_NUM, nullptr}, // 26
    {"Prell - Industry Communication", "Prell", "Prell - Industry Communication", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "PRELL_HSMC_80_BITMAP", fills::HsmcPrell, HSMC_PIN_NUM, nullptr}, // 27
    {"Delvo - Santa Cruz Interface", "Delvo", "HSMC Delvo (HSMC to Santa Cruz)", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "DELVO_80_BITMAP", fills::HsmcDelvo, HSMC_PIN_NUM, nullptr}, // 28
    {"Sorvel - 8\" LCD/Touch/Camera", "Sorvel", "HSMC Sorvel - 8\" LCD/Touch/Camera", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_ROWLAN_80_BITMAP", fills::HsmcSorvel, HSMC_PIN_NUM, nullptr}, // 29
    {"Uvrel - 8\" LCD/Touch", "Uvrel", "GPIO Uvrel - 8\" LCD/Touch", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false, "GPIO_UVREL_80_BITMAP", fills::GpioUvrel, 40, nullptr}, // 30
    {"HDMI TX", "HDMI_TX", "", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_HDMI_TX_80_BITMAP", fills::HsmcHdmiTx, HSMC_PIN_NUM, nullptr}, // 31
    {"HDMI RX", "HDMI_RX", "", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_HDMI_RX_80_BITMAP", fills::HsmcHdmiRx, HSMC_PIN_NUM, nullptr}, // 32
    {"Camera Link Receiver", "Hessel", "", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_HESSEL_80_BITMAP", fills::HsmcCameraLink, HSMC_PIN_NUM, nullptr}, // 33
    {"Quarn - Interactive Sensor Board", "Quarn", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, false, "QUARN_80_BITMAP", fills::GpioQuarn, 40, nullptr}, // 34
    {"Pemble-Aptina Headboard Adaptor", "Pemble", "", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_PEMBLE_80_BITMAP", fills::HsmcPemble, HSMC_PIN_NUM, nullptr}, // 35
    {"Sorvel2 - 8\" LCD/Touch/Camera", "Sorvel2", "HSMC Sorvel2 - 8\" LCD/Touch/Camera", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_SORVEL2_80_BITMAP", fills::HsmcSorvel2, HSMC_PIN_NUM, nullptr}, // 36
    {"HSMC Loopback w/ Transceiver", "HSMC_Loopback_Xcvr", "HSMC Loopback with Transceiver", CONNECTOR_HSMC, VOLTAGE_2V5, true, true, "HSMC_LOOPBACK_XCVR_80_BITMAP", fills::HsmcLoopback, HSMC_PIN_NUM, nullptr}, // 37
    {"DDR3 SODIMM", "DDR3_SODIMM", "DDR3 SODIMM", CONNECTOR_DDR3_SODIMM, VOLTAGE_2V5, false, true, nullptr, nullptr, 204, fills::Ddr3Sodimm}, // 38
    {"DDR4 SODIMM", "DDR4_SODIMM", "DDR4 SODIMM", CONNECTOR_DDR4_SODIMM, VOLTAGE_2V5, false, true, nullptr, nullptr, 260, fills::Ddr4Sodimm}, // 39
    {"FMC HPC - VITA Standard", "FMC HPC - VITA Standard", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true, "FMC_HPC_VITA_STD_80_BITMAP", fills::FmcHpcVita, 400, nullptr}, // 40
    {"FMC LPC - VITA Standard", "FMC LPC - VITA Standard", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, true, "FMC_LPC_VITA_STD_80_BITMAP", fills::FmcLpcVita, 400, nullptr}, // 41
    {"FMC HPC - Altera Standard", "FMC HPC - Altera Standard", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, true, "FMC_HPC_ALTERA_STD_80_BITMAP", fills::FmcHpcAltera, 400, nullptr}, // 42
    {"FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true, "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP", fills::FmcHpcXcvrAltera, 400, nullptr}, // 43
    {"FMC HPC - Altera Standard", "FMC HPC - Altera Standard", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, true, "FMC_HPC_ALTERA_STD_80_BITMAP", fills::FmcHpcAlteraQuelmar, 400, nullptr}, // 44
    {"FMC HPC with XCVR - Altera Standard", "FMC HPC with XCVR - Altera Standard", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true, "FMC_HPC_ALTERA_STD_XCVR_80_BITMAP", fills::FmcHpcXcvrAlteraQuelmar, 400, nullptr}, // 45
    {"FMC LPC - Altera Standard", "FMC LPC - Altera Standard", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, false, true, "FMC_LPC_ALTERA_STD_80_BITMAP", fills::FmcLpcAltera, 400, nullptr}, // 46
    {"FMC LPC with XCVR - Altera Standard", "FMC LPC with XCVR - Altera Standard", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, true, "FMC_LPC_ALTERA_STD_XCVR_80_BITMAP", fills::FmcLpcXcvrAltera, 400, nullptr}, // 47
    {"Fasker-FMC", "Fasker-FMC", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, true, true, "FMC_FASKER_80_BITMAP", fills::FmcFasker, 400, nullptr}, // 48
    {"12G Brevik-FMC", "12G Brevik-FMC", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, true, "FMC_BREVIK_80_BITMAP", fills::FmcBrevik, 400, nullptr}, // 49
    {"Vantor-FMC", "Vantor-FMC", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, false, true, "FMC_VANTOR_80_BITMAP", fills::FmcVantor, 400, nullptr}, // 50
    {"Morlet-FMC Adapter for TI", "Morlet-FMC adpter for TI", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, false, "FMC_TI_MORLET_FOR_TI_80_BITMAP", fills::FmcMorletForTi, 400, nullptr}, // 51
    {"Morlet-FMC + TI ADC34J45 EVM", "Morlet-FMC + TI ADC34J45 EVM", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, true, false, "FMC_TI_ADC34J45_80_BITMAP", fills::FmcTiAdc34j45, 400, nullptr}, // 52
    {"Parnel-FMC", "Parnel-FMC", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, false, true, "FMC_PARNEL_80_BITMAP", fills::FmcParnel, 400, nullptr}, // 53
    {"Dostel-FMC", "Dostel-FMC", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, false, "FMC_DOSTEL_80_BITMAP", fills::FmcDostel, 400, nullptr}, // 54
    {"Wistel - Multi-Touch LCD Panel", "Wistel", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "WISTEL_80_BITMAP", fills::GpioWistel, 40, nullptr}, // 55
    {"HSMC: LVDS Crossover", "Grelt", "", CONNECTOR_HSMC, VOLTAGE_2V5, false, false, "HSMC_GRELT_80_BITMAP", fills::HsmcLvdsCrossover, HSMC_PIN_NUM, nullptr}, // 56
    {"Nimbal - J2-Fyrn", "Nimbal_Fyrn", "HSMC to PIO with Fyrn", CONNECTOR_HSMC, VOLTAGE_3V3, false, true, "LUNSK_FYRN_J2_80_BITMAP", fills::HsmcNimbalFyrn, HSMC_PIN_NUM, nullptr}, // 57
    {"Nimbal - J3-Fyrn", "Nimbal_Fyrn", "HSMC to PIO with Fyrn", CONNECTOR_HSMC, VOLTAGE_3V3, false, true, "LUNSK_FYRN_J3_80_BITMAP", fills::HsmcNimbalFyrn, HSMC_PIN_NUM, nullptr}, // 58
    {"Nimbal - Both Fyrn", "Nimbal_Fyrn", "HSMC to PIO with Fyrn", CONNECTOR_HSMC, VOLTAGE_3V3, false, true, "LUNSK_FYRN_x2_80_BITMAP", fills::HsmcNimbalFyrn, HSMC_PIN_NUM, nullptr}, // 59
    {"Yarnel -Multi-Touch/LCD/Camera", "Yarnel", "HSMC Yarnel - Multi-Touch LCD and Camera", CONNECTOR_HSMC, VOLTAGE_2V5, false, false, "HSMC_YARNEL_80_BITMAP", fills::HsmcYarnel, HSMC_PIN_NUM, nullptr}, // 60
    {"Yarnel2 -Multi-Touch/LCD/Camera", "Yarnel2", "HSMC Yarnel2 - Multi-Touch LCD and Camera", CONNECTOR_HSMC, VOLTAGE_2V5, false, true, "HSMC_YARNEL2_80_BITMAP", fills::HsmcYarnel2, HSMC_PIN_NUM, nullptr}, // 61
    {"Rindle - 2.4\" LCD and Touch", "Rindle", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "GPIO_RINDLE_80_BITMAP", fills::GpioRindle, 40, nullptr}, // 62
    {"Wistel2 - Multi-Touch LCD Panel", "Wistel2", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "GPIO_WISTEL2_80_BITMAP", fills::GpioWistel2, 40, nullptr}, // 63
    {"Brudel - Brudel Daughtercard", "Brudel", "", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false, "GPIO_BRUDEL_80_BITMAP", fills::GpioBrudel, 40, nullptr}, // 64
    {"Gyrvan Daughtercard", "Gyrvan", "", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false, "GPIO_GYRVAN_80_BITMAP", fills::GpioGyrvan, 40, nullptr}, // 65
    {"Cavel - Cavel", "Cavel", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "GPIO_CAVEL_80_BITMAP", fills::GpioCavel, 40, nullptr}, // 66
    {"Zeppit - RF and Sensor", "RF and Sensor", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "GPIO_ZEPPIT_80_BITMAP", fills::GpioZeppit, 40, nullptr}, // 67
    {"Arduino Digital", "Arduino Digital", "Arduino Digital", CONNECTOR_GPIO40, VOLTAGE_2V5, false, false, "ARDUINO_80_BITMAP", fills::GpioArduino, 40, nullptr}, // 68
    {nullptr, nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, false, true, "BBB_DEFAULT_80_BITMAP", nullptr, 0, nullptr}, // 69
    {nullptr, nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, false, true, "BBB_WIFI_BLE_80_BITMAP", nullptr, 0, nullptr}, // 70
    {nullptr, nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, false, true, "BBB_MODE7_80_BITMAP", nullptr, 0, nullptr}, // 71
    {"Ergan Default", "Ergan Default", "", CONNECTOR_ERGAN_2x6, VOLTAGE_2V5, false, true, "ERGAN_2x6_DEFAULT_BITMAP", fills::ErganDefault, 8, nullptr}, // 72
    {"Ergan Bluetooth SPP", "Wolle-Ergan", "", CONNECTOR_ERGAN_2x6, VOLTAGE_2V5, false, true, "ERGAN_2x6_SPP_BLUETOOTH_BITMAP", fills::ErganWolle, 8, nullptr}, // 73
    {"Glent-GPIO", "Glent-GPIO", "", CONNECTOR_GPIO40, VOLTAGE_3V3, false, true, "GLENT_GPIO_80_BITMAP", fills::GpioGlent, 40, nullptr}, // 74
    {nullptr, nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, false, true, nullptr, nullptr, 0, nullptr}, // 75
    {"Glent-FMC", "Glent-FMC", "", CONNECTOR_FMC_LPC, VOLTAGE_2V5, false, true, "GLENT_FMC_80_BITMAP", fills::FmcGlent, 400, nullptr}, // 76
    {"DDR4 SODIMM without ECC", nullptr, "", CONNECTOR_DDR4_SODIMM_IF, VOLTAGE_2V5, false, true, "DDR4_SODIMM_80_BITMAP", nullptr, 260, fills::Ddr4SodimmWithoutEcc}, // 77
    {"DDR4 SODIMM with ECC", nullptr, "", CONNECTOR_DDR4_SODIMM_IF_ECC, VOLTAGE_2V5, false, true, "DDR4_ECC_SODIMM_80_BITMAP", nullptr, 260, fills::Ddr4SodimmWithEcc}, // 78
    {"Quelmar QDR-II+ Module", nullptr, "", CONNECTOR_DDR4_SODIMM_IF, VOLTAGE_2V5, false, true, "QUELMAR_DDR4_QDR2_BITMAP", nullptr, 260, fills::Qdr2Module}, // 79
    {"Quelmar QDR-IV Module", nullptr, "", CONNECTOR_DDR4_SODIMM_IF, VOLTAGE_2V5, false, true, "QUELMAR_DDR4_QDR4_BITMAP", nullptr, 260, fills::Qdr4Module}, // 80
    {"GPIO Default - 2.5V", "GPIO Default - 2.5V", "GPIO Default - 2.5V", CONNECTOR_GPIO40, VOLTAGE_2V5, false, true, "GPIO_80_2V5_BITMAP", fills::GpioDefault, 40, nullptr}, // 81
    {"GPIO Default - 1.8V", "GPIO Default - 1.8V", "GPIO Default - 1.8V", CONNECTOR_GPIO40, VOLTAGE_1V8, false, true, "GPIO_80_1V8_BITMAP", fills::GpioDefault, 40, nullptr}, // 82
    {"GPIO Default - 1.5V", "GPIO Default - 1.5V", "GPIO Default - 1.5V", CONNECTOR_GPIO40, VOLTAGE_1V5, false, true, "GPIO_80_1V5_BITMAP", fills::GpioDefault, 40, nullptr}, // 83
    {"Kappel (FMC to GPIO)", "FMC to GPIO", "", CONNECTOR_FMC_HPC, VOLTAGE_2V5, false, true, "GLENT_FMC_80_BITMAP", fills::FmcKappel, 400, nullptr}, // 84
    {nullptr, nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_2V5, false, true, nullptr, nullptr, 0, nullptr}, // 85
    {"HSMC Default - 3.3V", "HSMC Default - 3.3V", "HSMC Default - 3.3V", CONNECTOR_HSMC, VOLTAGE_3V3, false, true, "HSMC_3V3_DEFAULT_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 86
    {"HSMC Default - 1.8V", "HSMC Default - 1.8V", "HSMC Default - 1.8V", CONNECTOR_HSMC, VOLTAGE_1V8, false, true, "HSMC_1V8_DEFAULT_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 87
    {"HSMC Default - 1.5V", "HSMC Default - 1.5V", "HSMC Default - 1.5V", CONNECTOR_HSMC, VOLTAGE_1V5, false, true, "HSMC_1V5_DEFAULT_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 88
    {"HSMC Default-3.3V w/ Transceiver", "HSMC Default-3.3V w/ Transceiver", "HSMC Default - 3.3V (With Transceiver)", CONNECTOR_HSMC, VOLTAGE_3V3, true, true, "HSMC_3V3_DEFAULT_XCVR_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 89
    {"HSMC Default-3.0V w/ Transceiver", "HSMC Default-3.0V w/ Transceiver", "HSMC Default - 3.0V (With Transceiver)", CONNECTOR_HSMC, VOLTAGE_3V0, true, true, "HSMC_3V0_DEFAULT_XCVR_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 90
    {"HSMC Default-1.8V w/ Transceiver", "HSMC Default-1.8V w/ Transceiver", "HSMC Default - 1.8V (With Transceiver)", CONNECTOR_HSMC, VOLTAGE_1V8, true, true, "HSMC_1V8_DEFAULT_XCVR_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 91
    {"HSMC Default-1.5V w/ Transceiver", "HSMC Default-1.5V w/ Transceiver", "HSMC Default - 1.5V (With Transceiver)", CONNECTOR_HSMC, VOLTAGE_1V5, true, true, "HSMC_1V5_DEFAULT_XCVR_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 92
    {nullptr, nullptr, nullptr, CONNECTOR_NONE, VOLTAGE_3V0, false, true, "GPIO_80_3V0_BITMAP", nullptr, 0, nullptr}, // 93
    {"HSMC Default - 3.0V", "HSMC Default - 3.0V", "HSMC Default - 3.0V", CONNECTOR_HSMC, VOLTAGE_3V0, false, true, "HSMC_3V0_DEFAULT_80_BITMAP", fills::HsmcDefault, HSMC_PIN_NUM, nullptr}, // 94
};
// clang-format on
static_assert(std::size(kCards) == kCardIdCount);

} // namespace

const CardEntry* FindCardEntry(CardId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < std::size(kCards) ? &kCards[index] : nullptr;
}

bool HasPinMap(CardId id) {
    const CardEntry* entry = FindCardEntry(id);
    return entry && (entry->fill != nullptr || entry->module != nullptr);
}
