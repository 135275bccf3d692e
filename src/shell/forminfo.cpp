#include "shell/forminfo.h"

#include "model/globals.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "files/supportfile.h"
#include "shell/failplot.h"
#include "shell/formpic.h"
#include "shell/steps.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

constexpr const char* kLabText = "QUORL Testing Laboratory";

// The category lists from top to bottom: the list index (category - 1) and
// the label above it.
struct ListPlace {
    int list;
    const char* label;
};
constexpr std::array<ListPlace, FormInfo::kCategories> kListOrder = {{
    {0, "Conventional Wood Supports"},
    {2, "Engineered Timber Supports"},
    {1, "Conventional Concrete Cribs"},
    {3, "Yieldable Concrete Supports"},
    {4, "Steel Supports"},
    {5, "Additional Supports"},
    {6, "Intrinsic Supports"},
}};

struct InfoWindows {
    FormInfo::FigureViewerOpener figureViewer;
    FormInfo::LoadingDisplayOpener loadingDisplay;
};

// The program's own windows.
void installProgramWindows(InfoWindows& w)
{
    w.figureViewer = &FormPic::open;
    w.loadingDisplay = [](QWidget* parent) {
        FailPlot dlg(parent);
        dlg.exec();
    };
}

InfoWindows& windows()
{
    static InfoWindows w = [] {
        InfoWindows fresh;
        installProgramWindows(fresh);
        return fresh;
    }();
    return w;
}

// A category list that reports the opening of its drop-down.
class CategoryList : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;

    void showPopup() override
    {
        if (onDropDown)
            onDropDown();
        QComboBox::showPopup();
    }
};

QString typeName(int t)
{
    return t >= 0 && t < static_cast<int>(G.SupTypeName.size()) ? qs(G.SupTypeName[static_cast<std::size_t>(t)])
                                                                 : QString();
}

}  // namespace

void FormInfo::setFigureViewer(FigureViewerOpener opener) { windows().figureViewer = std::move(opener); }

void FormInfo::setLoadingDisplay(LoadingDisplayOpener opener) { windows().loadingDisplay = std::move(opener); }

void FormInfo::resetInfoWindows()
{
    InfoWindows fresh;
    installProgramWindows(fresh);
    windows() = std::move(fresh);
}

