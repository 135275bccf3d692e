#include "shell/editcases.h"

#include "shell/forminfo.h"
#include "model/globals.h"
#include "model/supportedit.h"
#include "model/supportlist.h"
#include "platform/filedialogs.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/reportlist.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "files/supportfile.h"
#include "files/typedata.h"
#include "shell/steps.h"
#include "shell/supportdialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vesk {

namespace {

constexpr const char* kAddFailedText = "Error reading .dat file, support cannot be added.";
constexpr const char* kDeleteQuestion = "Are you sure you want to remove this item?";
constexpr const char* kNotUpdatedText =
    "Some supports are not updated.  You must update all supports, by pressing the Design and Costs "
    "button, before proceeding.";
constexpr const char* kNoCableText =
    "You cannot select cable bolts as the current support system.  You must select a standing support type.";

QString typeName(int t)
{
    return t >= 0 && t < static_cast<int>(G.SupTypeName.size()) ? qs(G.SupTypeName[static_cast<std::size_t>(t)])
                                                                 : QString();
}

bool isSupport(int caseNo) { return caseNo >= 1 && caseNo <= G.NumCases; }

}  // namespace

EditCases::EditCases(QWidget* parent) : QDialog(parent)
{
    setObjectName("EditCases");
    selectMode_ = G.SelectMode != 0;
    G.NextStep = StepNone;
    modelError_ = itemHit_ = dblClick_ = false;
    setWindowTitle(selectMode_ ? "Select Current Support" : "Select Supports");

    auto* frame = new QGroupBox("Defined Supports", this);
    frame->setObjectName("Frame1");
    list_ = new ReportList(frame, "ListView1", {"Support name", "Updated"});
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->setMinimumSize(360, 200);
    text1_ = new QLineEdit(frame);
    text1_->setObjectName("Text1");
    RestrictToFileField(text1_, static_cast<int>(kCaseNameLen));
    lbType_ = MakeLabel(frame, "LbType", "");
    lbType_->setFrameShape(QFrame::Panel);
    lbType_->setFrameShadow(QFrame::Sunken);
    auto* lbName = MakeLabel(frame, "LbName", "Description/Name");
    lbName->setBuddy(text1_);

    auto* frameLayout = new QGridLayout(frame);
    frameLayout->addWidget(MakeLabel(frame, "LbList", "Supports Selected for Analysis"), 0, 0, 1, 2);
    frameLayout->addWidget(list_, 1, 0, 1, 2);
    frameLayout->addWidget(lbName, 2, 0);
    frameLayout->addWidget(text1_, 2, 1);
    frameLayout->addWidget(MakeLabel(frame, "LbSupportType", "Support Type"), 3, 0);
    frameLayout->addWidget(lbType_, 3, 1);
    frameLayout->setColumnStretch(1, 1);

    comAdd_ = MakeButton(this, "ComAdd", "&Add");
    comDup_ = MakeButton(this, "ComDup", "D&uplicate");
    comRename_ = MakeButton(this, "ComRename", "&Rename");
    comDelete_ = MakeButton(this, "ComDelete", "D&elete");
    comDesign_ = MakeButton(this, "ComDesign", "&Design && Costs");
    comOpen_ = MakeButton(this, "ComOpen", "&Open");
    comSave_ = MakeButton(this, "ComSave", "&Save");
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {comAdd_, comDup_, comRename_, comDelete_, comDesign_, comOpen_, comSave_})
        side->addWidget(b);
    side->addStretch();

    comPrev_ = MakeButton(this, "ComPrev", "Design &Criteria");
    comCancel_ = MakeButton(this, "ComCancel", selectMode_ ? "&Cancel" : "&Main Menu");
    comDone_ = MakeButton(this, "ComDone", selectMode_ ? "&Ok" : "&Next");
    comHelp_ = MakeButton(this, "ComHelp", "&Help");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(comPrev_);
    bottom->addStretch();
    bottom->addWidget(comCancel_);
    bottom->addWidget(comDone_);
    bottom->addWidget(comHelp_);
    comPrev_->setVisible(!selectMode_);

    auto* top = new QHBoxLayout;
    top->addWidget(frame, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);

    connect(comAdd_, &QPushButton::clicked, this, &EditCases::addSupport);
    connect(comDup_, &QPushButton::clicked, this, &EditCases::duplicateSupport);
    connect(comRename_, &QPushButton::clicked, this, &EditCases::renameSupport);
    connect(comDelete_, &QPushButton::clicked, this, &EditCases::deleteSupport);
    connect(comDesign_, &QPushButton::clicked, this, &EditCases::designSupport);
    connect(comOpen_, &QPushButton::clicked, this, &EditCases::openSupport);
    connect(comSave_, &QPushButton::clicked, this, &EditCases::saveSupport);
    connect(comDone_, &QPushButton::clicked, this, &EditCases::nextClicked);
    connect(comCancel_, &QPushButton::clicked, this, &EditCases::cancelClicked);
    connect(comPrev_, &QPushButton::clicked, this, &EditCases::criteriaClicked);
    connect(comHelp_, &QPushButton::clicked, this, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(this, kHelpContext);
    connect(text1_, &QLineEdit::returnPressed, this, [this] {
        renameSupport();
        SelectAllText(text1_);
    });
    InstallSelectOnFocus(this);

    list_->onItemHit = [this](QTreeWidgetItem* item) { listPressed(item); };
    // A press beside the rows hits no item, so the double-click that may
    // follow it does nothing.
    list_->onPressBeside = [this] { itemHit_ = false; };
    list_->onClick = [this] { listClicked(); };
    list_->onMouseUp = [this] { listMouseUp(); };
    list_->onDoubleClick = [this] { listDoubleClicked(); };

    text1_->clear();
    lbType_->clear();
    fillCaseList();
    comDone_->setEnabled(G.NumCases >= 1);
}

