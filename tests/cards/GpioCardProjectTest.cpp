// Every GPIO header card merged onto a board header: its names group into
// ports without a clash, and the project written for it passes the real-tool
// checks.

#include "boards/cyclone5/IlmarchId.h"
#include "cards/gpio_fmc_memory/GpioCards.h"
#include "model/PinParsing.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "platform/ScriptedUi.h"
#include "support/ProjectChecker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct AttachCase {
    const char* name;
    CardId card;
    const char* prefix;
    const char* busName;
    IoStd standard;
    // The namings that only other boards choose are filled directly.
    void (*fillDirect)(TDaughterBoard&);
};

const AttachCase kCases[] = {
    {"Card1", CARD_GPIO_DEFAULT, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card1WithBusName", CARD_GPIO_DEFAULT, "", "GPIO_0", IOSTD_3V3_LVTTL, nullptr},
    {"Card1DataBusNaming", CARD_GPIO_DEFAULT, "", "", IOSTD_3V3_LVTTL,
     [](TDaughterBoard& c) { D_GPIO_DEFAULT(c, false, IOSTD_3V3_LVTTL); }},
    {"Card1PrefixCompletedNaming", CARD_GPIO_DEFAULT, "GPIO_0", "", IOSTD_3V3_LVTTL,
     [](TDaughterBoard& c) { D_GPIO_DEFAULT_ISTREL(c); }},
    {"Card81", CARD_GPIO_DEFAULT_2V5, "", "", IOSTD_2V5, nullptr},
    {"Card82", CARD_GPIO_DEFAULT_1V8, "", "GPIO_1", IOSTD_1V8, nullptr},
    {"Card83", CARD_GPIO_DEFAULT_1V5, "HDR_", "", IOSTD_1V5, nullptr},
    {"Card11", CARD_OSTEL_GPIO, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card12", CARD_FYRN, "CAM_", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card13", CARD_TAMBRY, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card55", CARD_WISTEL, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card62", CARD_RINDLE, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card63", CARD_WISTEL2, "MTL_", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card66", CARD_CAVEL, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card67", CARD_ZEPPIT, "", "", IOSTD_3V3_LVTTL, nullptr},
    {"Card74", CARD_GLENT_GPIO, "", "", IOSTD_3V3_LVTTL, nullptr},
};

bool IsTwoHeaderCard(CardId card) {
    return BoardConnectorType(card) == CONNECTOR_GPIO80;
}

// The board header the card goes on: a placeholder at every position.
TConnector* AddHeader(sample::ModelBuilder& b, CardId card) {
    const bool pair = IsTwoHeaderCard(card);
    return b.Expansion(pair ? "GPIO" : "GPIO_0", "GPIO header", BoardConnectorType(card),
                       pair ? CONNECTOR_ID_GPIO_PAIR : CONNECTOR_ID_GPIO_0, pair ? 80 : 40);
}

void Attach(TMainBoard& board, sample::ModelBuilder& b, const AttachCase& c) {
    TConnector* header = AddHeader(b, c.card);
    if (c.fillDirect) {
        TDaughterBoard card;
        c.fillDirect(card);
        card.SetType(BoardConnectorType(c.card));
        ASSERT_TRUE(card.UpdateMasterConnector(header, c.prefix));
    } else {
        board.AttachGpioCard(header->GetConnectorId(), c.card, CardPrefix(c.prefix),
                             CardBusName(c.busName), c.standard);
    }
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) {
        all += l + "\n";
    }
    return all;
}

} // namespace

// A name used twice, a bus whose bits disagree in direction, or two names
// that differ only in letter case would stop the top-level writer.
TEST(GpioCardPorts, GroupWithoutClash) {
    for (const AttachCase& c : kCases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedUi ui;
        TMainBoard board;
        sample::SetCycloneV(board, MAINBOARD_ILMARCH);
        sample::ModelBuilder b(board);
        Attach(board, b, c);
        const TConnector& header = *board.m_Connectors.back();

        int pins = 0;
        for (int i = 0; i < header.GetPinCount(); ++i) {
            pins += header.GetPin(i)->IsActive() ? 1 : 0;
        }
        TPinParsing parsing;
        ASSERT_TRUE(parsing.Parse(header)) << Joined([&] {
            std::vector<std::string> texts;
            for (const auto& box : ui.Boxes()) {
                texts.push_back(box.text);
            }
            return texts;
        }());
        EXPECT_TRUE(ui.Boxes().empty());
        // Every pin is one port bit: no bus index twice and no gap in a bus.
        int bits = 0;
        for (int i = 0; i < parsing.GetPortCount(); ++i) {
            const PORT_INFO& port = parsing.GetPort(i);
            bits += port.IsBus ? port.Msb - port.Lsb + 1 : 1;
        }
        EXPECT_EQ(bits, pins);
    }
}

class GpioCardProject : public testing::TestWithParam<AttachCase> {};

TEST_P(GpioCardProject, PassesTheTools) {
    const AttachCase& c = GetParam();
    platform::ScriptedUi ui;
    TempDir dir;
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    TConnector* clock = b.Group("CLOCK");
    b.Pin(clock, "CLOCK_50", PIN_DIR_INPUT, IOSTD_3V3_LVTTL, 50.0f);
    Attach(board, b, c);

    TPinsmith writer;
    ASSERT_TRUE(writer.Generate(&board, dir.File("cardtest.qpf"), false));
    EXPECT_TRUE(ui.Boxes().empty());
    const std::vector<std::string> problems = checker::CheckProject(dir.Path(), "cardtest");
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

INSTANTIATE_TEST_SUITE_P(Cards, GpioCardProject, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<AttachCase>& info) {
                             return std::string(info.param.name);
                         });
