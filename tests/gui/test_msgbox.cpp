#include "modal_helpers.h"
#include "platform/msgbox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vesk;

namespace {

class MsgBoxScripted : public ::testing::Test {
protected:
    void SetUp() override { MsgBoxTest::enable(); }
    void TearDown() override { MsgBoxTest::disable(); }
};

class MsgBoxReal : public ::testing::Test {
protected:
    void SetUp() override { MsgBoxTest::disable(); }
    void TearDown() override { EXPECT_EQ(test::DropModalAnswers(), 0) << "a queued answer found no box"; }
};

}  // namespace

TEST(MsgBoxFlags, ButtonSetsAndDefaults)
{
    EXPECT_EQ(MsgBoxButtons(vbOKOnly), QList<int>({vbOK}));
    EXPECT_EQ(MsgBoxButtons(vbOKCancel | vbExclamation), QList<int>({vbOK, vbCancel}));
    EXPECT_EQ(MsgBoxButtons(vbAbortRetryIgnore), QList<int>({vbAbort, vbRetry, vbIgnore}));
    EXPECT_EQ(MsgBoxButtons(vbYesNoCancel | vbQuestion | vbDefaultButton3), QList<int>({vbYes, vbNo, vbCancel}));
    EXPECT_EQ(MsgBoxButtons(vbYesNo | vbCritical), QList<int>({vbYes, vbNo}));
    EXPECT_EQ(MsgBoxButtons(vbRetryCancel | vbInformation), QList<int>({vbRetry, vbCancel}));

    EXPECT_EQ(MsgBoxDefault(vbOKOnly), vbOK);
    EXPECT_EQ(MsgBoxDefault(vbYesNo | vbQuestion), vbYes);
    EXPECT_EQ(MsgBoxDefault(vbYesNo | vbQuestion | vbDefaultButton2), vbNo);
    EXPECT_EQ(MsgBoxDefault(vbAbortRetryIgnore | vbDefaultButton2), vbRetry);
    EXPECT_EQ(MsgBoxDefault(vbYesNoCancel | vbDefaultButton3), vbCancel);
    EXPECT_EQ(MsgBoxDefault(vbOKCancel | vbDefaultButton2), vbCancel);
    // A default beyond the buttons falls back on the first.
    EXPECT_EQ(MsgBoxDefault(vbOKOnly | vbDefaultButton2), vbOK);
    EXPECT_EQ(MsgBoxDefault(vbYesNo | vbDefaultButton3), vbYes);
}

TEST_F(MsgBoxScripted, AnswersInOrderThenDefaultsAndRecordsEveryCall)
{
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
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].text, "Are  you sure you want to exit the program?");
    EXPECT_EQ(shown[0].title, "Confirm Exit");
    EXPECT_EQ(shown[0].buttons, vbYesNo);
    EXPECT_EQ(shown[1].title, "Warning");
    EXPECT_EQ(shown[2].buttons, vbYesNo | vbDefaultButton2);
    EXPECT_EQ(shown[3].text, "Error reading grcurves.bin\r\n");
    EXPECT_TRUE(shown[3].title.isEmpty());

    MsgBoxTest::clear();
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
}

TEST_F(MsgBoxReal, ShowsPlainTextLinesTitleIconAndDefaultThenReturnsButtonPressed)
{
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    test::AnswerNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        format = box->textFormat();
        buttons = box->standardButtons();
        defaultButton = box->standardButton(box->defaultButton());
        EXPECT_TRUE(test::ClickButton(box, "No"));
    });
    const int r = MsgBox("<b>2 errors.</b>\r\nSecond line", vbYesNo | vbQuestion | vbDefaultButton2, "Errors");
    EXPECT_EQ(r, vbNo);
    EXPECT_EQ(text, "<b>2 errors.</b>\nSecond line");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(title, "Errors");
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(defaultButton, QMessageBox::No);
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