void EditCases::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        QTimer::singleShot(0, this, &EditCases::activate);
    }
}

void EditCases::activate()
{
    if (G.RecalcAll != 0) {
        G.RecalcAll = 0;
        for (int i = G.NumCases; i >= 1; --i)
            itemClick(i);
    }
    if (G.DesignNow != 0) {
        G.DesignNow = 0;
        designSupport();
    }
}

void EditCases::fillCaseList()
{
    list_->clear();
    if (G.NumCases < 1) {
        text1_->clear();
        lbType_->clear();
        return;
    }
    for (int i = 1; i <= G.NumCases; ++i) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, qs(G.CaseName[static_cast<std::size_t>(i)]));
        item->setText(1, UpdatedText(i));
    }
    if (isSupport(G.CurCaseNo)) {
        list_->setCurrentItem(list_->topLevelItem(G.CurCaseNo - 1));
        text1_->setText(qs(G.CaseName[static_cast<std::size_t>(G.CurCaseNo)]));
        G.CurType = G.CaseType[static_cast<std::size_t>(G.CurCaseNo)];
        lbType_->setText(typeName(G.CurType));
    }
}

void EditCases::setRowUpdated(int caseNo)
{
    if (QTreeWidgetItem* item = list_->topLevelItem(caseNo - 1))
        item->setText(1, UpdatedText(caseNo));
}

void EditCases::itemClick(int caseNo, bool reportModelError)
{
    itemHit_ = true;
    modelError_ = false;
    if (G.NumCases == 0 || !isSupport(caseNo))
        return;
    TypeDataRefresh r = SelectSupport(caseNo, selectMode_);
    QTreeWidgetItem* item = list_->topLevelItem(caseNo - 1);
    if (item && list_->currentItem() != item)
        list_->setCurrentItem(item);
    text1_->setText(qs(G.CaseName[static_cast<std::size_t>(caseNo)]));
    lbType_->setText(typeName(G.CurType));
    if (r.modelFileFailed) {
        modelError_ = true;
        // The model tables hold part of this type's curves, or another
        // type's: say so, and the dialogs of this support stay closed.
        if (reportModelError)
            MsgBox("Error reading " + qs(r.modelFile) + "\n" + qs(r.reason), vbOKOnly | vbCritical, "Error");
    }
}

void EditCases::listPressed(QTreeWidgetItem* item)
{
    const int row = list_->indexOfTopLevelItem(item);
    if (row >= 0)
        itemClick(row + 1);
}

void EditCases::listClicked()
{
    dblClick_ = itemHit_;
    itemHit_ = false;
}

void EditCases::listDoubleClicked()
{
    if (!dblClick_)
        return;
    dblClick_ = false;
    if (selectMode_)
        nextClicked();
    else
        designSupport();
}

void EditCases::listMouseUp()
{
    if (selectMode_ && IsCableType(G.CurType))
        MsgBox(kNoCableText, vbOKOnly | vbExclamation, "Attention");
}

