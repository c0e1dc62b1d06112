// A port whose card id the record keeps as an i32: read and written at full
// width, and a stored value that is no card of the list mended to None.

#include "boards/BoardRules.h"
#include "boards/cyclone5/IlmarchId.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::size_t kSize = 280;
constexpr std::size_t kCard = 140;
constexpr std::size_t kPrefix = 144;

constexpr BoardCardPort kPorts[] = {
    WithI32CardField({"GPIO", PortFamily::Gpio, config::CardListRule::Holder, CONNECTOR_GPIO40,
                      false, VOLTAGE_3V3, kCard, kPrefix, CONNECTOR_ID_GPIO_0, IOSTD_3V3_LVTTL}),
};

BoardDef TestBoard() {
    BoardDef def;
    def.id = MAINBOARD_ILMARCH;
    def.record.size = kSize;
    def.ports = kPorts;
    return def;
}

std::vector<std::uint8_t> WithStored(std::uint32_t value) {
    std::vector<std::uint8_t> record(kSize);
    for (std::size_t i = 0; i < 4; ++i) {
        record[kCard + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    SetRecordFieldText(record, kPrefix, "P_");
    return record;
}

std::vector<std::uint8_t> FieldBytes(const std::vector<std::uint8_t>& record) {
    return {record.begin() + kCard, record.begin() + kCard + 4};
}

TEST(CardField, I32CardIdIsMendedAtFullWidth) {
    const BoardDef def = TestBoard();
    const std::uint8_t listed = PortCardList(kPorts[0]).at(1);
    struct Case {
        std::uint32_t stored;
        std::uint8_t card; // after mending
    };
    const Case cases[] = {
        {listed, listed},                   // a listed card stays, prefix too
        {0x100u + listed, 0},               // its low byte alone would be listed
        {0xFFFFFFFFu, 0},                   // -1
        {CardNumber(CARD_HSMC_DEFAULT), 0}, // a card this list does not offer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        std::vector<std::uint8_t> record = WithStored(c.stored);
        MendRecord(def, record);
        EXPECT_EQ(FieldBytes(record), (std::vector<std::uint8_t>{c.card, 0, 0, 0}));
        EXPECT_EQ(RecordFieldText(record, kPrefix), c.card != 0 ? "P_" : "");
    }
}

TEST(CardField, I32CardIdIsWrittenOverEveryByte) {
    std::vector<std::uint8_t> record = WithStored(0xFFFFFFFFu);
    EXPECT_EQ(RecordPortCard(record, kPorts[0]), kUnlistedCard);
    SetRecordPortCard(record, kPorts[0], MakeCardId(7));
    EXPECT_EQ(FieldBytes(record), (std::vector<std::uint8_t>{7, 0, 0, 0}));
    EXPECT_EQ(RecordPortCard(record, kPorts[0]), MakeCardId(7));
}

} // namespace
