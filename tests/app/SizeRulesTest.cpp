#include "app/SizeRules.h"

#include <gtest/gtest.h>

TEST(SizeRules, WindowIsNeverSmallerThan800By580) {
    EXPECT_EQ(sizerules::windowSize({800, 568}), QSize(800, 580));
    EXPECT_EQ(sizerules::windowSize({640, 900}), QSize(800, 900));
    EXPECT_EQ(sizerules::windowSize({1280, 800}), QSize(1280, 800));
}

TEST(SizeRules, TheWindowNeverOutgrowsASmallOrScaledScreen) {
    // 1920 x 1080 scaled twice, less a panel: 960 x 510 to place windows on.
    EXPECT_EQ(sizerules::minimumWindow(QSize(960, 510)), QSize(800, 510));
    EXPECT_EQ(sizerules::windowSize(QSize(700, 500), QSize(960, 510)), QSize(800, 510));
    EXPECT_EQ(sizerules::windowSize(QSize(700, 500), QSize(1920, 1050)), QSize(800, 580));
    EXPECT_EQ(sizerules::minimumWindow(QSize()), QSize(800, 580)) << "no screen known";
}

TEST(SizeRules, SlotBoxesDropTheFraction) {
    const auto boxes = sizerules::slotBoxes({606, 342});
    EXPECT_EQ(boxes.rowHeight, 100);
    EXPECT_EQ(boxes.leftWidth, 300);
    EXPECT_EQ(sizerules::slotBoxes({607, 343}).rowHeight, 101);
    EXPECT_EQ(sizerules::slotBoxes({608, 344}).leftWidth, 301);
    EXPECT_EQ(sizerules::slotBoxes({3, 39}).rowHeight, 0) << "toward zero";
    EXPECT_EQ(sizerules::mealListHeight(500), 282);
}
