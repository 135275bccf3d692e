#include "criteria/entryframe.h"

#include "criteria/blockframe.h"
#include "model/criteria/summary.h"
#include "model/globals.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QLabel>

namespace vesk {

EntryFrame::EntryFrame(QWidget* parent, CritRec& copy) : QGroupBox("Entry Dimensions", parent), c_(copy)
{
    setObjectName("Frame5");
    widLabel_ = MakeLabel(this, "Label29", QString());
    htLabel_ = MakeLabel(this, "Label30", QString());
    wid_ = new NumBox(this, "TxWid");
    ht_ = new NumBox(this, "TxHt");
    auto* grid = new QGridLayout(this);
    grid->addWidget(widLabel_, 0, 0);
    grid->addWidget(wid_, 0, 1);
    grid->addWidget(htLabel_, 1, 0);
    grid->addWidget(ht_, 1, 1);
    grid->setColumnStretch(0, 1);
    for (NumBox* box : {wid_, ht_}) {
        box->setMaximumWidth(90);
        const auto entered = [this, box] {
            bool changed = false;
            read(box, &changed);
            if (onEntered)
                onEntered(box, changed);
            SelectAllText(box);
        };
        connect(box, &NumBox::enterPressed, this, entered);
        connect(box, &NumBox::leftBox, this, entered);
    }
    setUnitCaptions();
}

void EntryFrame::setUnitCaptions()
{
    widLabel_->setText(UnitCaption("Width", 11));
    htLabel_->setText(UnitCaption("Height", 6));
}

void EntryFrame::fill()
{
    // A size that cannot be shown leaves its box empty, which reading it reports.
    Guarded([this] { PutMetric(wid_, G.EntryWid, 11); });
    Guarded([this] { PutMetric(ht_, G.EntryHt, 6); });
}

bool EntryFrame::read(NumBox* box, bool* changed)
{
    const bool width = box == wid_;
    const int code = width ? 11 : 6;
    float& working = width ? G.EntryWid : G.EntryHt;
    if (changed)
        *changed = false;
    const auto v = ReadBox(box, code);
    if (!v || *v <= 0 || (width && !HoldsTpfPerWid(c_, *v))) {
        MsgBox(width ? "Invalid entry width" : "Invalid entry height", vbOKOnly, "Error");
        Guarded([&] { PutMetric(box, working, code); });  // empty when the working value cannot be shown
        return false;
    }
    if (*v != working) {
        working = *v;
        (width ? c_.EntryWid : c_.EntryHt) = *v;
        PutMetric(box, *v, code);
        if (changed)
            *changed = true;
    }
    return true;
}

}  // namespace vesk