void EditCases::addSupport()
{
    if (G.NumCases >= kMaxCases) {
        MsgBox(kMaxSupportsText, vbOKOnly | vbExclamation, "Attention");
        return;
    }
    G.NewType = -1;
    G.NewName.clear();
    G.AddMode = -1;
    {
        FormInfo info(this);
        info.exec();
    }
    G.AddMode = 0;
    activate();

    const int type = G.NewType;
    if (type >= 1 && type <= G.NumTypes && AppendSupport(static_cast<int16_t>(type), G.NewName) > 0) {
        text1_->setText(qs(G.NewName));
        lbType_->setText(typeName(type));
        fillCaseList();
        // For a file-defined type this is the full read of its model file.
        itemClick(G.CurCaseNo, false);
        if (modelError_) {
            MsgBox(kAddFailedText, vbOKOnly | vbCritical, "Error");
            deleteSupport();  // without asking, the flag being set
            modelError_ = false;
        } else {
            designSupport();
        }
    }
    comDone_->setEnabled(G.NumCases > 0);
}

void EditCases::duplicateSupport()
{
    if (G.NumCases >= kMaxCases) {
        MsgBox(kMaxSupportsText, vbOKOnly | vbExclamation, "Attention");
        return;
    }
    if (G.CurCaseNo <= 0 || DuplicateSupport(G.CurCaseNo) == 0)
        return;
    fillCaseList();
    text1_->setFocus(Qt::OtherFocusReason);
    SelectAllText(text1_);
}

void EditCases::renameSupport()
{
    if (!isSupport(G.CurCaseNo))
        return;
    G.CaseName[static_cast<std::size_t>(G.CurCaseNo)] = ss(text1_->text());
    if (QTreeWidgetItem* item = list_->topLevelItem(G.CurCaseNo - 1))
        item->setText(0, text1_->text());
}

void EditCases::deleteSupport()
{
    if (G.NumCases == 0 || G.CurCaseNo <= 0)
        return;
    if (!modelError_ && MsgBox(kDeleteQuestion, vbYesNo | vbQuestion, "Attention") != vbYes)
        return;
    DeleteSupport(G.CurCaseNo);
    fillCaseList();
    if (G.NumCases == 0)
        comDone_->setEnabled(false);
}

void EditCases::designSupport()
{
    if (!isSupport(G.CurCaseNo))
        return;
    const int caseNo = G.CurCaseNo;
    itemClick(caseNo);
    if (modelError_)
        return;  // reported by the selection
    G.CurType = G.CaseType[static_cast<std::size_t>(caseNo)];
    const int type = G.CurType;
    RunUpdateProtocol(
        caseNo, [this, type] { ShowPerformanceDialog(type, this); },
        [this, type] { ShowCostDialog(type, this); });
    if (!selectMode_)
        setRowUpdated(caseNo);
    activate();
}

void EditCases::openSupport()
{
    if (G.NumCases >= kMaxCases) {
        MsgBox(kMaxSupportsText, vbOKOnly | vbExclamation, "Attention");
        return;
    }
    const QString path = GetOpenFileName(this, "Open Support", kSupportFilter);
    if (path.isEmpty())
        return;
    FileCommandResult r = OpenSupportFile(ss(path));
    if (!r.ok()) {
        if (!r.message.empty())
            MsgBox(qs(r.message), vbOKOnly | vbCritical, qs(r.title));
        return;
    }
    fillCaseList();
    itemClick(G.CurCaseNo);
    comDone_->setEnabled(G.NumCases > 0);
}

void EditCases::saveSupport()
{
    if (!isSupport(G.CurCaseNo)) {
        MsgBox(kSelectSupportText, vbOKOnly | vbExclamation, "Attention");
        return;
    }
    const int caseNo = G.CurCaseNo;
    const QString path = GetSaveFileName(this, "Save Support", kSupportFilter);
    if (path.isEmpty())
        return;
    FileCommandResult r = SaveSupportFile(ss(path), caseNo);
    if (!r.ok()) {
        if (!r.message.empty())
            MsgBox(qs(r.message), vbOKOnly | vbCritical, qs(r.title));
        return;
    }
    // The support must be designed again before the comparison.
    setRowUpdated(caseNo);
}

void EditCases::nextClicked()
{
    if (selectMode_) {
        if (isSupport(G.CurCaseNo)) {
            G.CurType = G.CaseType[static_cast<std::size_t>(G.CurCaseNo)];
            if (IsCableType(G.CurType))
                G.CurCaseNo = 0;
        }
        QDialog::accept();
        return;
    }
    if (!AllSupportsUpdated()) {
        MsgBox(kNotUpdatedText, vbOKOnly | vbExclamation, "Attention");
        return;
    }
    G.NextStep = StepCompare;
    QDialog::accept();
}

void EditCases::cancelClicked() { reject(); }

void EditCases::reject()
{
    G.NextStep = StepNone;
    if (selectMode_)
        G.CurCaseNo = 0;
    QDialog::reject();
}

void EditCases::criteriaClicked()
{
    G.NextStep = StepCriteria;
    QDialog::accept();
}

}  // namespace vesk
