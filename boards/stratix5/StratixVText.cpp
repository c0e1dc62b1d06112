#include "boards/stratix5/StratixVText.h"

#include "platform/Assert.h"
#include "platform/Files.h"
#include "settings/ConfigCommon.h"

#include <iterator>

double Si570IndexToMHz(std::uint8_t index) {
    static const double kTable[] = {0, 100, 125, 156.25, 250, 312.5, 322.265, 644.53125};
    return index < std::size(kTable) ? kTable[index] : 0;
}

double CdcmIndexToMHz(std::uint8_t index) {
    static const double kTable[] = {0,      62.5,  75,  100, 125,   150,
                                    156.25, 187.5, 200, 250, 312.5, 625};
    return index < std::size(kTable) ? kTable[index] : 0;
}

double CdcmComboIndexToMHz(std::uint8_t index) {
    static const double kTable[] = {0,      0,     62.5, 75,  100,   125, 150,
                                    156.25, 187.5, 200,  250, 312.5, 625};
    return index < std::size(kTable) ? kTable[index] : 0;
}

bool stratix5::ExportSi570Controller(const std::string& projectFolder,
                                     platform::FileReplacement& files) {
    static const char* const kSi570Files[] = {
        "si570_controller.v", "clock_divider.v",      "edge_detector.v",  "i2c_bus_controller.v",
        "i2c_controller.v",   "i2c_reg_controller.v", "initial_config.v",
    };
    for (const char* file : kSi570Files) {
        if (!config::ExportResourceFile(projectFolder + file,
                                        platform::ChangeFileExt(file, "_verilog"), &files)) {
            return false;
        }
    }
    return true;
}

bool stratix5::ExportCdcmConfig(const std::string& projectFolder,
                                platform::FileReplacement& files) {
    return config::ExportResourceFile(projectFolder + "CDCM6100x_Config.v",
                                      "cdcm6100x_config_verilog", &files);
}

bool stratix5::ExportOscillatorControllers(std::int32_t si570Index, std::int32_t cdcm61004Index,
                                           const std::string& projectFolder,
                                           platform::FileReplacement& files) {
    if (si570Index != 0 && !ExportSi570Controller(projectFolder, files)) {
        return false;
    }
    return cdcm61004Index == 0 || ExportCdcmConfig(projectFolder, files);
}

// No form of this build generates boards 15, 16 or 18. The Stratix V board
// code replaces these three definitions with its oscillator Verilog.

std::string ExtraVerilogNolvar(const TMainBoard&) {
    PINSMITH_FAIL("ExtraVerilogNolvar: board 15 is not in this build");
}

std::string ExtraVerilogOmbrel(const TMainBoard&) {
    PINSMITH_FAIL("ExtraVerilogOmbrel: board 16 is not in this build");
}

std::string ExtraVerilogPellix(const TMainBoard&) {
    PINSMITH_FAIL("ExtraVerilogPellix: board 18 is not in this build");
}
