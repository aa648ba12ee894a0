#include "editor/TLineGaps.h"

#include <gtest/gtest.h>

namespace {

using Gaps = QList<TLineGap>;

TEST(LineGapsTest, AddingTakesInRunsItTouchesOrMeets)
{
    TLineGaps gaps;
    gaps.add(10, 20, 1);
    gaps.add(30, 40, 2);
    EXPECT_EQ(gaps.gaps(), (Gaps{{10, 20, 1}, {30, 40, 2}}));
    gaps.add(20, 25, 3); // meets the first: the line after it decides
    EXPECT_EQ(gaps.gaps(), (Gaps{{10, 25, 3}, {30, 40, 2}}));
    gaps.add(5, 30, 4); // meets the second, which ends lower
    EXPECT_EQ(gaps.gaps(), (Gaps{{5, 40, 2}}));
    gaps.add(7, 7, 9);
    EXPECT_EQ(gaps.gaps().size(), 1);
    EXPECT_EQ(gaps.find(4), nullptr);
    EXPECT_EQ(gaps.find(39)->first, 5);
    EXPECT_EQ(gaps.find(40), nullptr);
    EXPECT_EQ(gaps.firstOverlapping(0, 5)->end, 40);
    EXPECT_EQ(gaps.firstOverlapping(40, 90), nullptr);
}

TEST(LineGapsTest, StyledLinesSplitTheirRun)
{
    TLineGaps gaps;
    gaps.add(10, 100, 7);
    gaps.markStyled(50, 60, 3);
    EXPECT_EQ(gaps.gaps(), (Gaps{{10, 50, 3}, {60, 100, 7}}));
    gaps.markStyled(10, 11, 0);
    gaps.markStyled(99, 100, 5);
    EXPECT_EQ(gaps.gaps(), (Gaps{{11, 50, 3}, {60, 99, 5}}));
    gaps.markStyled(0, 5, 1); // outside every run
    EXPECT_EQ(gaps.gaps().size(), 2);
}

TEST(LineGapsTest, LineNumbersFollowInsertsAndDeletes)
{
    TLineGaps gaps;
    gaps.add(10, 20, 1);
    gaps.add(30, 40, 2);
    gaps.linesInserted(15, 3); // inside the first run: it grows
    EXPECT_EQ(gaps.gaps(), (Gaps{{10, 23, 1}, {33, 43, 2}}));
    gaps.linesInserted(5, 2);
    EXPECT_EQ(gaps.gaps(), (Gaps{{12, 25, 1}, {35, 45, 2}}));
    // Lines 21..40 join line 20: the runs meet and become one.
    gaps.linesRemoved(20, 20);
    EXPECT_EQ(gaps.gaps(), (Gaps{{12, 25, 2}}));
    gaps.linesRemoved(0, 30);
    EXPECT_TRUE(gaps.isEmpty());
}

TEST(LineGapsTest, TruncateForgetsEverythingBelow)
{
    TLineGaps gaps;
    gaps.add(10, 20, 1);
    gaps.add(30, 40, 2);
    gaps.truncate(35);
    EXPECT_EQ(gaps.gaps(), (Gaps{{10, 20, 1}, {30, 35, 2}}));
    gaps.truncate(10);
    EXPECT_TRUE(gaps.isEmpty());
}

} // namespace
