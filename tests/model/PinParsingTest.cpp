#include "model/PinParsing.h"
#include "platform/ScriptedUi.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct P {
    const char* name;
    PinDirection direction = PIN_DIR_INPUT;
};

std::unique_ptr<TConnector> Make(std::vector<P> pins) {
    auto c = std::make_unique<TConnector>("C", "", CONNECTOR_NONE, -1);
    for (const P& p : pins) {
        if (!p.name) {
            c->AddEmpty();
        } else {
            c->AddPin(new TPin(p.name, "A1", p.direction, IOSTD_3V3_LVTTL, 0));
        }
    }
    return c;
}

} // namespace

TEST(SplitBusName, Kinds) {
    std::string base;
    std::int32_t index = 0;
    using K = TPinParsing::NameKind;
    EXPECT_EQ(TPinParsing::SplitBusName("LED[3]", base, index), K::Bus);
    EXPECT_EQ(base, "LED");
    EXPECT_EQ(index, 3);
    EXPECT_EQ(TPinParsing::SplitBusName("A[3]B", base, index), K::Bus);
    EXPECT_EQ(base, "A");
    EXPECT_EQ(index, 3);
    EXPECT_EQ(TPinParsing::SplitBusName("A[-2]", base, index), K::Bus);
    EXPECT_EQ(index, -2);
    EXPECT_EQ(TPinParsing::SplitBusName("FOO]1[", base, index), K::Scalar);
    EXPECT_EQ(base, "");
    EXPECT_EQ(index, -1);
    EXPECT_EQ(TPinParsing::SplitBusName("LED", base, index), K::Scalar);
    for (const char* bad : {"X[a]", "X[]", "X[1a]", "X[ 1]", "X[99999999999]"}) {
        EXPECT_EQ(TPinParsing::SplitBusName(bad, base, index), K::BadIndex) << bad;
    }
}

TEST(TPinParsing, BusesScalarsAndOrder) {
    const auto c = Make({{"LED[2]", PIN_DIR_OUTPUT},
                         {nullptr},
                         {"LED[0]", PIN_DIR_OUTPUT},
                         {"CLK"},
                         {"LED[3]", PIN_DIR_OUTPUT},
                         {"SPARE", PIN_DIR_NONE},
                         {"PLACEHOLDER", PIN_DIR_FROM_CARD},
                         {"Data[0]", PIN_DIR_INOUT},
                         {"DATA[1]", PIN_DIR_INOUT},
                         {"GAP[0]"},
                         {"GAP[5]"},
                         {"ONE[2]"}});
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Parse(*c));
    ASSERT_EQ(parsing.GetPortCount(), 5);
    EXPECT_EQ(parsing.GetPort(0).Name, "LED");
    EXPECT_EQ(parsing.GetPort(0).Msb, 3);
    EXPECT_EQ(parsing.GetPort(0).Lsb, 0);
    EXPECT_EQ(parsing.GetPort(1).Name, "CLK");
    EXPECT_FALSE(parsing.GetPort(1).IsBus);
    EXPECT_EQ(parsing.GetPort(2).Name, "Data"); // spelled as the first pin
    EXPECT_EQ(parsing.GetPort(2).Msb, 1);
    EXPECT_EQ(parsing.GetPort(3).Msb, 5); // gaps are not reported
    EXPECT_EQ(parsing.GetPort(3).Lsb, 0);
    EXPECT_EQ(parsing.GetPort(4).Msb, 2);
    EXPECT_EQ(parsing.GetPort(4).Lsb, 2);

    EXPECT_EQ(parsing.GetVerilogPort(0), "output\t\t     [3:0]\t\tLED");
    EXPECT_EQ(parsing.GetVerilogPort(1), "input \t\t          \t\tCLK");
    EXPECT_EQ(parsing.GetVerilogPort(2), "inout \t\t     [1:0]\t\tData");
    EXPECT_EQ(parsing.GetVhdlPort(0), "LED             \t:out   \tstd_logic_vector(3 downto 0)");
    EXPECT_EQ(parsing.GetVhdlPort(1), "CLK             \t:in    \tstd_logic");
    EXPECT_EQ(parsing.GetVhdlPort(2), "Data            \t:inout \tstd_logic_vector(1 downto 0)");
    EXPECT_EQ(parsing.GetVhdlPort(4), "ONE             \t:in    \tstd_logic_vector(2 downto 2)");
}

TEST(TPinParsing, WideRangesAndLongNames) {
    const auto c =
        Make({{"SIXTEEN_CHARS_AB"}, {"SEVENTEEN_CHARS_A"}, {"W[1000]"}, {"W[0]"}, {"FOO]1["}});
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Parse(*c));
    EXPECT_EQ(parsing.GetVhdlPort(0), "SIXTEEN_CHARS_AB\t:in    \tstd_logic");
    EXPECT_EQ(parsing.GetVhdlPort(1), "SEVENTEEN_CHARS_A\t:in    \tstd_logic");
    EXPECT_EQ(parsing.GetVerilogPort(2), "input \t\t  [1000:0]\t\tW");
    EXPECT_EQ(parsing.GetPort(3).Name, "FOO]1[");
}

