// The fixture of the cost dialogs' window tests: opens a dialog over the
// current support, waits for its first recompute, and reads and works its
// controls by name.
#pragma once

#include "costs/costframe.h"
#include "platform/numbox.h"

#include "modal_helpers.h"
#include "program_folder.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <memory>

namespace vesk::test {

class CostDialogTest : public WindowTest {
protected:
    void TearDown() override
    {
        d_.reset();
        WindowTest::TearDown();
    }

    // Opens the dialog and waits until its activation has recomputed.
    template <class Dialog>
    Dialog* open()
    {
        auto* d = new Dialog;
        d_.reset(d);
        d_->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !text("LbSumCost").isEmpty(); }));
        return d;
    }
    // The same, with the window active so that boxes can take the focus.
    template <class Dialog>
    Dialog* openActive()
    {
        Dialog* d = open<Dialog>();
        d_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d_.get()));
        return d;
    }

    NumBox* box(const QString& name) const { return d_->findChild<NumBox*>(name); }
    QCheckBox* check(const char* name) const { return d_->findChild<QCheckBox*>(name); }
    QPushButton* button(const QString& name) const { return d_->findChild<QPushButton*>(name); }
    QString text(const QString& name) const { return d_->findChild<QLabel*>(name)->text(); }
    QString caption(const QString& name) const { return text(name + "Caption"); }
    QTabWidget* tabs() const { return d_->findChild<QTabWidget*>(); }

    void enter(const QString& name, const QString& s) const
    {
        box(name)->setText(s);
        box(name)->pressEnter();
    }
    // A click on a tab, as the user makes it.
    void clickTab(int i) const
    {
        QTabBar* bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
    }
    // A click on a check box, as the user makes it.
    void clickCheck(const char* name) const
    {
        QCheckBox* c = check(name);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
    }
    // Shows the tab that holds the box ("Cost Models" through "Edit Cost
    // Models"), gives the box the focus and presses Enter in it.
    void focusAndEnter(NumBox* b) const
    {
        for (int i = 0; i < tabs()->count(); ++i) {
            if (!tabs()->widget(i)->isAncestorOf(b))
                continue;
            if (i == kCostModelsTab) {
                clickTab(kCostsTab);
                button("ComEdMat")->click();
            } else {
                clickTab(i);
            }
        }
        b->setFocus(Qt::TabFocusReason);
        b->pressEnter();
    }

    std::unique_ptr<CostFrame> d_;
};

}  // namespace vesk::test
