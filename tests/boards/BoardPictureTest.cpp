// The picture tables of the boards whose pictures are drawn from one: every
// part inside its picture, one part per outline name, and the embedded
// picture of the table's size, which the board selector shows as well.

#include "boards/BoardPicture.h"
#include "boards/Boards.h"
#include "boards/cyclone5/IlmarchId.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace {

std::uint32_t BigEndian32(const unsigned char* d) {
    return static_cast<std::uint32_t>(d[0]) << 24 | static_cast<std::uint32_t>(d[1]) << 16 |
           static_cast<std::uint32_t>(d[2]) << 8 | static_cast<std::uint32_t>(d[3]);
}

TEST(BoardPictures, RectanglesInsideAPictureOfTheTablesSize) {
    ASSERT_FALSE(BoardPictures().empty());
    std::set<BoardId> boards;
    for (const BoardPicture* picture : BoardPictures()) {
        SCOPED_TRACE(picture->resource);
        EXPECT_TRUE(boards.insert(picture->board).second) << "listed twice";
        EXPECT_EQ(FindBoardPicture(picture->board), picture);
        // The selector shows the table's picture, unless it shows another
        // board's picture for this board; then the form has its own.
        const std::string selector = FindBoard(picture->board)->selectorPicture;
        if (selector != picture->resource) {
            bool shared = false;
            for (const BoardDef* other : AllBoards()) {
                shared = shared || (other->id < picture->board && other->selectorPicture &&
                                    selector == other->selectorPicture);
            }
            EXPECT_TRUE(shared) << selector;
        }
        std::set<std::string> outlines;
        for (const PicturePart& part : picture->parts) {
            SCOPED_TRACE(part.label);
            EXPECT_GE(part.x, 0);
            EXPECT_GE(part.y, 0);
            EXPECT_GT(part.width, 0);
            EXPECT_GT(part.height, 0);
            EXPECT_LE(part.x + part.width, picture->width);
            EXPECT_LE(part.y + part.height, picture->height);
            if (part.outline) {
                EXPECT_TRUE(outlines.insert(part.outline).second);
                EXPECT_EQ(FindPicturePart(*picture, part.outline), &part);
            }
        }
        // The two-header boards outline both headers, the boards with a
        // GPIO header and an HSMC connector both of them.
        const BoardDef& def = *FindBoard(picture->board);
        const bool gpioAndHsmc = def.ports.size() == 2 && def.ports[0].family == PortFamily::Gpio &&
                                 def.ports[1].family == PortFamily::Hsmc;
        if (gpioAndHsmc) {
            EXPECT_TRUE(outlines.count("ShapeGpio") && outlines.count("ShapeHSMC"));
        } else if (def.pair.IsSet() && def.ports.size() == 2) {
            EXPECT_TRUE(outlines.count("ShapeGpio0") && outlines.count("ShapeGpio1"));
        }

        const auto png = platform::FindResource(picture->resource);
        ASSERT_TRUE(png.has_value());
        ASSERT_GT(png->size(), 24u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(png->data()) + 1, 3), "PNG");
        EXPECT_EQ(BigEndian32(png->data() + 16), static_cast<std::uint32_t>(picture->width));
        EXPECT_EQ(BigEndian32(png->data() + 20), static_cast<std::uint32_t>(picture->height));
        EXPECT_TRUE(platform::FindResource(picture->badge).has_value());
    }
    EXPECT_TRUE(platform::FindResource(kMakerLogoPicture).has_value());
    EXPECT_EQ(FindBoardPicture(MAINBOARD_ILMARCH), nullptr);
}

} // namespace
