#pragma once
// What the settings classes of Zarvik and its DDR4 edition share beyond the
// Si5340 family: the termination block over their common peripherals and
// the two chips' in-use tests.

#include <cstdint>
#include <string>

namespace zarvikfamily {

struct TerminationChoices {
    const char* memory;   // "DDR3", "DDR4": the sockets' reference clocks
    bool memorySocket[2]; // socket A, B
    bool qdr[4];          // QDRII+ SRAM A..D
    bool pcie;            // the PCIe edge connector
    bool obPcieClock;     // the on-board PCIe reference clock pin exists
    bool qsfp[4];         // QSFP+ cage A..D
};
std::string TerminationBlock(const TerminationChoices& choices);

bool AnyNonZero(const std::int32_t (&indexes)[4]);

inline std::uint8_t Low(std::int32_t index) {
    return static_cast<std::uint8_t>(index & 0xFF);
}

// The rules both records follow (their fields share names).
template <class Config> bool Si5340BUsed(const Config& c) {
    return c.Si5340BDdrIndex != 0 || c.Si5340BQdrIndex != 0 || c.Si5340BPcieIndex != 0;
}
// The on-board PCIe reference clock exists: ticked with a frequency.
template <class Config> bool ObPcieClock(const Config& c) {
    return c.PcieObClock != 0 && c.Si5340BPcieIndex != 0;
}
template <class Config>
TerminationChoices Choices(const Config& c, const char* memory, bool socketA, bool socketB) {
    TerminationChoices choices{};
    choices.memory = memory;
    choices.memorySocket[0] = socketA;
    choices.memorySocket[1] = socketB;
    for (int i = 0; i < 4; ++i) {
        choices.qdr[i] = c.Qdr[i] != 0;
        choices.qsfp[i] = c.Qsfp[i] != 0;
    }
    choices.pcie = c.Pcie != 0;
    choices.obPcieClock = ObPcieClock(c);
    return choices;
}
// The Si5340A block when the chip is used, then the Si5340B block.
template <class Settings> std::string VerilogCode(const Settings& s) {
    const auto& c = s.Config;
    std::string text;
    if (s.IsSi5340AUsed()) {
        text += Settings::GetSi5340AVerilog(Low(c.Si5340AIndex[0]), Low(c.Si5340AIndex[1]),
                                            Low(c.Si5340AIndex[2]), Low(c.Si5340AIndex[3]));
    }
    if (s.IsSi5340BUsed()) {
        text += Settings::GetSi5340BVerilog(Low(c.Si5340BDdrIndex), Low(c.Si5340BQdrIndex),
                                            Low(c.Si5340BPcieIndex));
    }
    return text;
}

} // namespace zarvikfamily
