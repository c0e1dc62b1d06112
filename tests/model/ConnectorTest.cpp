#include "model/Connector.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Builds a connector whose entries are the given names; nullptr is an empty
// position.
std::unique_ptr<TConnector> Make(const std::vector<const char*>& names) {
    auto c = std::make_unique<TConnector>("T", "", CONNECTOR_NONE, -1);
    int position = 1;
    for (const char* n : names) {
        if (n) {
            c->AddPin(new TPin(n, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, position, false));
        } else {
            c->AddEmpty();
        }
        ++position;
    }
    return c;
}

std::vector<std::string> Names(const TConnector& c) {
    std::vector<std::string> out;
    for (int i = 0; i < c.GetPinCount(); ++i) {
        const TPin* p = c.GetPin(i);
        out.push_back(p ? p->GetName() : "-");
    }
    return out;
}

} // namespace

TEST(TConnector, Counts) {
    auto c = Make({"B", nullptr, "A", nullptr});
    EXPECT_EQ(c->GetPinCount(), 4);
    EXPECT_EQ(c->GetActivePinCount(), 2);
    c->GetPin(0)->SetDirection(PIN_DIR_NONE);
    EXPECT_EQ(c->GetPinCount(), 4);
    EXPECT_EQ(c->GetActivePinCount(), 1);
}

TEST(TConnector, SortPins) {
    struct Case {
        std::vector<const char*> before;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {{"B", nullptr, "A", nullptr}, {"A", "-", "B", "-"}},
        {{"LED[10]", "LED[2]", "LED[1]"}, {"LED[1]", "LED[2]", "LED[10]"}},
        {{"KEY[0]", "CPU_RESET_n"}, {"CPU_RESET_n", "KEY[0]"}},
        {{"HEX1[0]", "HEX0[5]"}, {"HEX0[5]", "HEX1[0]"}},
        {{"A_X", "A[1]"}, {"A[1]", "A_X"}},
        {{"b", "C"}, {"C", "b"}},
        {{"AB", "A"}, {"A", "AB"}},
        // A non-decimal index sorts as -1, before every real index.
        {{"D[1]", "D[x]"}, {"D[x]", "D[1]"}},
    };
    for (const Case& c : cases) {
        auto con = Make(c.before);
        con->SortPins();
        EXPECT_EQ(Names(*con), c.after);
    }
}

TEST(TConnector, SortIsNotStable) {
    auto c = Make({"B", "B", "A"});
    TPin* x = c->GetPin(0);
    TPin* y = c->GetPin(1);
    c->SortPins();
    EXPECT_EQ(c->GetPin(0)->GetName(), "A");
    EXPECT_EQ(c->GetPin(1), y);
    EXPECT_EQ(c->GetPin(2), x);
}

TEST(TConnector, PlaceholdersDoNotMove) {
    TConnector c("GPIO_0", "", CONNECTOR_GPIO40, -1);
    for (int i = 0; i < 4; ++i) {
        c.AddPin(new TPin("", "A" + std::to_string(i), PIN_DIR_FROM_CARD, IOSTD_FROM_CARD, 0.0f));
    }
    std::vector<TPin*> before;
    for (int i = 0; i < 4; ++i) {
        before.push_back(c.GetPin(i));
    }
    c.SortPins();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(c.GetPin(i), before[static_cast<std::size_t>(i)]);
    }
}

TEST(ConnectorTypeName, Names) {
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_HSMC), "HSMC");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_GPIO40), "GPIO");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_GPIO80), "GPIO");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_ERGAN_2x6), "ERGAN 2x6");
    EXPECT_EQ(ConnectorTypeName(CONNECTOR_DDR4_SODIMM_IF_ECC),
              "QUELMAR DDR4 SODIMM  Interface with ECC");
}

TEST(ConnectorDeathTest, TypeNameOfPlainGroupStops) {
    EXPECT_DEATH(ConnectorTypeName(CONNECTOR_NONE),
                 "Assertion failed: ConnectorTypeName: .*, file .*Connector\\.cpp");
    EXPECT_DEATH(ConnectorTypeName(static_cast<ConnectorType>(13)),
                 "a connector type without a name");
}
