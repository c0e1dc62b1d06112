#include "boards/cyclone5/IlmarchId.h"
#include "generator/HtmlGenerator.h"
#include "generator/Pinsmith.h"
#include "generator/SampleModels.h"
#include "platform/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string Row(std::initializer_list<const char*> cells) {
    std::string row = "<tr>\r\n";
    for (const char* cell : cells) {
        row += std::string("   <td align=\"left\">") + cell + "</td>\r\n";
    }
    return row + "</tr>\r\n";
}

} // namespace

TEST(HtmlGenerator, Constructs) {
    THtmlGenerator h;
    h.BeginTable(false, "", "");
    h.BeginTable(true, "Cap", "");
    h.BeginTable(true, "Cap", "right");
    h.AddHeading("T", 3, "");
    h.AddCell("x", "center", false, "");
    h.AddCell("y", "left", true, "Red");
    h.BeginList(true);
    h.EndList(true);
    h.AddAnchor("A", "text");
    EXPECT_EQ(THtmlGenerator::ListItem("L"), "<li>L</li>");
    EXPECT_EQ(h.GetText(), "<table>\r\n"
                           "<table border=\"3\">\r\n<caption>Cap</caption>\r\n"
                           "<table border=\"3\">\r\n<caption  align=\"right\">Cap</caption>\r\n"
                           "<h3>T</h3>\r\n"
                           "   <td align=\"center\">x</td>\r\n"
                           "   <th align=\"left\" bgcolor=\"Red\">y</th>\r\n"
                           "<ol>\r\n</ol>\r\n"
                           "<h2><a name=\"A\"></a>text</h2>");
}

TEST(HtmlReport, ExpansionRowsAndColumns) {
    TMainBoard board;
    sample::SetCycloneV(board, MAINBOARD_ILMARCH);
    sample::ModelBuilder b(board);
    TConnector* plain = b.Group("PLAIN");
    b.Pin(plain, "$KEEP", PIN_DIR_INPUT)->SetLocation("Z1");
    TConnector* empty = b.Group("EMPTY");
    b.Pin(empty, "OFF", PIN_DIR_NONE);

    TConnector* fmc = b.Expansion("FMC", "FMC card", CONNECTOR_FMC_LPC, CONNECTOR_ID_FMC_A, 3);
    fmc->SetAttachedType(CONNECTOR_FMC_LPC);
    const int indexes[] = {83, 399, 401};
    for (int i = 0; i < 3; ++i) {
        TPin* p = fmc->GetPin(i);
        p->SetName("F" + std::to_string(i));
        p->SetDirection(PIN_DIR_OUTPUT);
        p->SetIoStandard(IOSTD_2V5);
        p->SetPinIndex(indexes[i]);
        p->SetLocation("Q" + std::to_string(i));
    }
    fmc->GetPin(2)->SetName("$HIDDEN");

    // A connector of a card type with no card merged: no daughter column.
    TConnector* waiting =
        b.Expansion("GPIO", "GPIO waiting", CONNECTOR_GPIO40, CONNECTOR_ID_GPIO_0, 1);
    waiting->GetPin(0)->SetName("W");
    waiting->GetPin(0)->SetDirection(PIN_DIR_INOUT);
    waiting->GetPin(0)->SetIoStandard(IOSTD_3V3_LVTTL);
    waiting->GetPin(0)->SetPinIndex(7);
    waiting->GetPin(0)->SetLocation("W1");

    const std::string html = TPinsmith::HtmlText(board);
    EXPECT_TRUE(Has(html, "<h1 align=\"center\">Ilmarch Configuration</h1>\r\n"));
    EXPECT_TRUE(Has(html, Row({"$KEEP", "Z1", "input ", "3.3-V LVTTL"})));
    EXPECT_TRUE(Has(html, "<a href=\"#EMPTY\"><li>EMPTY</li></a>\r\n<br />\r\n"));
    EXPECT_TRUE(Has(html, "<h2><a name=\"EMPTY\"></a></h2><table border=\"3\">\r\n"
                          "<caption  align=\"left\">EMPTY</caption>\r\n<br />\r\n<br />\r\n"
                          "<tr>\r\n"
                          "   <th align=\"left\" bgcolor=\"Khaki\">Name</th>\r\n"
                          "   <th align=\"left\" bgcolor=\"Khaki\">Location</th>\r\n"
                          "   <th align=\"left\" bgcolor=\"Khaki\">Direction</th>\r\n"
                          "   <th align=\"left\" bgcolor=\"Khaki\">Standard</th>\r\n"
                          "</tr>\r\n</table>\r\n"));
    EXPECT_TRUE(Has(html, "<caption  align=\"left\">FMC card</caption>"));
    EXPECT_TRUE(
        Has(html, "   <th align=\"left\" bgcolor=\"Khaki\">FMC LPC Pin Index</th>\r\n</tr>"));
    EXPECT_TRUE(Has(html, Row({"F0", "Q0", "output", "2.5 V", "C3"})));
    EXPECT_TRUE(Has(html, Row({"F1", "Q1", "output", "2.5 V", "K39"})));
    EXPECT_TRUE(Has(html, Row({"$HIDDEN", "-", "-", "-", "401"})));
    EXPECT_TRUE(Has(html, "   <th align=\"left\" bgcolor=\"Khaki\">GPIO Pin Index</th>\r\n</tr>"));
    EXPECT_TRUE(Has(html, Row({"W", "W1", "inout ", "3.3-V LVTTL", "7"})));
}

TEST(HtmlReport, SaveCreatesTheFolderChainAndReplacesTheFile) {
    TempDir dir;
    TMainBoard board;
    sample::BuildGroups(board);
    TPinsmith writer;
    const std::string file = dir.File("a/b/c/report.htm");
    EXPECT_TRUE(writer.WriteHtml(board, file));
    std::string text;
    ASSERT_TRUE(platform::ReadWholeFile(file, text));
    EXPECT_EQ(text, TPinsmith::HtmlText(board));
    EXPECT_TRUE(writer.WriteHtml(board, file));
    // A folder that cannot be created fails without a message.
    ASSERT_TRUE(platform::WriteWholeFile(dir.File("plain"), "x").opened);
    EXPECT_FALSE(writer.WriteHtml(board, dir.File("plain/sub/report.htm")));
}
