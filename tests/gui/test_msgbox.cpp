// Message boxes: buttons and defaults from the flags, the scripted queue, and the real box.
#include "modal_helpers.h"
#include "platform/msgbox.h"

#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vesk;

TEST(MsgBoxFlags, ButtonSetsAndDefaults)
{
    const std::pair<int, QList<int>> sets[] = {
        {vbOKOnly, {vbOK}},
        {vbOKCancel | vbExclamation, {vbOK, vbCancel}},
        {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}},
        {vbYesNoCancel | vbQuestion | vbDefaultButton3, {vbYes, vbNo, vbCancel}},
        {vbYesNo | vbCritical, {vbYes, vbNo}},
        {vbRetryCancel | vbInformation, {vbRetry, vbCancel}},
    };
    for (const auto& [flags, buttons] : sets)
        EXPECT_EQ(MsgBoxButtons(flags), buttons) << flags;
    // The default button; one beyond the buttons falls back on the first.
    for (auto [flags, button] : {std::pair{vbOKOnly, vbOK}, {vbYesNo | vbQuestion, vbYes},
                                 {vbYesNo | vbQuestion | vbDefaultButton2, vbNo},
                                 {vbAbortRetryIgnore | vbDefaultButton2, vbRetry},
                                 {vbYesNoCancel | vbDefaultButton3, vbCancel},
                                 {vbOKCancel | vbDefaultButton2, vbCancel}, {vbOKOnly | vbDefaultButton2, vbOK},
                                 {vbYesNo | vbDefaultButton3, vbYes}})
        EXPECT_EQ(MsgBoxDefault(flags), button) << flags;
}

TEST(MsgBoxScripted, AnswersInOrderThenDefaultsAndRecordsEveryCall)
{
    MsgBoxTest::enable();
    MsgBoxTest::queue(vbNo);
    MsgBoxTest::queue(vbCancel);
    EXPECT_EQ(MsgBoxTest::pending(), 2);
    EXPECT_EQ(MsgBox("Are  you sure you want to exit the program?", vbYesNo, "Confirm Exit"), vbNo);
    EXPECT_EQ(MsgBox("Existing support definitions will be lost. Continue?", vbOKCancel, "Warning"), vbCancel);
    EXPECT_EQ(MsgBoxTest::pending(), 0);
    // Queue empty: the default button answers.
    EXPECT_EQ(MsgBox("Delete?", vbYesNo | vbDefaultButton2, "Confirm delete"), vbNo);
    EXPECT_EQ(MsgBox("Error reading grcurves.bin\r\n"), vbOK);

    const QList<MsgBoxRecord> shown = MsgBoxTest::shown();
    MsgBoxTest::clear();
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
    MsgBoxTest::disable();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].text, "Are  you sure you want to exit the program?");
    EXPECT_EQ(shown[0].title, "Confirm Exit");
    EXPECT_EQ(shown[0].buttons, vbYesNo);
    EXPECT_EQ(shown[1].title, "Warning");
    EXPECT_EQ(shown[2].buttons, vbYesNo | vbDefaultButton2);
    EXPECT_EQ(shown[3].text, "Error reading grcurves.bin\r\n");
    EXPECT_TRUE(shown[3].title.isEmpty());
}

class MsgBoxReal : public ::testing::Test {
protected:
    void SetUp() override { MsgBoxTest::disable(); }
    void TearDown() override { EXPECT_EQ(test::DropModalAnswers(), 0) << "a queued answer found no box"; }
};

TEST_F(MsgBoxReal, ShowsPlainTextLinesTitleIconAndDefaultThenReturnsButtonPressed)
{
    bool shown = false;
    test::AnswerNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        shown = true;
        EXPECT_EQ(box->text(), "<b>2 errors.</b>\nSecond line");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->windowTitle(), "Errors");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
        EXPECT_TRUE(test::ClickButton(box, "No"));
    });
    EXPECT_EQ(MsgBox("<b>2 errors.</b>\r\nSecond line", vbYesNo | vbQuestion | vbDefaultButton2, "Errors"), vbNo);
    EXPECT_TRUE(shown);
}

TEST_F(MsgBoxReal, KeysPressDefaultAndEscapeButtons)
{
    test::AnswerNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
    EXPECT_EQ(MsgBox("Retry?", vbAbortRetryIgnore | vbCritical | vbDefaultButton2, "Attention"), vbRetry);
    test::AnswerNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(MsgBox("Lose changes?", vbOKCancel | vbExclamation, "Warning"), vbCancel);
    QString title;
    test::AnswerNextModal([&](QWidget* w) {
        title = w->windowTitle();
        QTest::keyClick(w, Qt::Key_Return);
    });
    EXPECT_EQ(MsgBox("Select support, then press Save."), vbOK);
    EXPECT_EQ(title, QCoreApplication::applicationName());
}
