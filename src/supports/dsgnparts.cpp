#include "supports/dsgnparts.h"

#include "model/units.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/numbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vesk {

CaptionFrame::CaptionFrame(QWidget* parent, const char* name, const QString& title)
    : box(new QGroupBox(title, parent)), grid(new QGridLayout(box))
{
    box->setObjectName(name);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
}

void CaptionFrame::addRow(const char* labelName, const QString& caption, QWidget* value)
{
    const int row = grid->rowCount();
    grid->addWidget(MakeLabel(box, labelName, caption), row, 0);
    grid->addWidget(value, row, 1);
}

NumBox* CaptionFrame::addBox(const char* labelName, const QString& caption, const char* boxName, Select order,
                             std::function<void()> search)
{
    auto* b = new NumBox(box, boxName);
    FitWidthToTexts(b, {"000000.00"});
    b->setAlignment(Qt::AlignRight);
    QObject::connect(b, &NumBox::enterPressed, box, [b, order, search] {
        if (order == Select::BeforeSearch)
            SelectAllText(b);
        search();
        if (order == Select::AfterSearch)
            SelectAllText(b);
    });
    QObject::connect(b, &NumBox::leftBox, box, search);
    addRow(labelName, caption, b);
    return b;
}

QLabel* CaptionFrame::addPanel(const char* labelName, const QString& caption, const char* panelName)
{
    QLabel* p = MakePanel(box, panelName);
    p->setMinimumWidth(120);
    addRow(labelName, caption, p);
    return p;
}

void ShowMetric(QLabel* panel, double v, int code) { panel->setText(qs(FormatMetric(v, code))); }

void ArrangeDsgnForm(QDialog* dialog, const CaptionFrame& specs, const CaptionFrame& criteria,
                     const CaptionFrame& results, int helpContext, std::function<void()> ok)
{
    auto* comDone = MakeButton(dialog, "ComDone", "&Ok");
    auto* comCancel = MakeButton(dialog, "ComCancel", "&Cancel");
    auto* comHelp = MakeButton(dialog, "ComHelp", "&Help");
    QObject::connect(comDone, &QPushButton::clicked, dialog, std::move(ok));
    QObject::connect(comCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(comHelp, &QPushButton::clicked, dialog, [helpContext] { ShowHelp(helpContext); });
    InstallHelpKey(dialog, helpContext);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone);
    buttons->addWidget(comCancel);
    buttons->addWidget(comHelp);
    // Frames taller than their rows keep the rows together at the top.
    for (const CaptionFrame* f : {&specs, &criteria, &results})
        f->grid->setRowStretch(f->grid->rowCount(), 1);
    auto* layout = new QGridLayout(dialog);
    layout->addWidget(specs.box, 0, 0);
    layout->addWidget(criteria.box, 1, 0);
    layout->addWidget(results.box, 0, 1, 2, 1);
    layout->setRowStretch(2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setHorizontalSpacing(12);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vesk
