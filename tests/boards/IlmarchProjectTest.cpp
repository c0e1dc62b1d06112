#include "boards/BoardRules.h"
#include "boards/Boards.h"
#include "boards/cyclone5/CONFIG_ILMARCH.h"
#include "boards/cyclone5/IlmarchConfig.h"
#include "boards/cyclone5/IlmarchId.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ilmarch;

namespace {

const BoardDef& Ilmarch() {
    return *FindBoard(MAINBOARD_ILMARCH);
}

ConstRecordSpan Span(const ILMARCH_CONFIG& config) {
    return {reinterpret_cast<const std::uint8_t*>(&config), sizeof config};
}

ILMARCH_CONFIG Record(std::int32_t voltage, std::uint8_t card0, const char* prefix0,
                      std::uint8_t card1, const char* prefix1) {
    ILMARCH_CONFIG config;
    SetIlmarchDefaultConfig(config);
    for (auto option : kIlmarchOptionBytes) {
        config.*option = 0;
    }
    config.GpioVoltage = voltage;
    config.nGpioDaughterId[GPIO_0] = card0;
    config.nGpioDaughterId[GPIO_1] = card1;
    SetIlmarchText(config.GpioPrefixName[GPIO_0], prefix0);
    SetIlmarchText(config.GpioPrefixName[GPIO_1], prefix1);
    return config;
}

struct Summary {
    std::string name;        // connector name
    std::string first;       // name of the first active pin
    std::string last;        // name of the last active pin
    int active = 0;          // active pins
    bool allStandard = true; // every active pin carries the expected standard
};

std::vector<Summary> Attach(const ILMARCH_CONFIG& config, IoStd expected) {
    TMainBoard board;
    CONFIG_ILMARCH(&board, config);
    AttachRecordCards(Ilmarch(), board, Span(config));
    std::vector<Summary> result;
    for (int i = 0; i < board.GetConnectorCount(); ++i) {
        const TConnector* c = board.GetConnector(i);
        Summary s;
        s.name = c->GetName();
        for (int j = 0; j < c->GetPinCount(); ++j) {
            const TPin* pin = c->GetPin(j);
            if (!pin || !pin->IsActive()) {
                continue;
            }
            EXPECT_NE(pin->GetDirection(), PIN_DIR_FROM_CARD) << s.name << " " << j + 1;
            if (s.active++ == 0) {
                s.first = pin->GetName();
            }
            s.last = pin->GetName();
            s.allStandard = s.allStandard && pin->GetIoStandard() == expected;
        }
        result.push_back(s);
    }
    return result;
}

} // namespace

