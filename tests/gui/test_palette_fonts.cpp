#include "platform/fonts.h"
#include "platform/palette.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace vesk;

TEST(QBColor, StandardConsoleColours)
{
    EXPECT_EQ(QBColor(0), QColor(0, 0, 0));
    EXPECT_EQ(QBColor(1), QColor(0, 0, 128));
    EXPECT_EQ(QBColor(6), QColor(128, 128, 0));
    EXPECT_EQ(QBColor(7), QColor(192, 192, 192));
    EXPECT_EQ(QBColor(8), QColor(128, 128, 128));
    EXPECT_EQ(QBColor(9), QColor(0, 0, 255));
    EXPECT_EQ(QBColor(10), QColor(0, 255, 0));
    EXPECT_EQ(QBColor(12), QColor(255, 0, 0));
    EXPECT_EQ(QBColor(14), QColor(255, 255, 0));
    EXPECT_EQ(QBColor(15), QColor(255, 255, 255));
    EXPECT_EQ(QBColor(-1), QColor(0, 0, 0));
    EXPECT_EQ(QBColor(16), QColor(0, 0, 0));
}

TEST(Fonts, FacesAreInstalledAndSized)
{
    const QFont serif = SerifFont(12);
    EXPECT_DOUBLE_EQ(serif.pointSizeF(), 12.0);
    EXPECT_EQ(QFontInfo(serif).family(), "Liberation Serif");
    const QFont sans = SansFont(8.25);
    EXPECT_DOUBLE_EQ(sans.pointSizeF(), 8.25);
    EXPECT_EQ(QFontInfo(sans).family(), "DejaVu Sans");
    EXPECT_EQ(SerifFont(10).styleHint(), QFont::Serif);
}
