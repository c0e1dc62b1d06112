#include "boards/arria10_stratix10/ConfigZarvik.h"

#include "boards/arria10_stratix10/Si5340Family.h"
#include "boards/arria10_stratix10/ZarvikFamily.h"
#include "boards/arria10_stratix10/ZarvikId.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <iterator>
#include <vector>

namespace zarvikfamily {

std::string TerminationBlock(const TerminationChoices& choices) {
    std::vector<std::string> lines;
    for (int s = 0; s < 2; ++s) {
        if (choices.memorySocket[s]) {
            si5340::AddRefClockTermination(lines, std::string(choices.memory) +
                                                      static_cast<char>('A' + s) + "_REFCLK_p");
        }
    }
    for (int q = 0; q < 4; ++q) {
        if (choices.qdr[q]) {
            si5340::AddRefClockTermination(lines, std::string("QDRII") +
                                                      static_cast<char>('A' + q) + "_REFCLK_p");
        }
    }
    if (choices.pcie) {
        si5340::AddPcieTermination(lines);
    }
    if (choices.obPcieClock) {
        si5340::AddObPcieTermination(lines);
    }
    for (int c = 0; c < 4; ++c) {
        if (choices.qsfp[c]) {
            si5340::AddQsfpTermination(lines, static_cast<char>('A' + c));
        }
    }
    return si5340::QsfBlock("# Termination Settings", lines);
}

bool AnyNonZero(const std::int32_t (&indexes)[4]) {
    for (const std::int32_t index : indexes) {
        if (index != 0) {
            return true;
        }
    }
    return false;
}

} // namespace zarvikfamily

namespace {

constexpr double kDdrMHz[] = {0, 200, 233.333, 266.667};
constexpr double kQdrMHz[] = {0, 225, 233.333, 250, 275};
constexpr double kPcieMHz[] = {0, 100};

double Lookup(std::span<const double> table, std::uint8_t index) {
    return index < table.size() ? table[index] : 0.0;
}

} // namespace

bool TConfigZarvik::IsSi5340AUsed() const {
    return zarvikfamily::AnyNonZero(Config.Si5340AIndex);
}

bool TConfigZarvik::IsSi5340BUsed() const {
    return zarvikfamily::Si5340BUsed(Config);
}

bool TConfigZarvik::HasObPcieClock() const {
    return zarvikfamily::ObPcieClock(Config);
}

std::string TConfigZarvik::GetTerminationAssignments() const {
    return zarvikfamily::TerminationBlock(
        zarvikfamily::Choices(Config, "DDR3", Config.Ddr3A != 0, Config.Ddr3B != 0));
}

std::string TConfigZarvik::GetSi5340FileAssignments() const {
    return si5340::IncludeBlock(IsSi5340AUsed(), IsSi5340BUsed());
}

std::string TConfigZarvik::GetQsfAssignments() {
    return GetTerminationAssignments() + GetSi5340FileAssignments();
}

std::string TConfigZarvik::GetSi5340AMacroName(std::uint8_t index) {
    return si5340::Si5340AMacroName(index);
}

std::string TConfigZarvik::GetSi5340AVerilog(std::uint8_t indexA, std::uint8_t indexB,
                                             std::uint8_t indexC, std::uint8_t indexD) {
    return si5340::ControllerVerilog({'A', si5340::Si5340ADefines(si5340::Radix::Hex), "CLK_50_B2J",
                                      nullptr,
                                      si5340::Si5340ASelections({indexA, indexB, indexC, indexD})});
}

std::string TConfigZarvik::GetSi5340BVerilog(std::uint8_t ddrIndex, std::uint8_t qdrIndex,
                                             std::uint8_t /*pcieIndex*/) {
    const char* ddr = ddrIndex == 1 ? "DDR200_" : ddrIndex == 2 ? "DDR233_" : "DDR266_";
    const char* qdr = qdrIndex == 1   ? "QDR225_"
                      : qdrIndex == 2 ? "QDR233_"
                      : qdrIndex == 3 ? "QDR250_"
                                      : "QDR275_";
    // Codes: DDR part fastest (266, 233, 200), QDR part in 275, 250, 225, 233.
    std::vector<std::string> defines;
    int code = 0;
    for (const char* q : {"QDR275_", "QDR250_", "QDR225_", "QDR233_"}) {
        for (const char* d : {"DDR266_", "DDR233_", "DDR200_"}) {
            defines.push_back(platform::Format("`define %s%sPCIE100   4'h%X", d, q,
                                               static_cast<unsigned>(code++)));
        }
    }
    return si5340::ControllerVerilog(
        {'B',
         defines,
         "CLK_50_B2J",
         "config_done",
         {std::string("    .iPLL_OUT_FREQ_SEL(`") + ddr + qdr + "PCIE100),"}});
}

std::string TConfigZarvik::GetVerilogCode() {
    return zarvikfamily::VerilogCode(*this);
}

namespace {
constexpr si5340::ResourceNaming kResourceNaming{"zarvik_", ""};
} // namespace

bool TConfigZarvik::ExportIpFiles(const std::string& projectFolder) {
    return si5340::ExportControllers(*this, projectFolder, IsSi5340AUsed(), IsSi5340BUsed(),
                                     kResourceNaming);
}

std::vector<config::ExportedFile> TConfigZarvik::ExportSet() {
    return si5340::ControllersExportSet(kResourceNaming);
}

double TConfigZarvik::GetSi5340AFrequency(std::uint8_t index) {
    return si5340::Si5340AFrequency(index);
}
double TConfigZarvik::GetSi5340BDdrFrequency(std::uint8_t index) {
    return Lookup(kDdrMHz, index);
}
double TConfigZarvik::GetSi5340BQdrFrequency(std::uint8_t index) {
    return Lookup(kQdrMHz, index);
}
double TConfigZarvik::GetSi5340BPcieFrequency(std::uint8_t index) {
    return Lookup(kPcieMHz, index);
}
