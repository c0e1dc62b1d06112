#include "boards/GpioBoardDump.h"

#include <gtest/gtest.h>

#include <fstream>

namespace gpioboardtest {
namespace {

const char* DirectionWord(PinDirection direction) {
    switch (direction) {
    case PIN_DIR_INOUT:
        return "inout";
    case PIN_DIR_INPUT:
        return "in";
    case PIN_DIR_OUTPUT:
        return "out";
    case PIN_DIR_FROM_CARD:
        return "card";
    case PIN_DIR_NONE:
        return "off";
    }
    return "?";
}

} // namespace

std::vector<std::string> Dump(const TMainBoard& board) {
    std::vector<std::string> lines;
    lines.push_back("fpga\t" + board.GetFamily() + "\t" + board.GetDevice() + "\t" +
                    board.GetPackage() + "\t" + std::to_string(board.GetPinCount()) + "\t" +
                    board.GetSpeedGradeText());
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector& c = *board.GetConnector(i);
        lines.push_back("connector\t" + c.GetName() + "\t" + c.GetDescription() + "\t" +
                        std::to_string(static_cast<int>(c.GetType())) + "\t" +
                        std::to_string(static_cast<int>(c.GetConnectorId())) + "\t" +
                        (c.GetIsExpansion() ? "1" : "0") + "\t" + std::to_string(c.GetCardId()));
        for (int j = 0; j < c.GetPinCount(); ++j) {
            std::string line = std::to_string(j + 1);
            if (const TPin* p = c.GetPin(j)) {
                line += "\t" + p->GetName() + "\t" + p->GetLocation() + "\t" +
                        DirectionWord(p->GetDirection()) + "\t" +
                        std::to_string(static_cast<int>(p->GetIoStandard()));
                if (p->IsClockPin()) {
                    line += p->GetFrequency().empty()
                                ? "\tperiod " + std::to_string(p->GetPeriodNs())
                                : "\tfrequency " + p->GetFrequency();
                }
                if (!p->GetNote().empty()) {
                    line += "\tnote " + p->GetNote();
                }
            }
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> ReadFixture(const std::string& name) {
    std::ifstream in(std::string(PINSMITH_TEST_DATA_DIR) + "/boards/fixtures/" + name + ".txt");
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

} // namespace gpioboardtest
