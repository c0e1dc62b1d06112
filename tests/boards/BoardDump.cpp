#include "boards/BoardDump.h"

#include "model/Connector.h"
#include "model/Pin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace boardtest {

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
    lines.push_back("device\t" + board.GetFamily() + "\t" + board.GetDevice() + "\t" +
                    board.GetPackage() + "\t" + std::to_string(board.GetPinCount()) + "\t" +
                    std::to_string(board.GetSpeedGrade()));
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        const TConnector& connector = *board.GetConnector(c);
        lines.push_back("connector\t" + connector.GetName() + "\t" + connector.GetDescription() +
                        "\t" + std::to_string(static_cast<int>(connector.GetType())) + "\t" +
                        (connector.GetIsExpansion()
                             ? std::to_string(static_cast<int>(connector.GetConnectorId()))
                             : std::string("-")));
        for (int i = 0; i < connector.GetPinCount(); ++i) {
            const TPin* pin = connector.GetPin(i);
            if (!pin) {
                lines.push_back("\t-");
                continue;
            }
            std::string clock;
            if (pin->IsClockPin()) {
                clock = pin->GetFrequency().empty() ? std::to_string(pin->GetPeriodNs()) + "ns"
                                                    : pin->GetFrequency();
            }
            lines.push_back("\t" + pin->GetName() + "\t" + pin->GetLocation() + "\t" +
                            DirectionWord(pin->GetDirection()) + "\t" +
                            std::to_string(static_cast<int>(pin->GetIoStandard())) + "\t" + clock);
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

void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (actual[i] != expected[i]) {
            ADD_FAILURE() << "line " << i + 1 << ":\n  actual   " << actual[i] << "\n  expected "
                          << expected[i];
            return;
        }
    }
    EXPECT_EQ(actual.size(), expected.size());
}

const TConnector* FindConnector(const TMainBoard& board, const std::string& name) {
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        if (board.GetConnector(c)->GetName() == name) {
            return board.GetConnector(c);
        }
    }
    return nullptr;
}

std::vector<std::string> ConnectorNames(const TMainBoard& board) {
    std::vector<std::string> names;
    for (int c = 0; c < board.GetConnectorCount(); ++c) {
        names.push_back(board.GetConnector(c)->GetName());
    }
    return names;
}

} // namespace boardtest
