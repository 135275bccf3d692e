// A project of one support of every shipped type, cable bolts included, each
// added as the information center adds it and designed and costed through its
// own performance and cost dialogs from the support list, as a user would.
#pragma once

#include "files/modelfile.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "shell/mainform.h"
#include "shell/steps.h"
#include "shell/supportdialogs.h"

#include "modal_helpers.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vesk::test {

// Presses "Ok" (or another button) on the next modal window of this name once
// it is up; a window of another name in between (the support list, between
// the two dialogs of a support) is left alone.
inline void OkWhenShown(const std::string& name, int* pressed = nullptr, const QString& button = "Ok")
{
    auto* watch = new QTimer(QCoreApplication::instance());
    watch->setInterval(5);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, name, pressed, button] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w->objectName().toStdString() != name)
            return;
        watch->stop();
        watch->deleteLater();
        if (pressed)
            ++*pressed;
        QTimer::singleShot(0, w, [w, button] { ClickButton(w, button); });
    });
    watch->start();
}

// Runs `action` once on the modal window of this name as soon as `ready`
// holds for it.
inline void WhenModal(const std::string& name, std::function<bool(QWidget*)> ready, std::function<void(QWidget*)> action)
{
    auto* watch = new QTimer(QCoreApplication::instance());
    watch->setInterval(5);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, name, ready, action] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w->objectName().toStdString() != name || !ready(w))
            return;
        watch->stop();
        watch->deleteLater();
        QTimer::singleShot(0, w, [w, action] { action(w); });
    });
    watch->start();
}

// Adds one support of each shipped type (the main window loaded, its timer
// stopped) and returns the types in order.
inline std::vector<int16_t> AddEveryShippedType()
{
    std::vector<int16_t> types;
    for (int16_t t = 1; t <= G.NumTypes && G.NumCases < kMaxCases; ++t) {
        const int n = AppendSupport(t, "Support " + std::to_string(t));
        EXPECT_GT(n, 0);
        if (t >= 7) {
            G.CurCaseNo = static_cast<int16_t>(n);
            EXPECT_TRUE(LoadModelFile(t)) << t;
        }
        types.push_back(t);
    }
    return types;
}

// The support list as the main window's step opens it: each support's
// "&Design && Costs" shows its performance dialog and then its cost dialog,
// pressing "Ok" on both. `counts` gets ChangeCount after each support.
inline void DesignEachSupport(QWidget* list, std::vector<int16_t>* counts = nullptr)
{
    auto* rows = list->findChild<QTreeWidget*>("ListView1");
    for (int i = 0; i < G.NumCases; ++i) {
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(rows->topLevelItem(i)).center());
        const int type = G.CaseType[static_cast<std::size_t>(i + 1)];
        EXPECT_TRUE(HasCostDialog(type)) << type;
        OkWhenShown(PerformanceDialogName(FamilyOfType(type)));
        OkWhenShown(CostDialogName(FamilyOfType(type)));
        list->findChild<QPushButton*>("ComDesign")->click();
        if (counts)
            counts->push_back(G.ChangeCount);
    }
    ClickButton(list, "Main Menu");
}

// Every shipped type added and designed from the main window's support step.
inline std::vector<int16_t> DesignEveryShippedType(MainForm& main)
{
    const std::vector<int16_t> types = AddEveryShippedType();
    InstallStepOpeners();
    G.NextStep = StepSupports;
    AnswerNextModal([](QWidget* list) { DesignEachSupport(list); });
    main.timerTick();
    return types;
}

}  // namespace vesk::test
