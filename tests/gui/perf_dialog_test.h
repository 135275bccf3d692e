// The fixture of the performance dialogs' window tests: opens a dialog over
// the current support, waits for its first calculation, and reads and works
// its controls by name.
#pragma once

#include "platform/numbox.h"
#include "supports/perfcrib.h"
#include "supports/perfframe.h"
#include "supports/perfpost.h"

#include "program_folder.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <memory>
#include <string>
#include <tuple>

namespace vesk::test {

class PerfDialogTest : public WindowTest {
protected:
    // The dialogs' hooks to their child dialogs are put back as the program
    // has them, whatever a test put in their place.
    void SetUp() override
    {
        WindowTest::SetUp();
        hooks_ = {PerfFrame::OpenHeadFoot, PerfPost::OpenWoodForm, PerfCrib::OpenWoodForm, PerfCrib::OpenDsgnCrib};
    }
    void TearDown() override
    {
        d_.reset();
        std::tie(PerfFrame::OpenHeadFoot, PerfPost::OpenWoodForm, PerfCrib::OpenWoodForm, PerfCrib::OpenDsgnCrib) =
            std::tuple_cat(hooks_);
        WindowTest::TearDown();
    }

    // Opens the dialog and waits until its activation has filled the boxes
    // and calculated.
    template <class Dialog>
    Dialog* open()
    {
        auto* d = new Dialog;
        d_.reset(d);
        d_->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !box("TextSpacing")->text().isEmpty(); }));
        return d;
    }

    NumBox* box(const QString& name) const { return d_->findChild<NumBox*>(name); }
    QString text(const char* name) const { return d_->findChild<QLabel*>(name)->text(); }
    void click(const char* name) const { d_->findChild<QPushButton*>(name)->click(); }
    void enter(const QString& name, const QString& s) const
    {
        box(name)->setText(s);
        box(name)->pressEnter();
    }
    // The warnings list, and the messages shown, one line each.
    std::string warnings() const
    {
        QStringList out;
        auto* list = d_->findChild<QListWidget*>("ListWarn");
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return ss(out.join('\n'));
    }
    static std::string shown() { return ss(messages().join('\n')); }

    std::unique_ptr<PerfFrame> d_;
    using Hook = std::function<void(QWidget*)>;
    std::tuple<Hook, Hook, Hook, Hook> hooks_;
};

}  // namespace vesk::test
