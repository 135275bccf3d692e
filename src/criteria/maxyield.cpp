#include "criteria/maxyield.h"

#include "model/units.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

constexpr int kHelpContext = 280;
constexpr int kConvCode = 5;

const QString kDefinitions = QStringLiteral(
    "Uncontrolled convergence: Secondary convergence, such as floor heave or pillar yielding, which occurs "
    "independently of the roof deformation and roof control mechanism and is not influenced by the support "
    "capacity.\n\n"
    "Design convergence: User specified convergence that can either include or exclude any uncontrolled "
    "convergence.  The support installation requirements (spacing) will be adjusted to provide the required "
    "support capacity at the design convergence.");

const QString kTimings = QStringLiteral(
    "Independent: The support installation requirements are based on the controlled components of the "
    "convergence.  A security check is performed to see if adequate support capacity remains after the "
    "uncontrolled convergence causes additional support yielding.\n\n"
    "Concurrent: The support installation requirements are based on the total convergence.  A security check is "
    "performed to see if adequate support capacity is present if the uncontrolled component of the convergence "
    "does not occur.");

QLabel* textLabel(QWidget* parent, const char* name, const QString& text)
{
    QLabel* l = MakeLabel(parent, name, text);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// The amount in the box, in inches, when it is a number of at least 0.
std::optional<float> amountOf(const NumBox* box)
{
    const std::optional<float> v = ReadBox(box, kConvCode);
    if (!v || !(*v >= 0))
        return std::nullopt;
    return v;
}

}  // namespace

struct MaxYield::Impl {
    MaxYield* q;
    UconvExchange& x;
    NumBox* txUconv = nullptr;
    QRadioButton* independent = nullptr;  // Option1
    QRadioButton* concurrent = nullptr;   // Option2

    Impl(MaxYield* owner, UconvExchange& exchange) : q(owner), x(exchange) {}

    void build();
    void load();
    void amountEntered();
    void done();
};

void MaxYield::Impl::build()
{
    txUconv = new NumBox(q, "TxUconv");
    txUconv->setFixedWidth(120);
    independent = new QRadioButton("1. Independent", q);
    independent->setObjectName("Option1");
    concurrent = new QRadioButton("2. Concurrent", q);
    concurrent->setObjectName("Option2");

    auto* frame2 = new QGroupBox("Uncontrolled Convergence Timing", q);
    frame2->setObjectName("Frame2");
    auto* f2 = new QVBoxLayout(frame2);
    f2->addWidget(textLabel(frame2, "LbOpt", kTimings));
    auto* frame1 = new QGroupBox("Definitions", q);
    frame1->setObjectName("Frame1");
    auto* f1 = new QVBoxLayout(frame1);
    f1->addWidget(textLabel(frame1, "LbDef", kDefinitions));

    auto* comDone = MakeButton(q, "ComDone", "&Ok");
    auto* comCancel = MakeButton(q, "ComCancel", "&Cancel");
    auto* comHelp = MakeButton(q, "ComHelp", "&Help");
    connect(comDone, &QPushButton::clicked, q, [this] { done(); });
    connect(comCancel, &QPushButton::clicked, q, &QDialog::reject);
    connect(comHelp, &QPushButton::clicked, q, [] { ShowHelp(kHelpContext); });
    InstallHelpKey(q, kHelpContext);
    connect(txUconv, &NumBox::enterPressed, q, [this] { amountEntered(); });
    connect(txUconv, &NumBox::leftBox, q, [this] { amountEntered(); });

    auto* amount = new QHBoxLayout;
    amount->addWidget(txUconv);
    amount->addStretch();
    auto* timing = new QGridLayout;
    timing->addWidget(MakeLabel(q, "Label4", "Timing:"), 0, 0);
    timing->addWidget(independent, 0, 1);
    timing->addWidget(MakeLabel(q, "Label2", "Design convergence = controlled convergence"), 0, 2);
    timing->addWidget(concurrent, 1, 1);
    timing->addWidget(MakeLabel(q, "Label3", "Design convergence = controlled + uncontrolled convergence"), 1, 2);
    timing->setColumnStretch(2, 1);
    timing->setHorizontalSpacing(16);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone);
    buttons->addWidget(comCancel);
    buttons->addWidget(comHelp);

    auto* layout = new QVBoxLayout(q);
    layout->addWidget(MakeLabel(q, "Label1", "Amount of uncontrolled convergence, " + qs(UnitLabel(kConvCode))));
    layout->addLayout(amount);
    layout->addSpacing(6);
    layout->addLayout(timing);
    layout->addSpacing(6);
    layout->addWidget(frame2);
    layout->addWidget(frame1);
    layout->addLayout(buttons);
    // Wide enough for the timing captions on their lines; the texts of the
    // frames wrap within it.
    q->setMinimumWidth(std::max(560, layout->minimumSize().width()));
}

void MaxYield::Impl::load()
{
    // An amount that cannot be shown leaves the box empty, which "&Ok" refuses.
    Guarded([this] { PutMetric(txUconv, x.UconvAmount, kConvCode); });
    // The stored timing is shown whatever the amount, so that "&Ok" after the
    // amount is lowered below the design convergence keeps it.
    (x.UconvTiming != 0 ? concurrent : independent)->setChecked(true);
    if (x.UconvAmount <= x.UconvDesignConv) {
        concurrent->setEnabled(true);
    } else {
        concurrent->setEnabled(false);
        independent->setEnabled(true);
    }
}

void MaxYield::Impl::amountEntered()
{
    if (const std::optional<float> v = amountOf(txUconv)) {
        if (*v < x.UconvDesignConv) {
            concurrent->setEnabled(true);
        } else {
            concurrent->setEnabled(false);
            independent->setChecked(true);
        }
    } else {
        MsgBox("Value must be >= 0", vbOKOnly, "Attention");
    }
    SelectAllText(txUconv);
}

void MaxYield::Impl::done()
{
    const std::optional<float> v = amountOf(txUconv);
    if (!v) {
        MsgBox("Uncontrolled convergence must be >= 0", vbOKOnly, "Input error");
        return;
    }
    x.UconvAmount = *v;
    if (*v > x.UconvDesignConv)
        independent->setChecked(true);
    x.UconvTiming = independent->isChecked() ? 0 : 1;
    q->accept();
}

MaxYield::MaxYield(QWidget* parent, UconvExchange& x) : QDialog(parent), d_(new Impl(this, x))
{
    setObjectName("MaxYield");
    setWindowTitle("Uncontrolled Convergence");
    d_->build();
    d_->load();
}

MaxYield::~MaxYield() { delete d_; }

}  // namespace vesk