FormInfo::FormInfo(QWidget* parent) : QDialog(parent)
{
    setObjectName("FormInfo");
    addMode_ = G.AddMode != 0;
    lastType_ = 1;
    G.NewType = -1;

    // The category lists.
    auto* typeFrame = new QGroupBox("Select Support Type", this);
    typeFrame->setObjectName("FrameType");
    auto* typeLayout = new QVBoxLayout(typeFrame);
    for (const ListPlace& place : kListOrder) {
        const int i = place.list;
        auto* list = new CategoryList(typeFrame);
        list->setObjectName(QStringLiteral("Combo1(%1)").arg(i));
        list->setMinimumContentsLength(28);
        list->onDropDown = [this, i] { select(i); };
        list->installEventFilter(this);
        combo_[static_cast<std::size_t>(i)] = list;
        auto* caption = MakeLabel(typeFrame, QStringLiteral("LbCat(%1)").arg(i), place.label);
        caption->setBuddy(list);
        typeLayout->addWidget(caption);
        typeLayout->addWidget(list);
        connect(list, &QComboBox::activated, this, [this, i] { select(i); });
    }

    // The selected type and, in add mode, the new support's name.
    auto* selFrame = new QGroupBox("Selected Support", this);
    selFrame->setObjectName("FrameSelected");
    labSel_ = MakeLabel(selFrame, "LabSel", "");
    labSel_->setFrameShape(QFrame::Panel);
    labSel_->setFrameShadow(QFrame::Sunken);
    labSel_->setMinimumWidth(240);
    lbName_ = MakeLabel(selFrame, "LbName", "Description/Name");
    text1_ = new QLineEdit(selFrame);
    text1_->setObjectName("Text1");
    RestrictToFileField(text1_, static_cast<int>(kCaseNameLen));
    lbName_->setBuddy(text1_);
    comDefault_ = MakeButton(selFrame, "ComDefault", "Default &Name");
    auto* selLayout = new QGridLayout(selFrame);
    selLayout->addWidget(MakeLabel(selFrame, "LbSupportType", "Support type"), 0, 0);
    selLayout->addWidget(labSel_, 0, 1, 1, 2);
    selLayout->addWidget(lbName_, 1, 0);
    selLayout->addWidget(text1_, 1, 1);
    selLayout->addWidget(comDefault_, 1, 2);
    selLayout->setColumnStretch(1, 1);

    // The information on the selected type.
    auto* infoFrame = new QGroupBox("Design/Performance Information", this);
    infoFrame->setObjectName("FrameInfo");
    comDes_ = MakeButton(infoFrame, "ComDes", "&Design Information");
    comFail_ = MakeButton(infoFrame, "ComFail", "&Performance");
    comLab_ = MakeButton(infoFrame, "ComLab", "QUORL Testing &Lab");
    auto* infoLayout = new QVBoxLayout(infoFrame);
    infoLayout->addWidget(comDes_);
    infoLayout->addWidget(comFail_);
    infoLayout->addWidget(comLab_);

    comHelp_ = MakeButton(this, "ComHelp", "&Help");
    comMenu_ = MakeButton(this, "ComMenu", "&Cancel");
    comDone_ = MakeButton(this, "ComDone", "&Ok");
    auto* buttons = new QGridLayout;
    buttons->addWidget(comHelp_, 0, 0);
    buttons->setColumnStretch(1, 1);
    buttons->addWidget(comMenu_, 0, 2);
    buttons->addWidget(comDone_, 0, 3);
    const int buttonWidth = std::max(comMenu_->sizeHint().width(), comDone_->sizeHint().width());
    buttons->setColumnMinimumWidth(2, buttonWidth);
    buttons->setColumnMinimumWidth(3, buttonWidth);

    auto* right = new QVBoxLayout;
    right->addWidget(selFrame);
    right->addWidget(infoFrame);
    right->addStretch();
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(typeFrame);
    layout->addLayout(right, 1);

    if (addMode_) {
        setWindowTitle("Add Support to Analysis");
    } else {
        setWindowTitle("Secondary Support - Information Center");
        text1_->hide();
        lbName_->hide();
        comDefault_->hide();
        // "&Ok" takes the place of "&Cancel", the only way out besides the
        // title bar.
        buttons->removeWidget(comDone_);
        buttons->addWidget(comDone_, 0, 2);
        auto* place = new QWidget(this);  // keeps the place of "&Ok" in add mode
        place->setObjectName("OkPlace");
        place->setFixedWidth(buttonWidth);
        buttons->addWidget(place, 0, 3);
        comMenu_->hide();
    }

    connect(comDefault_, &QPushButton::clicked, this, &FormInfo::defaultName);
    connect(comDes_, &QPushButton::clicked, this, &FormInfo::designInformation);
    connect(comFail_, &QPushButton::clicked, this, &FormInfo::performance);
    connect(comLab_, &QPushButton::clicked, this, &FormInfo::laboratory);
    connect(comDone_, &QPushButton::clicked, this, &FormInfo::okClicked);
    connect(comMenu_, &QPushButton::clicked, this, &FormInfo::cancelClicked);
    connect(comHelp_, &QPushButton::clicked, this, [this] { ShowHelp(helpContext()); });
    InstallHelpKey(this, [this] { return helpContext(); });
    // Enter in the name box selects its text again and does nothing else.
    connect(text1_, &QLineEdit::returnPressed, this, [this] { SelectAllText(text1_); });
    InstallSelectOnFocus(this);

    // The types, each in the list of its category, in code order.
    for (int t = 1; t <= G.NumTypes; ++t) {
        const int cat = t < static_cast<int>(G.TypeCat.size()) ? G.TypeCat[static_cast<std::size_t>(t)] : 0;
        // A category outside the seven has no list; such a type is not shown.
        if (cat >= 1 && cat <= kCategories)
            combo_[static_cast<std::size_t>(cat - 1)]->addItem(typeName(t), t);
    }
    QStringList names;
    for (int t = 1; t <= G.NumTypes; ++t)
        names << typeName(t);
    FitWidthToTexts(text1_, names);

    // Every list shows its first entry; the lowest category with a type wins.
    for (int i = kCategories - 1; i >= 0; --i) {
        QComboBox* list = combo_[static_cast<std::size_t>(i)];
        if (list->count() > 0) {
            list->setCurrentIndex(0);
            select(i);
        }
    }

    const bool viewer = static_cast<bool>(windows().figureViewer);
    lists_ = ReadInfoLists();
    if (!lists_.ok) {
        comDes_->setEnabled(false);
        comFail_->setEnabled(false);
        comLab_->setEnabled(false);
        MsgBox("Error reading config.txt", vbOKOnly | vbCritical, "Error");
    } else {
        comDes_->setEnabled(viewer);
        comLab_->setEnabled(viewer);
        updatePerformanceButton();
    }
}

void FormInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        QTimer::singleShot(0, this, &FormInfo::activate);
    }
}

bool FormInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // A list that the user moves into makes its entry the selected type;
        // the focus coming back with the window or from the list's own
        // drop-down does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (int i = 0; i < kCategories; ++i)
                if (watched == combo_[static_cast<std::size_t>(i)])
                    select(i);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormInfo::activate()
{
    G.NextStep = StepNone;
    for (int i = 0; i < kCategories; ++i) {
        QComboBox* list = combo_[static_cast<std::size_t>(i)];
        const int at = list->findData(lastType_);
        if (at >= 0) {
            list->setCurrentIndex(at);
            list->setFocus(Qt::OtherFocusReason);
            select(i);
            return;
        }
    }
}

void FormInfo::select(int list)
{
    QComboBox* box = combo_[static_cast<std::size_t>(list)];
    if (box->currentIndex() < 0)
        return;
    G.InfoType = static_cast<int16_t>(box->currentData().toInt());
    selText_ = box->currentText();
    showSelected();
}

void FormInfo::showSelected()
{
    lastType_ = G.InfoType;
    labSel_->setText(selText_);
    text1_->setText(typeName(G.InfoType));
    updatePerformanceButton();
}

void FormInfo::updatePerformanceButton()
{
    // Only an entry whose information was read whole has its loading models
    // in the lists.
    const int t = G.InfoType;
    const bool models = lists_.complete(t) && G.InfoTable.inBounds(t, 4) && G.InfoTable(t, 4) >= 1;
    comFail_->setEnabled(models && static_cast<bool>(windows().loadingDisplay));
}

void FormInfo::defaultName()
{
    const int t = G.InfoType;
    text1_->setText(t >= 1 && t <= G.NumTypes ? typeName(t) : QString());
    // Selected also when the box has the focus already ("Default &Name" by
    // its key), so that typing replaces the name.
    text1_->setFocus(Qt::OtherFocusReason);
    SelectAllText(text1_);
}

void FormInfo::designInformation()
{
    const int t = G.InfoType;
    if (t < 1 || t > G.NumTypes)
        return;
    FigureViewerOpener open = windows().figureViewer;
    if (!open)
        return;
    open(this, "Design Information: " + typeName(t));
    activate();
}

void FormInfo::performance()
{
    const int t = G.InfoType;
    if (t < 1 || t > G.NumTypes || !G.InfoTable.inBounds(t, 4) || G.InfoTable(t, 4) <= 0)
        return;
    LoadingDisplayOpener open = windows().loadingDisplay;
    if (!open)
        return;
    open(this);
    activate();
}

void FormInfo::laboratory()
{
    selText_ = kLabText;
    lastType_ = G.InfoType;
    G.InfoType = 0;
    labSel_->setText(selText_);
    comFail_->setEnabled(false);
    if (FigureViewerOpener open = windows().figureViewer)
        open(this, kLabText);
    activate();
}

void FormInfo::okClicked()
{
    if (addMode_) {
        const int t = G.InfoType;
        if (t < 1 || t > G.NumTypes) {
            MsgBox("Select a support first, then press OK", vbOKOnly | vbExclamation, "Attention");
            return;
        }
        G.NewType = static_cast<int16_t>(t);
        const QString name = text1_->text();
        G.NewName = ss(name.isEmpty() ? typeName(t) : name);
    } else {
        G.NextStep = StepNone;
    }
    QDialog::accept();
}

void FormInfo::cancelClicked() { reject(); }

void FormInfo::reject()
{
    if (addMode_)
        G.NewType = -1;
    else
        G.NextStep = StepNone;
    QDialog::reject();
}

}  // namespace vesk
