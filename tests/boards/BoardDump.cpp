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

void AppendConnector(const TConnector& c, std::vector<std::string>& lines) {
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
                line += p->GetFrequency().empty() ? "\tperiod " + std::to_string(p->GetPeriodNs())
                                                  : "\tfrequency " + p->GetFrequency();
            } else if (p->GetPeriodNs() != 0) {
                line += "\tperiod " + std::to_string(p->GetPeriodNs()) + " unclocked";
            }
            if (!p->GetNote().empty()) {
                line += "\tnote " + p->GetNote();
            }
        }
        lines.push_back(line);
    }
}

} // namespace

std::vector<std::string> Dump(const TMainBoard& board) {
    std::vector<std::string> lines;
    lines.push_back("fpga\t" + board.GetFamily() + "\t" + board.GetDevice() + "\t" +
                    board.GetPackage() + "\t" + std::to_string(board.GetPinCount()) + "\t" +
                    board.GetSpeedGradeText() + "\t" + std::to_string(board.GetSpeedGrade()));
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        AppendConnector(*board.GetConnector(i), lines);
    }
    return lines;
}

std::vector<std::string> Dump(const TConnector& connector) {
    std::vector<std::string> lines;
    AppendConnector(connector, lines);
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

void ExpectFixture(const TMainBoard& board, const std::string& name) {
    SCOPED_TRACE(name);
    ExpectLines(Dump(board), ReadFixture(name));
}

void ExpectFixture(const TConnector& connector, const std::string& name) {
    SCOPED_TRACE(name);
    ExpectLines(Dump(connector), ReadFixture(name));
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