TEST(TPinParsing, EmptyConnectorAndReuse) {
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Parse(*Make({{"A"}, {"B"}})));
    EXPECT_EQ(parsing.GetPortCount(), 2);
    ASSERT_TRUE(parsing.Parse(*Make({{"X", PIN_DIR_NONE}, {nullptr}})));
    EXPECT_EQ(parsing.GetPortCount(), 0);
}

TEST(TPinParsing, BusPinOnAScalarWidensItOnly) {
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Parse(*Make({{"S"}, {"S[4]"}})));
    ASSERT_EQ(parsing.GetPortCount(), 1);
    EXPECT_FALSE(parsing.GetPort(0).IsBus);
    EXPECT_EQ(parsing.GetPort(0).Msb, 4);
    EXPECT_EQ(parsing.GetVerilogPort(0), "input \t\t          \t\tS");
}

TEST(TPinParsing, FailuresBeepAndReport) {
    struct Row {
        std::vector<P> pins;
        const char* message;
    };
    const std::vector<Row> rows = {
        {{{"RESET"}, {"reset"}}, "RESET"},
        {{{"LED[0]"}, {"LED"}}, "LED"},
        {{{"LED[0]", PIN_DIR_OUTPUT}, {"X"}, {"LED[1]", PIN_DIR_INPUT}},
         "Connector LED[1]:2 has an unmathced pin direction"},
        {{{"OK"}, {"X[a]"}}, "Connector X[a] has an invalid bus index"},
    };
    for (const Row& row : rows) {
        platform::ScriptedUi ui;
        TPinParsing parsing;
        EXPECT_FALSE(parsing.Parse(*Make(row.pins)));
        EXPECT_EQ(ui.BeepCount(), 1);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].kind, platform::MsgKind::Error);
        EXPECT_EQ(ui.Boxes()[0].text, row.message);
    }
}

TEST(TPinParsing, GroupTellsWhyItStoppedWithoutBoxes) {
    using O = TPinParsing::Outcome;
    struct Row {
        std::vector<P> pins;
        O outcome;
    };
    const std::vector<Row> rows = {
        {{{"A[0]"}, {"a[1]"}, {"B"}}, O::Grouped},
        {{{"OK"}, {"X[a]"}}, O::BadIndex},
        {{{"RESET"}, {"reset"}}, O::NameClash},
        {{{"LED[0]", PIN_DIR_OUTPUT}, {"X"}, {"led[1]", PIN_DIR_INPUT}}, O::DirectionClash},
        // A bus bit joining a scalar of its name keeps the scalar's direction.
        {{{"S", PIN_DIR_OUTPUT}, {"S[4]", PIN_DIR_INPUT}}, O::DirectionClash},
    };
    for (const Row& row : rows) {
        platform::ScriptedUi ui;
        TPinParsing parsing;
        EXPECT_EQ(parsing.Group(*Make(row.pins)), row.outcome) << row.pins[0].name;
        EXPECT_EQ(parsing.IsComplete(), row.outcome == O::Grouped);
        EXPECT_EQ(ui.BeepCount(), 0);
        EXPECT_TRUE(ui.Boxes().empty());
    }
}

TEST(TPinParsing, PortsAreFoundByNameIgnoringCaseWithTheirPins) {
    const auto c = Make({{"Data[1]", PIN_DIR_INOUT},
                         {"CLK"},
                         {"DATA[0]", PIN_DIR_INOUT},
                         {"SPARE", PIN_DIR_NONE},
                         {"data[3]", PIN_DIR_INOUT}});
    TPinParsing parsing;
    ASSERT_TRUE(parsing.Parse(*c));
    EXPECT_EQ(parsing.FindPortIndex("data"), 0);
    EXPECT_EQ(parsing.FindPortIndex("clk"), 1);
    EXPECT_EQ(parsing.FindPortIndex("SPARE"), -1);
    ASSERT_NE(parsing.FindPort("Clk"), nullptr);
    EXPECT_EQ(parsing.FindPort("Clk")->Name, "CLK");
    const auto pins = parsing.GetPortPins(0);
    ASSERT_EQ(pins.size(), 3u);
    EXPECT_EQ(pins[0].Index, 1);
    EXPECT_EQ(pins[0].Pin, c->GetPin(0));
    EXPECT_EQ(pins[1].Index, 0);
    EXPECT_EQ(pins[2].Pin->GetName(), "data[3]");
    ASSERT_EQ(parsing.GetPortPins(1).size(), 1u);
    EXPECT_EQ(parsing.GetPortPins(1)[0].Index, -1);
    // A second grouping starts afresh.
    ASSERT_TRUE(parsing.Parse(*Make({{"X"}})));
    EXPECT_EQ(parsing.FindPortIndex("data"), -1);
    EXPECT_EQ(parsing.FindPortIndex("x"), 0);
}
