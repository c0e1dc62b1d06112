#include "model/MainBoard.h"
#include "boards/arria2/KelvaneId.h"

#include <gtest/gtest.h>

namespace {

TConnector* AddGroup(TMainBoard& board, const char* name, ConnectorType type, int cardId,
                     std::vector<const char*> pins) {
    auto* c = board.AddConnector(new TConnector(name, "", type, cardId));
    int position = 1;
    for (const char* n : pins) {
        c->AddPin(new TPin(n, PIN_DIR_INOUT, IOSTD_3V3_LVTTL, position++, false));
    }
    return c;
}

bool Sorted(const TConnector* c) {
    return c->GetPin(0)->GetName() == "A";
}

} // namespace

TEST(TMainBoard, FreshBoard) {
    const TMainBoard board;
    EXPECT_EQ(board.GetConnectorCount(), 0);
    EXPECT_EQ(board.GetFamily(), "");
    EXPECT_EQ(board.GetDevice(), "");
    EXPECT_EQ(board.GetPinCount(), 0);
    EXPECT_EQ(board.GetSpeedGrade(), 0);
    EXPECT_EQ(board.m_pConfigBoard, nullptr);
    EXPECT_EQ(board.m_BoardRecord.Size(), 0u);
    EXPECT_EQ(board.m_BoardRecord.I32(4), 0); // read as a fresh record
}

TEST(TMainBoard, BoardIdAsNumberAndByte) {
    TMainBoard board;
    board.m_BoardId = MAINBOARD_KELVANE;
    EXPECT_EQ(board.GetBoardId(), 100);
    EXPECT_EQ(board.GetBoardIdByte(), MAINBOARD_KELVANE);
}

TEST(TMainBoard, GetExpansionConnector) {
    TMainBoard board;
    auto* first = AddGroup(board, "A", CONNECTOR_GPIO40, -1, {});
    auto* second = AddGroup(board, "B", CONNECTOR_GPIO40, -1, {});
    first->SetConnectorId(CONNECTOR_ID_GPIO_0);
    second->SetConnectorId(CONNECTOR_ID_GPIO_0);
    EXPECT_EQ(board.GetExpansionConnector(CONNECTOR_ID_GPIO_0), nullptr);
    second->SetIsExpansion(true);
    EXPECT_EQ(board.GetExpansionConnector(CONNECTOR_ID_GPIO_0), second);
    EXPECT_EQ(board.GetExpansionConnector(CONNECTOR_ID_GPIO_1), nullptr);
}

TEST(TMainBoard, SortPinsExceptions) {
    TMainBoard board;
    auto* fmcNoCard = AddGroup(board, "F", CONNECTOR_FMC_HPC, -1, {"B", "A"});
    auto* standardCard = AddGroup(board, "S", CONNECTOR_FMC_HPC, 44, {"B", "A"});
    auto* lpcCard = AddGroup(board, "L", CONNECTOR_FMC_LPC, 50, {"B", "A"});
    auto* group = AddGroup(board, "G", CONNECTOR_NONE, -1, {"B", "A"});
    auto* anyTypeStandard = AddGroup(board, "H", CONNECTOR_NONE, 40, {"B", "A"});
    board.SortPins();
    EXPECT_FALSE(Sorted(fmcNoCard));
    EXPECT_FALSE(Sorted(standardCard));
    EXPECT_TRUE(Sorted(lpcCard));
    EXPECT_TRUE(Sorted(group));
    EXPECT_FALSE(Sorted(anyTypeStandard));
}

TEST(TMainBoard, GetHsmcPin) {
    TMainBoard board;
    AddGroup(board, "X", CONNECTOR_NONE, -1, {"x"});
    AddGroup(board, "HA", CONNECTOR_HSMC, -1, {"a1", "a2"});
    AddGroup(board, "HB", CONNECTOR_HSMC, -1, {"b1", "b2"});
    EXPECT_EQ(board.GetHsmcPin(0, 2)->GetName(), "a2");
    EXPECT_EQ(board.GetHsmcPin(1, 1)->GetName(), "b1");
    EXPECT_DEATH(board.GetHsmcPin(1, 3), "Assertion failed");
}

TEST(RecordCopy, LittleEndianFieldsAndTexts) {
    RecordCopy r;
    const unsigned char bytes[16] = {37,  0,   0, 0,   0x9C, 0x01, 0,    0,
                                     'a', 'b', 0, 'z', 0xFF, 0xFF, 0xFF, 0xFF};
    r.CopyFrom(bytes, sizeof bytes);
    EXPECT_EQ(r.U8(0), 37);
    EXPECT_EQ(r.I32(4), 412);
    EXPECT_EQ(r.I32(12), -1);
    EXPECT_EQ(r.Text(8, 4), "ab");
    EXPECT_EQ(r.Text(11, 1), "z"); // no NUL: the field's end
    // The copy has the record's size: a field past it is an internal error.
    EXPECT_EQ(r.Size(), 16u);
    EXPECT_DEATH(r.I32(13), "Assertion failed");
    EXPECT_DEATH(r.SetU8(16, 1), "Assertion failed");
}
