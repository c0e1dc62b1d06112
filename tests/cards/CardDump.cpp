#include "cards/CardDump.h"

#include <gtest/gtest.h>

#include <fstream>

namespace cardtest {

const char* DirectionWord(PinDirection direction) {
    switch (direction) {
    case PIN_DIR_INOUT:
        return "inout";
    case PIN_DIR_INPUT:
        return "in";
    case PIN_DIR_OUTPUT:
        return "out";
    case PIN_DIR_NONE:
        return "off";
    default:
        return "?";
    }
}

std::vector<std::string> Dump(const TConnector& card) {
    std::vector<std::string> lines;
    for (int i = 0; i < card.GetPinCount(); ++i) {
        std::string line = std::to_string(i + 1);
        if (const TPin* p = card.GetPin(i)) {
            line += "\t" + p->GetName() + "\t" + DirectionWord(p->GetDirection()) + "\t" +
                    std::to_string(static_cast<int>(p->GetIoStandard()));
            if (p->GetI2cFlag()) {
                line += "\ti2c";
            }
            if (p->IsClock) {
                line += "\tclock";
            }
            if (p->PeriodNs != 0) {
                line += "\tperiod " + std::to_string(p->PeriodNs);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ReadFixture(const std::string& name) {
    std::ifstream in(std::string(PINSMITH_TEST_DATA_DIR) + "/cards/fixtures/" + name + ".txt");
    EXPECT_TRUE(in.is_open()) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace cardtest
