#include "criteria/edcurves.h"

#include "criteria/edpoints.h"
#include "model/criteria/curvelib.h"
#include "model/globals.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "files/curvefile.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk {

namespace {

QString listName(const CurveRec& c) { return qs(TrimTrailingBlanks(c.Name)); }

bool validRow(int row) { return row >= 0 && row < G.NumCurves && row + 1 < static_cast<int>(G.GRCurves.size()); }

CurveRec& curveAtRow(int row) { return G.GRCurves[static_cast<std::size_t>(row + 1)]; }

}  // namespace

EdCurves::EdCurves(QWidget* parent) : QDialog(parent)
{
    setObjectName("EdCurves");
    setWindowTitle("Ground Reacton Curves");

    openedSel_ = G.CurveSel;
    openedCurves_ = G.GRCurves;
    openedNum_ = G.NumCurves;
    openedNextId_ = G.NextCurveId;
    openedWork_ = G.WorkCurve;

    auto* frame = new QGroupBox("Defined curves", this);
    frame->setObjectName("Frame1");
    list_ = new QListWidget(frame);
    list_->setObjectName("ListCurves");
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumSize(280, 220);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(list_);

    txName_ = new QLineEdit(this);
    txName_->setObjectName("TxName");
    txName_->setMaxLength(static_cast<int>(CurveRec::NameLen));
    RestrictToFileField(txName_, static_cast<int>(CurveRec::NameLen));
    auto* nameLabel = MakeLabel(this, "Label1", "Curve name");
    nameLabel->setBuddy(txName_);

    auto* add = MakeButton(this, "ComAddCurve", "Add");
    auto* dup = MakeButton(this, "ComDup", "Duplicate");
    auto* edit = MakeButton(this, "ComEdit", "Edit");
    auto* del = MakeButton(this, "ComDelCurve", "Delete");
    auto* rename = MakeButton(this, "ComUpCurve", "Rename");
    auto* ok = MakeButton(this, "ComDone", "&Ok");
    auto* cancel = MakeButton(this, "ComCancel", "&Cancel");
    auto* help = MakeButton(this, "ComHelp", "&Help");

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {add, dup, edit, del, rename})
        side->addWidget(b);
    side->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(frame, 1);
    top->addLayout(side);
    auto* name = new QHBoxLayout;
    name->addWidget(nameLabel);
    name->addWidget(txName_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    bottom->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(name);
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &EdCurves::addCurve);
    connect(dup, &QPushButton::clicked, this, &EdCurves::duplicateCurve);
    connect(edit, &QPushButton::clicked, this, &EdCurves::editCurve);
    connect(del, &QPushButton::clicked, this, &EdCurves::deleteCurve);
    connect(rename, &QPushButton::clicked, this, &EdCurves::renameCurve);
    connect(txName_, &QLineEdit::returnPressed, this, &EdCurves::renameCurve);
    connect(ok, &QPushButton::clicked, this, &EdCurves::accept);
    connect(cancel, &QPushButton::clicked, this, &EdCurves::reject);
    connect(help, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);
    InstallSelectOnFocus(this);

    for (int row = 0; validRow(row); ++row)
        list_->addItem(listName(curveAtRow(row)));
    if (validRow(G.CurveSel))
        selectRow(G.CurveSel);
    connect(list_, &QListWidget::currentRowChanged, this, &EdCurves::listClick);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { listClick(list_->row(item)); });
}

void EdCurves::listClick(int row)
{
    if (!validRow(row))
        return;
    G.CurveSel = static_cast<int16_t>(row);
    txName_->setText(listName(curveAtRow(row)));
}

void EdCurves::selectRow(int row)
{
    {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(row);
    }
    listClick(row);
}

bool EdCurves::libraryFull() const
{
    if (G.NumCurves < G.MaxCurves)
        return false;
    MsgBox("Maximum of " + QString::number(G.MaxCurves) + " curves", vbOKOnly, "Attention");
    return true;
}

void EdCurves::addCurve()
{
    if (libraryFull())
        return;
    FreeCurveId();
    NewWorkCurve();
    {
        EdPoints points(this);
        points.exec();
    }
    if (G.WorkCurve.NumPts < 2)
        return;
    const int k = AppendCurve(G.WorkCurve);
    list_->addItem(listName(G.WorkCurve));
    selectRow(k - 1);
}

void EdCurves::duplicateCurve()
{
    if (libraryFull())
        return;
    FreeCurveId();
    const int row = list_->currentRow();
    if (!validRow(row))
        return;
    const int k = DuplicateCurve(row + 1, ss(txName_->text()));
    list_->addItem(listName(G.GRCurves[static_cast<std::size_t>(k)]));
    selectRow(k - 1);
}

void EdCurves::renameCurve()
{
    G.CurveSel = static_cast<int16_t>(list_->currentRow());
    if (!validRow(G.CurveSel))
        return;
    curveAtRow(G.CurveSel).Name = CurveName(ss(txName_->text()));
    list_->item(G.CurveSel)->setText(txName_->text());
}

void EdCurves::deleteCurve()
{
    const int row = list_->currentRow();
    if (!validRow(row))
        return;
    if (MsgBox("Are you sure you want to delete curve " + listName(curveAtRow(row)) + "?", vbYesNo | vbQuestion,
               "Confirm delete") != vbYes)
        return;
    DeleteCurve(row + 1);
    {
        const QSignalBlocker block(list_);
        delete list_->takeItem(row);
    }
    if (G.NumCurves > 0)
        selectRow(std::min(row, G.NumCurves - 1));
}

void EdCurves::editCurve()
{
    const int row = G.CurveSel;
    if (!validRow(row))
        return;
    G.WorkCurve = curveAtRow(row);
    {
        EdPoints points(this);
        points.exec();
    }
    if (G.WorkCurve.NumPts < 2)
        return;
    curveAtRow(row) = G.WorkCurve;
    // The point editor may have renamed the curve.
    list_->item(row)->setText(listName(G.WorkCurve));
    selectRow(row);
}

void EdCurves::accept()
{
    G.CurveSel = static_cast<int16_t>(list_->currentRow());
    const FileCommandResult r = SaveCurves(CurveFilePath());
    if (!r.ok())
        MsgBox(qs(r.message), vbOKOnly, qs(r.title));
    QDialog::accept();
}

void EdCurves::reject()
{
    G.CurveSel = openedSel_;
    G.GRCurves = openedCurves_;
    G.NumCurves = openedNum_;
    G.NextCurveId = openedNextId_;
    G.WorkCurve = openedWork_;
    QDialog::reject();
}

}  // namespace vesk
