// A combo that follows its consumer keeps the user's pick across unticking
// and reticking, shows its off entry while disabled, and counts only the
// user's picks.

#include "app/RememberedCombo.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace {

struct RememberedComboTest : ::testing::Test {
    RememberedComboTest() {
        combo.addItems({"Unchanged", "Not Use", "100.00", "125.00"});
        remembered.Bind(&combo, 1, [this] { ++picks; });
    }
    QComboBox combo;
    TRememberedCombo remembered;
    int picks = 0;
};

TEST_F(RememberedComboTest, APickSurvivesUntickingAndReticking) {
    remembered.Remember(2);
    remembered.Follow(true);
    EXPECT_TRUE(combo.isEnabled());
    EXPECT_EQ(remembered.Shown(), 2);

    emit combo.activated(3); // the user's pick
    EXPECT_EQ(remembered.Remembered(), 3);
    EXPECT_EQ(picks, 1);

    remembered.Follow(false);
    EXPECT_FALSE(combo.isEnabled());
    EXPECT_EQ(remembered.Shown(), 1);
    EXPECT_FALSE(remembered.IsOn());
    EXPECT_EQ(remembered.Remembered(), 3);

    remembered.Follow(true);
    EXPECT_EQ(remembered.Shown(), 3);
    EXPECT_TRUE(remembered.IsOn());
}

TEST_F(RememberedComboTest, CodeRunsNoHandlerAndAnIndexWithoutItemIsTheOffEntry) {
    combo.setCurrentIndex(0);
    remembered.Remember(2);
    remembered.Follow(true);
    EXPECT_EQ(picks, 0);
    EXPECT_EQ(remembered.Remembered(), 2);

    for (int index : {-1, 4, 1000}) {
        remembered.Remember(index);
        EXPECT_EQ(remembered.Remembered(), 1) << index;
    }
    remembered.Remember(0);
    remembered.Follow(true);
    EXPECT_EQ(remembered.Shown(), 0);
    EXPECT_TRUE(remembered.IsOn()); // "Unchanged" is a choice, not the off entry
}

} // namespace
