// Text boxes: select on focus and the name boxes' limits.
#include "modal_helpers.h"
#include "platform/selectall.h"

#include <QLineEdit>
#include <QToolTip>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace vesk;

TEST(SelectOnFocus, WholeTextIsSelectedAfterAMouseClickGivesFocus)
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* spacing = new QLineEdit("48.0", &form);
    auto* rows = new QLineEdit("2", &form);
    layout->addWidget(spacing);
    layout->addWidget(rows);
    InstallSelectOnFocus(&form);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    rows->setFocus();
    // A click into the text would leave only a cursor; the deferred selection wins.
    QTest::mouseClick(spacing, Qt::LeftButton, {}, QPoint(4, spacing->height() / 2));
    ASSERT_TRUE(spacing->hasFocus());
    EXPECT_TRUE(QTest::qWaitFor([&] { return spacing->selectedText() == "48.0"; }, 1000));
    rows->setFocus(Qt::OtherFocusReason);  // focus changes by the program select as well
    EXPECT_TRUE(QTest::qWaitFor([&] { return rows->selectedText() == "2"; }, 1000));
}

TEST(RestrictToFileField, RefusesCharactersTheFilesCannotHoldWithAHintAndStopsAtTheFieldLength)
{
    QLineEdit box;
    RestrictToFileField(&box, 5);
    box.show();
    test::TypeText(&box, "aé€");
    EXPECT_FALSE(QToolTip::isVisible());
    // Typing and pasting refuse the characters and say why; the rest stays.
    test::TypeText(&box, "漢😀");
    EXPECT_EQ(box.text(), "aé€");
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), kAnsiOnlyHint);
    test::TypeText(&box, "xyz");
    EXPECT_EQ(box.text(), "aé€xy");
}
