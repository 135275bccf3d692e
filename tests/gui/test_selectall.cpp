// Text boxes: select on focus and the ANSI-only restriction.
#include "modal_helpers.h"
#include "platform/selectall.h"

#include <QLineEdit>
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

TEST(RestrictToAnsi, RefusesCharactersTheFilesCannotHold)
{
    QLineEdit box;
    RestrictToAnsi(&box);
    // Typing and pasting drop the refused characters and keep the rest.
    test::TypeText(&box, "a漢é€😀");
    EXPECT_EQ(box.text(), "aé€");
    box.insert("漢字");
    EXPECT_EQ(box.text(), "aé€");
}
