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

} // namespace zarvikfamily