TEST(IlmarchAttach, RulesForBothHeaders) {
    struct Case {
        const char* what;
        ILMARCH_CONFIG config;
        IoStd standard;
        std::vector<std::pair<std::string, std::string>> connectors; // name, first..last
    };
    const Case cases[] = {
        {"GPIO Default on both without prefixes takes bus names",
         Record(5, 1, "", 1, ""),
         IOSTD_3V3_LVTTL,
         {{"GPIO_0", "GPIO_0[0]..GPIO_0[35]"}, {"GPIO_1", "GPIO_1[0]..GPIO_1[35]"}}},
        {"GPIO Default on both with two prefixes",
         Record(5, 1, "A_", 1, "B_"),
         IOSTD_3V3_LVTTL,
         {{"GPIO_0", "A_GPIO[0]..A_GPIO[35]"}, {"GPIO_1", "B_GPIO[0]..B_GPIO[35]"}}},
        {"one prefix only: no bus names",
         Record(5, 1, "", 1, "X_"),
         IOSTD_3V3_LVTTL,
         {{"GPIO_0", "GPIO[0]..GPIO[35]"}, {"GPIO_1", "X_GPIO[0]..X_GPIO[35]"}}},
        {"1.8 V Default on both",
         Record(2, 82, "", 82, ""),
         IOSTD_1V8,
         {{"GPIO_0", "GPIO_0[0]..GPIO_0[35]"}, {"GPIO_1", "GPIO_1[0]..GPIO_1[35]"}}},
        {"2.5 V Default on GPIO-1 only",
         Record(3, 0, "", 81, "P_"),
         IOSTD_2V5,
         {{"GPIO_1", "P_GPIO[0]..P_GPIO[35]"}}},
        {"1.5 V Default on GPIO-0 only",
         Record(1, 83, "", 0, ""),
         IOSTD_1V5,
         {{"GPIO_0", "GPIO[0]..GPIO[35]"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Summary> got = Attach(c.config, c.standard);
        ASSERT_EQ(got.size(), c.connectors.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].name, c.connectors[i].first);
            EXPECT_EQ(got[i].first + ".." + got[i].last, c.connectors[i].second);
            EXPECT_EQ(got[i].active, 36);
            EXPECT_TRUE(got[i].allStandard);
        }
    }
}

TEST(IlmarchAttach, EightyPinCardOnceWithGpio0Prefix) {
    const std::vector<Summary> got = Attach(Record(5, 11, "ADC_", 11, "IGNORED_"), IOSTD_3V3_LVTTL);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].name, "GPIO_0_1");
    EXPECT_EQ(got[0].first.rfind("ADC_", 0), 0u) << got[0].first;
    EXPECT_TRUE(got[0].allStandard);

    TMainBoard board;
    const ILMARCH_CONFIG config = Record(5, 11, "ADC_", 11, "ADC_");
    CONFIG_ILMARCH(&board, config);
    AttachRecordCards(Ilmarch(), board, Span(config));
    const TConnector* pair = board.GetConnector(0);
    for (int j = 0; j < pair->GetPinCount(); ++j) {
        if (const TPin* pin = pair->GetPin(j); pin && pin->IsActive()) {
            EXPECT_EQ(pin->GetName().rfind("ADC_", 0), 0u) << pin->GetName();
        }
    }
}

TEST(IlmarchAttach, DifferentCardsKeepTheirOwnPrefixes) {
    const std::vector<Summary> got = Attach(Record(5, 12, "CAM_", 13, "LCD_"), IOSTD_3V3_LVTTL);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].first.rfind("CAM_", 0), 0u) << got[0].first;
    EXPECT_EQ(got[1].first.rfind("LCD_", 0), 0u) << got[1].first;
}

TEST(IlmarchSettings, ChecksInOrder) {
    const std::string clash = "GPIO-0 and GPIO-1 cannot have the same prefix name when both "
                              "connect to the same type of daughter boards.";
    const std::string badName = "Project Name must begin with a letter (A-Z or a-z) and hold only "
                                "letters, digits and underscores.";
    auto badPrefix = [](int header) {
        return "Prefix Name of GPIO-" + std::to_string(header) +
               " must begin with a letter (A-Z or a-z) and hold only letters, digits and "
               "underscores.";
    };
    struct Case {
        const char* name;
        std::uint8_t card0;
        const char* prefix0;
        std::uint8_t card1;
        const char* prefix1;
        std::string message; // empty: passes
    };
    const Case cases[] = {
        {"", 0, "", 0, "", "Project Name cannot be empty."},
        {"9abc", 0, "", 0, "", badName},
        {"a-b", 0, "", 0, "", badName},
        {"top[1]", 0, "", 0, "", badName},
        {"Top_1", 1, "a b", 0, "", badPrefix(0)},
        {"Top_1", 0, "", 12, "[x", badPrefix(1)},
        {"Top_1", 12, "", 12, "", clash},
        {"Top_1", 1, "A_", 1, "A_", clash},
        {"Top_1", 1, "", 1, "", ""},
        {"Top_1", 82, "", 82, "", ""},
        {"Top_1", 1, "A_", 1, "B_", ""},
        {"Top_1", 11, "A_", 11, "A_", ""},
        {"Top_1", 12, "gpio_", 12, "GPIO_", ""},
        {"Top_1", 12, "X_", 13, "X_", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.prefix0 + " " + c.prefix1);
        ILMARCH_CONFIG config = Record(5, c.card0, c.prefix0, c.card1, c.prefix1);
        SetIlmarchText(config.ProjectName, c.name);
        std::string message;
        EXPECT_EQ(CheckRecord(Ilmarch(), Span(config), message), c.message.empty());
        EXPECT_EQ(message, c.message);
    }
}
