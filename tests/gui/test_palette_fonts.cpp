// The console colours and the installed faces.
#include "platform/fonts.h"
#include "platform/palette.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace vesk;

TEST(PaletteAndFonts, ConsoleColoursAndInstalledFaces)
{
    EXPECT_EQ(QBColor(7), QColor(192, 192, 192));
    EXPECT_EQ(QBColor(8), QColor(128, 128, 128));
    EXPECT_EQ(QBColor(9), QColor(0, 0, 255));
    EXPECT_EQ(QBColor(16), QColor(0, 0, 0));  // out of range: black
    EXPECT_EQ(QBColor(-1), QColor(0, 0, 0));
    const QFont serif = SerifFont(12);
    EXPECT_DOUBLE_EQ(serif.pointSizeF(), 12.0);
    EXPECT_EQ(QFontInfo(serif).family(), "Liberation Serif");
    EXPECT_EQ(serif.styleHint(), QFont::Serif);
    const QFont sans = SansFont(8.25);
    EXPECT_DOUBLE_EQ(sans.pointSizeF(), 8.25);
    EXPECT_EQ(QFontInfo(sans).family(), "DejaVu Sans");
}
