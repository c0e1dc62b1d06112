#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"

#include "boards/arria10_stratix10/ConfigZarvik.h"
#include "boards/arria10_stratix10/Si5340Family.h"
#include "boards/arria10_stratix10/ZarvikDdr4Id.h"
#include "boards/arria10_stratix10/ZarvikFamily.h"
#include "platform/Ui.h"
#include "settings/ConfigCommon.h"

#include <vector>

namespace {

constexpr double kDdrMHz[] = {0, 150, 200, 233.333, 266.667, 300};

} // namespace

bool TConfigZarvik_DDR4::IsSi5340AUsed() const {
    return zarvikfamily::AnyNonZero(Config.Si5340AIndex);
}

bool TConfigZarvik_DDR4::IsSi5340BUsed() const {
    return zarvikfamily::Si5340BUsed(Config);
}

bool TConfigZarvik_DDR4::HasObPcieClock() const {
    return zarvikfamily::ObPcieClock(Config);
}

std::string TConfigZarvik_DDR4::GetTerminationAssignments() const {
    return zarvikfamily::TerminationBlock(
        zarvikfamily::Choices(Config, "DDR4", Config.Ddr4A != 0, Config.Ddr4B != 0));
}

std::string TConfigZarvik_DDR4::GetSi5340FileAssignments() const {
    return si5340::IncludeBlock(IsSi5340AUsed(), IsSi5340BUsed());
}

std::string TConfigZarvik_DDR4::GetQsfAssignments() {
    return GetTerminationAssignments() + GetSi5340FileAssignments();
}

std::string TConfigZarvik_DDR4::GetSi5340AMacroName(std::uint8_t index) {
    return si5340::Si5340AMacroName(index);
}

std::string TConfigZarvik_DDR4::GetSi5340AVerilog(std::uint8_t indexA, std::uint8_t indexB,
                                                  std::uint8_t indexC, std::uint8_t indexD) {
    return si5340::ControllerVerilog({'A', si5340::Si5340ADefines(si5340::Radix::Decimal),
                                      "CLK_50_B2J", nullptr,
                                      si5340::Si5340ASelections({indexA, indexB, indexC, indexD})});
}

std::string TConfigZarvik_DDR4::GetSi5340BVerilog(std::uint8_t ddrIndex, std::uint8_t qdrIndex,
                                                  std::uint8_t /*pcieIndex*/) {
    const char* ddr = ddrIndex == 1   ? "DDR150_"
                      : ddrIndex == 2 ? "DDR200_"
                      : ddrIndex == 3 ? "DDR233_"
                      : ddrIndex == 5 ? "DDR300_"
                                      : "DDR266_";
    const char* qdr = qdrIndex == 1   ? "QDR225_"
                      : qdrIndex == 2 ? "QDR233_"
                      : qdrIndex == 3 ? "QDR250_"
                                      : "QDR275_";
    // Codes: the DDR part fastest (300, 266, 233, 200, 150), the QDR part in
    // 275, 250, 225, 233.
    std::vector<std::string> defines;
    int code = 0;
    for (const char* q : {"QDR275_", "QDR250_", "QDR225_", "QDR233_"}) {
        for (const char* d : {"DDR300_", "DDR266_", "DDR233_", "DDR200_", "DDR150_"}) {
            defines.push_back(platform::Format("`define %s%sPCIE100   5'd%d", d, q, code++));
        }
    }
    return si5340::ControllerVerilog(
        {'B',
         defines,
         "CLK_50_B2J",
         "config_done",
         {std::string("    .iPLL_OUT_FREQ_SEL(`") + ddr + qdr + "PCIE100),"}});
}

std::string TConfigZarvik_DDR4::GetVerilogCode() {
    return zarvikfamily::VerilogCode(*this);
}

namespace {
constexpr si5340::ResourceNaming kResourceNaming{"ddr4_zarvik_", "ddr4_"};
} // namespace

bool TConfigZarvik_DDR4::ExportIpFiles(const std::string& projectFolder) {
    return si5340::ExportControllers(*this, projectFolder, IsSi5340AUsed(), IsSi5340BUsed(),
                                     kResourceNaming);
}

std::vector<config::ExportedFile> TConfigZarvik_DDR4::ExportSet() {
    return si5340::ControllersExportSet(kResourceNaming);
}

double TConfigZarvik_DDR4::GetSi5340AFrequency(std::uint8_t index) {
    return si5340::Si5340AFrequency(index);
}
double TConfigZarvik_DDR4::GetSi5340BDdrFrequency(std::uint8_t index) {
    return index < std::size(kDdrMHz) ? kDdrMHz[index] : 0.0;
}
double TConfigZarvik_DDR4::GetSi5340BQdrFrequency(std::uint8_t index) {
    return TConfigZarvik::GetSi5340BQdrFrequency(index);
}
double TConfigZarvik_DDR4::GetSi5340BPcieFrequency(std::uint8_t index) {
    return TConfigZarvik::GetSi5340BPcieFrequency(index);
}
