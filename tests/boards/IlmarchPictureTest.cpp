#include "platform/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

// The board picture the Ilmarch form and the board selector show: a PNG of
// 400 x 197 pixels, so the outlines of the form sit on its parts.
TEST(IlmarchPicture, EmbeddedPngOfTheFormSize) {
    const auto picture = platform::FindResource("ilmarch_bitmap");
    ASSERT_TRUE(picture.has_value());
    ASSERT_GT(picture->size(), 24u);
    const unsigned char* d = picture->data();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(d) + 1, 3), "PNG");
    auto be32 = [&](int at) {
        return static_cast<std::uint32_t>(d[at]) << 24 |
               static_cast<std::uint32_t>(d[at + 1]) << 16 |
               static_cast<std::uint32_t>(d[at + 2]) << 8 | static_cast<std::uint32_t>(d[at + 3]);
    };
    EXPECT_EQ(be32(16), 400u);
    EXPECT_EQ(be32(20), 197u);
}
