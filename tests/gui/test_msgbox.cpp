// Message boxes: text, buttons and default from the flags, and the button pressed, in a real box.
#include "modal_helpers.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>

using namespace vesk;

class MsgBoxReal : public ::testing::Test {
protected:
    void SetUp() override { MsgBoxTest::disable(); }
    void TearDown() override { EXPECT_EQ(test::DropModalAnswers(), 0) << "a queued answer found no box"; }
};

TEST_F(MsgBoxReal, ShowsPlainTextLinesAndTheDefaultThenReturnsTheButtonPressed)
{
    bool shown = false;
    test::AnswerNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        shown = true;
        EXPECT_EQ(box->text(), "<b>2 errors.</b>\nSecond line");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
        EXPECT_TRUE(test::ClickButton(box, "No"));
    });
    EXPECT_EQ(MsgBox("<b>2 errors.</b>\r\nSecond line", vbYesNo | vbQuestion | vbDefaultButton2, "Errors"), vbNo);
    EXPECT_TRUE(shown);
}

// A box is wide enough for its title in a window manager's title bar (a bold
// face, with the bar's icon and buttons beside it), and never wider than the
// screen; its text keeps its room.
TEST_F(MsgBoxReal, IsWideEnoughForItsTitle)
{
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    const QFontMetrics fm(bold);
    const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
    const QString titles[] = {"Errors", "Input error", "Attention", QString(200, 'W')};
    for (const QString& title : titles) {
        int width = 0;
        bool textWhole = false;
        test::AnswerNextModal([&](QWidget* w) {
            width = w->width();
            const auto* label = w->findChild<QLabel*>("qt_msgbox_label");
            textWhole = label && label->width() >= label->minimumSizeHint().width();
            EXPECT_TRUE(test::ClickButton(w, "OK"));
        });
        MsgBox("1 errors.", vbOKOnly, title);
        // An icon and three buttons of at least 20 pixels on either side.
        EXPECT_GE(width, std::min(fm.horizontalAdvance(title) + 120, screen)) << title.toStdString();
        EXPECT_LE(width, screen) << title.toStdString();
        EXPECT_TRUE(textWhole) << title.toStdString();
    }
}
