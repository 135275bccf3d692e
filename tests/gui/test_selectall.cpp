#include "modal_helpers.h"
#include "platform/selectall.h"

#include <QLineEdit>
#include <QTest>
#include <QValidator>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vesk;

TEST(SelectAllText, SelectsFromStartToEnd)
{
    QLineEdit box("12.50");
    box.setCursorPosition(2);
    SelectAllText(&box);
    EXPECT_EQ(box.selectionStart(), 0);
    EXPECT_EQ(box.selectedText(), "12.50");

    QLineEdit empty;
    SelectAllText(&empty);
    EXPECT_FALSE(empty.hasSelectedText());
    SelectAllText(nullptr);
}

TEST(SelectOnFocus, WholeTextIsSelectedAfterAMouseClickGivesFocus)
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* spacing = new QLineEdit("48.0", &form);
    auto* rows = new QLineEdit("2", &form);
    layout->addWidget(spacing);
    layout->addWidget(rows);
    InstallSelectOnFocus(&form);
    // A box added afterwards is not covered.
    auto* later = new QLineEdit("later text", &form);
    layout->addWidget(later);

    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    rows->setFocus();
    // A click into the text would leave only a cursor; the deferred selection wins.
    QTest::mouseClick(spacing, Qt::LeftButton, {}, QPoint(4, spacing->height() / 2));
    ASSERT_TRUE(spacing->hasFocus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return spacing->selectedText() == "48.0"; }, 1000));

    // Tab-like focus changes by the program select as well.
    rows->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows->selectedText() == "2"; }, 1000));

    QTest::mouseClick(later, Qt::LeftButton, {}, QPoint(4, later->height() / 2));
    QTest::qWait(20);
    EXPECT_TRUE(later->hasFocus());
    EXPECT_FALSE(later->hasSelectedText());
}

TEST(RestrictToAnsi, RefusesCharactersTheFilesCannotHold)
{
    QLineEdit box;
    RestrictToAnsi(&box);
    const QValidator* v = box.validator();
    ASSERT_NE(v, nullptr);
    int pos = 0;
    QString text = "漢";
    EXPECT_EQ(v->validate(text, pos), QValidator::Invalid);
    text = "Crib é €5 ½";
    EXPECT_EQ(v->validate(text, pos), QValidator::Acceptable);
    text = "";
    EXPECT_EQ(v->validate(text, pos), QValidator::Acceptable);

    // Typing drops the refused character and keeps the rest.
    test::TypeText(&box, "a漢é€😀");
    EXPECT_EQ(box.text(), "aé€");
    // So does pasting.
    box.insert("漢字");
    EXPECT_EQ(box.text(), "aé€");
}
