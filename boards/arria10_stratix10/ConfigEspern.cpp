#include "boards/arria10_stratix10/ConfigEspern.h"

#include "boards/arria10_stratix10/EspernId.h"
#include "boards/arria10_stratix10/Si5340Family.h"
#include "boards/arria10_stratix10/ZarvikFamily.h"
#include "settings/ConfigCommon.h"

#include <iterator>
#include <vector>

namespace {

constexpr double kQdrMHz[] = {0, 225, 250, 275};

std::uint8_t Low(std::int32_t index) {
    return static_cast<std::uint8_t>(index & 0xFF);
}

} // namespace

bool TConfigEspern::IsSi5340AUsed() const {
    return zarvikfamily::AnyNonZero(Config.Si5340AIndex);
}

bool TConfigEspern::IsSi5340BUsed() const {
    return Config.Si5340BQdrIndex != 0;
}

std::string TConfigEspern::GetTerminationAssignments() const {
    std::vector<std::string> lines;
    for (int q = 0; q < 6; ++q) {
        if (Config.Qdr[q]) {
            si5340::AddRefClockTermination(lines, std::string("QDRII") +
                                                      static_cast<char>('A' + q) + "_REFCLK_p");
        }
    }
    if (Config.Pcie) {
        si5340::AddPcieTermination(lines);
    }
    for (int c = 0; c < 4; ++c) {
        if (Config.Qsfp[c]) {
            si5340::AddQsfpTermination(lines, static_cast<char>('A' + c));
        }
    }
    return si5340::QsfBlock("# Termination Settings", lines);
}

std::string TConfigEspern::GetSi5340FileAssignments() const {
    return si5340::IncludeBlock(IsSi5340AUsed(), IsSi5340BUsed());
}

std::string TConfigEspern::GetQsfAssignments() {
    return GetTerminationAssignments() + GetSi5340FileAssignments();
}

std::string TConfigEspern::GetSi5340AMacroName(std::uint8_t index) {
    return si5340::Si5340AMacroName(index);
}

std::string TConfigEspern::GetSi5340AVerilog(std::uint8_t indexA, std::uint8_t indexB,
                                             std::uint8_t indexC, std::uint8_t indexD) {
    return si5340::ControllerVerilog({'A', si5340::Si5340ADefines(si5340::Radix::Hex), "CLK_50_B2F",
                                      "si5340a_config_done",
                                      si5340::Si5340ASelections({indexA, indexB, indexC, indexD})});
}

std::string TConfigEspern::GetSi5340BVerilog(std::uint8_t qdrIndex) {
    const char* macro = qdrIndex == 1   ? "REFCLK_QDR225"
                        : qdrIndex == 2 ? "REFCLK_QDR250"
                                        : "REFCLK_QDR275";
    return si5340::ControllerVerilog(
        {'B',
         {"`define REFCLK_QDR275   4'h0", "`define REFCLK_QDR250   4'h1",
          "`define REFCLK_QDR225   4'h2"},
         "CLK_50_B2F",
         "si5340b_config_done",
         {std::string("    .iPLL_OUT_FREQ_SEL(`") + macro + "),"}});
}

std::string TConfigEspern::GetVerilogCode() {
    std::string text;
    if (IsSi5340AUsed()) {
        text += GetSi5340AVerilog(Low(Config.Si5340AIndex[0]), Low(Config.Si5340AIndex[1]),
                                  Low(Config.Si5340AIndex[2]), Low(Config.Si5340AIndex[3]));
    }
    if (IsSi5340BUsed()) {
        text += GetSi5340BVerilog(Low(Config.Si5340BQdrIndex));
    }
    return text;
}

namespace {
constexpr si5340::ResourceNaming kResourceNaming{"espern_", "espern_"};
} // namespace

bool TConfigEspern::ExportIpFiles(const std::string& projectFolder) {
    return si5340::ExportControllers(*this, projectFolder, IsSi5340AUsed(), IsSi5340BUsed(),
                                     kResourceNaming);
}

std::vector<config::ExportedFile> TConfigEspern::ExportSet() {
    return si5340::ControllersExportSet(kResourceNaming);
}

double TConfigEspern::GetSi5340AFrequency(std::uint8_t index) {
    return si5340::Si5340AFrequency(index);
}
double TConfigEspern::GetSi5340BQdrFrequency(std::uint8_t index) {
    return index < std::size(kQdrMHz) ? kQdrMHz[index] : 0.0;
}
