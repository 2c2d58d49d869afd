#include "shell/ziffernfilter.h"

#include <gtest/gtest.h>

TEST(ZiffernfilterTest, BackspaceAndTheRangePassEverythingElseIsDropped)
{
    using tasten::ziffernfilter;
    EXPECT_EQ(ziffernfilter(QChar(8)), QChar(8));
    EXPECT_EQ(ziffernfilter(QLatin1Char('5')), QLatin1Char('5'));
    EXPECT_TRUE(ziffernfilter(QLatin1Char('a')).isNull());
    EXPECT_TRUE(ziffernfilter(QLatin1Char(' ')).isNull());
    EXPECT_EQ(ziffernfilter(QLatin1Char('a'), QLatin1Char('0'), QLatin1Char('z')), QLatin1Char('a'));
    EXPECT_TRUE(ziffernfilter(QChar(u'ä'), QLatin1Char('0'), QLatin1Char('z')).isNull());
}
