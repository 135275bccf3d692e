// Message boxes: text, buttons and default from the flags, and the button pressed, in a real box.
#include "modal_helpers.h"
#include "platform/msgbox.h"

#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

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
