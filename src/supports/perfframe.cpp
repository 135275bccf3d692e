#include "supports/perfframe.h"

#include "supports/headfoot.h"

#include "model/curves.h"
#include "model/globals.h"
#include "model/numfmt.h"
#include "model/units.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/numbox.h"
#include "platform/plotwidgets.h"
#include "platform/qtext.h"
#include "platform/selectall.h"
#include "ui/boxes.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

std::function<void(QWidget*)> PerfFrame::OpenHeadFoot = [](QWidget* parent) {
    HeadFoot dlg(parent);
    dlg.exec();
};

namespace {

constexpr int kCurveColour = 12, kDesignColour = 2, kSecurityColour = 10, kRequirementColour = 9;

std::size_t at(int k) { return static_cast<std::size_t>(k); }

QLabel* addRow(QGridLayout* grid, QWidget* parent, const char* labelName, const QString& caption,
               QWidget* value)
{
    const int row = grid->rowCount();
    QLabel* label = MakeLabel(parent, labelName, caption);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const char* title)
{
    auto* f = new QGroupBox(title, parent);
    f->setObjectName(name);
    return f;
}

}  // namespace

PerfFrame::PerfFrame(QWidget* parent, const PerfDialogInfo& info)
    : QDialog(parent), info_(info), selectMode_(G.SelectMode != 0)
{
    setObjectName(info.name);
    buildSpecFrame();
    buildLayoutFrame();
    buildCriteriaFrame();
    buildResultFrames();
    buildPlotFrame();

    comDone_ = MakeButton(this, "ComDone", "&Ok");
    comCancel_ = MakeButton(this, info.cancelName, "&Cancel");
    comHelp_ = MakeButton(this, "ComHelp", "&Help");
    connect(comDone_, &QPushButton::clicked, this, &PerfFrame::accept);
    connect(comCancel_, &QPushButton::clicked, this, &PerfFrame::reject);
    const int help = info.helpContext;
    connect(comHelp_, &QPushButton::clicked, this, [help] { ShowHelp(help); });
    InstallHelpKey(this, help);

    auto* left = new QVBoxLayout;
    left->addWidget(frame1_);
    left->addWidget(frameLayout_);
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(frame4_);
    middle->addWidget(frame5_);
    middle->addWidget(frame3_);
    middle->addWidget(frame6_);
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(frame2_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(comDone_);
    buttons->addWidget(comCancel_);
    buttons->addWidget(comHelp_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right, 1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(columns, 1);
    top->addLayout(buttons);
}

PerfFrame::~PerfFrame() = default;

void PerfFrame::buildSpecFrame()
{
    frame1_ = makeFrame(this, "Frame1", "Support Specifications");
    auto* v = new QVBoxLayout(frame1_);
    specGrid_ = new QGridLayout;
    v->addLayout(specGrid_);
    auto* area = new QHBoxLayout;
    comArea_ = MakeButton(frame1_, "ComArea", "S&pecify");
    lbArea_ = MakeLabel(frame1_, "LbArea", "Header/Footer details");
    area->addWidget(comArea_);
    area->addWidget(lbArea_);
    area->addStretch();
    v->addLayout(area);
    connect(comArea_, &QPushButton::clicked, this, [this] {
        if (OpenHeadFoot)
            openChild([this] { OpenHeadFoot(this); });
    });
}

void PerfFrame::buildLayoutFrame()
{
    frameLayout_ = makeFrame(this, "FrameLayout", "Support Layout");
    auto* grid = new QGridLayout(frameLayout_);
    option1_ = new QRadioButton("Calculate required spacing", frameLayout_);
    option1_->setObjectName("Option1");
    option2_ = new QRadioButton(UnitCaption("User-defined spacing", 6), frameLayout_);
    option2_->setObjectName("Option2");
    textSpacing_ = new NumBox(frameLayout_, "TextSpacing");
    textRows_ = new NumBox(frameLayout_, "TextRows");
    // Recomputes when the mouse is released over it, so that ticking or
    // clearing it from code computes nothing.
    auto* stag = new MouseUpCheckBox("Staggered rows", frameLayout_);
    stag->setObjectName("ChkStag");
    stag->onMouseUp = [this] { recompute(); };
    chkStag_ = stag;
    grid->addWidget(option1_, 0, 0, 1, 2);
    grid->addWidget(option2_, 1, 0);
    grid->addWidget(textSpacing_, 1, 1);
    grid->addWidget(MakeLabel(frameLayout_, "Label2", "No. rows across entry"), 2, 0);
    grid->addWidget(textRows_, 2, 1);
    grid->addWidget(chkStag_, 3, 0, 1, 2);
    for (NumBox* box : {textSpacing_, textRows_})
        FitWidthToTexts(box, {"00000.00"});

    connect(option1_, &QRadioButton::clicked, this, [this] { optionClick(false); });
    connect(option2_, &QRadioButton::clicked, this, [this] { optionClick(true); });
    connect(textSpacing_, &NumBox::gotFocus, this, &PerfFrame::spacingFocus);
    connectBox(textSpacing_);
    connectBox(textRows_);
}

void PerfFrame::buildCriteriaFrame()
{
    frame4_ = makeFrame(this, "Frame4", "Design Criteria");
    auto* grid = new QGridLayout(frame4_);
    lbCriteria_ = MakePanel(frame4_, "LbCriteria");
    lbTpf_ = MakePanel(frame4_, "LbTpf");
    lbMaxConv_ = MakePanel(frame4_, "LbMaxConv");
    lbAtype_ = MakePanel(frame4_, "LbAtype");
    lbYield_ = MakePanel(frame4_, "LbYield");
    // The basis name beside its caption, over the rows of values, so that
    // its panel leaves the value column narrow.
    auto* basis = new QHBoxLayout;
    basis->addWidget(MakeLabel(frame4_, "Label21", "Criteria basis"));
    basis->addWidget(lbCriteria_, 1);
    grid->addLayout(basis, 0, 0, 1, 2);
    addRow(grid, frame4_, "Label17", UnitCaption("Support load density", 2), lbTpf_);
    addRow(grid, frame4_, "Label16", UnitCaption("at Design convergence", 5), lbMaxConv_);
    lbTiming_ = addRow(grid, frame4_, "LbTiming", "Convergence timing", lbAtype_);
    lbYieldReq_ = addRow(grid, frame4_, "LbYieldReq", QString(), lbYield_);
    lbCriteria_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QStringList bases;
    for (const char* name : kBasisNames)
        bases << name;
    FitWidthToTexts(lbCriteria_, bases);
    lbAtype_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitWidthToTexts(lbAtype_, {"Independent", "Concurrent"});
    grid->setColumnStretch(0, 1);
}

void PerfFrame::buildResultFrames()
{
    frame5_ = makeFrame(this, "Frame5", "Installation Requirements");
    auto* g5 = new QGridLayout(frame5_);
    lbRows_ = MakePanel(frame5_, "LbRows");
    lbActSpac_ = MakePanel(frame5_, "LbActSpac");
    addRow(g5, frame5_, "Label13", "No. rows across entry", lbRows_);
    addRow(g5, frame5_, "Label5", UnitCaption("Center-to-center spacing", 6), lbActSpac_);
    g5->setColumnStretch(0, 1);

    frame3_ = makeFrame(this, "Frame3", "Achieved Ground Control");
    resultGrid_ = new QGridLayout(frame3_);
    lbConv_ = MakePanel(frame3_, "LbConv");
    lbActual_ = MakePanel(frame3_, "LbActual");
    lbWarn_ = MakePanel(frame3_, "LbWarn");
    lbInstall_ = MakePanel(frame3_, "LbInstall");
    addRow(resultGrid_, frame3_, "Label1", UnitCaption("Convergence", 5), lbConv_);
    addRow(resultGrid_, frame3_, "Label10", UnitCaption("Load density", 2), lbActual_);
    addRow(resultGrid_, frame3_, "Label15", "Safety factor", lbWarn_);
    addRow(resultGrid_, frame3_, "Label20", "Roof coverage, %", lbInstall_);
    resultGrid_->setColumnStretch(0, 1);

    frame6_ = makeFrame(this, "Frame6", "Warnings");
    auto* v6 = new QVBoxLayout(frame6_);
    listWarn_ = new WarningList(frame6_, 4);
    v6->addWidget(listWarn_);
}

void PerfFrame::buildPlotFrame()
{
    frame2_ = makeFrame(this, "Frame2", "Ground Behavior and Support Performance");
    auto* v = new QVBoxLayout(frame2_);
    auto* pic = new PlotPicture(frame2_, "Pic", QSize(250, 200));
    pic->paint = [this](QPainter& p, const QRect& page, double pagePerTwip) { drawPlot(p, page, pagePerTwip); };
    pic->mouseMoved = [this](double x, double y) { plotMouseMove(x, y); };
    pic->mouseLeft = [this] { plotMouseOff(); };
    pic_ = pic;
    lbXAxMax_ = MakeLabel(frame2_, "LbXAxMax", QString());
    lbYAxMax_ = MakeAxisLabel(frame2_, "LbYAxMax");
    auto* plot = new QGridLayout;
    plot->addWidget(lbYAxMax_, 0, 0, Qt::AlignRight | Qt::AlignTop);
    plot->addWidget(pic_, 0, 1);
    plot->addWidget(lbXAxMax_, 1, 1, Qt::AlignRight | Qt::AlignTop);
    plot->setColumnStretch(1, 1);
    plot->setRowStretch(0, 1);
    v->addLayout(plot, 1);

    lbCheck_ = MakeLabel(frame2_, "LbCheck", QString());
    WrapInLines(lbCheck_, {"Green: Design convergence", "Green: Design convergence and Security-check convergence"},
                2);
    v->addWidget(lbCheck_);
    auto* legend = MakeLabel(frame2_, "Label19", "Blue: Required load density, Red: Support performance curve");
    WrapInLines(legend, {legend->text()}, 2);
    v->addWidget(legend);
    const PlotReadouts::Caption captions[] = {
        {"Label8", UnitCaption("Convergence", 5)},
        {"Label14", UnitCaption("Load density", 2)},
        {"Label4", UnitCaption("Unit load", 1)},
    };
    readouts_ = PlotReadouts::build(frame2_, v, captions, lbConv_, lbActual_,
                                    [this](double q) { return unitLoadText(q); });
}

void PerfFrame::load()
{
    // Layout by mode.
    for (QWidget* w : std::initializer_list<QWidget*>{frameLayout_, frame4_, frame5_, frame3_, frame6_, frame2_,
                                                       comArea_, lbArea_})
        w->setVisible(!selectMode_);
    setWindowTitle(selectMode_ ? info_.specificationsTitle : info_.performanceTitle);
    setTabOrderInputsFirst();
    if (selectMode_)
        layout()->setSizeConstraint(QLayout::SetFixedSize);

    // The working copy and the criteria in force.
    G.CurCase = G.Cases[at(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))];
    G.DesignTpf = G.DesignCrit.Tpf;
    G.DesignConv = G.DesignCrit.Conv;
    if (G.DesignBasis == 1 && G.GrcDefined != 0) {
        try {
            G.DesignTpf = ReqTpfAtConv(G.DesignConv);
        } catch (const ArithError&) {
            // The requirement stays the criteria's own load density.
        }
    }
    Guarded([this] { showCriteria(); });

    option2_->setEnabled(true);
    (G.CurCase.SpacMode != 0 ? option2_ : option1_)->setChecked(true);
    textSpacing_->setEnabled(option2_->isChecked());
    chkStag_->setChecked(G.CurCase.Stagger != 0);

    listWarn_->clearSteady();
}

void PerfFrame::setTabOrderInputsFirst()
{
    // The type's inputs row by row, then the frame's controls.
    QList<QWidget*> order;
    for (int r = 0; r < specGrid_->rowCount(); ++r)
        for (int col = 0; col < specGrid_->columnCount(); ++col)
            if (QLayoutItem* item = specGrid_->itemAtPosition(r, col); item && item->widget() &&
                item->widget()->focusPolicy() != Qt::NoFocus && !order.contains(item->widget()))
                order << item->widget();
    order << comArea_ << option1_ << option2_ << textSpacing_ << textRows_ << chkStag_ << comDone_ << comCancel_
          << comHelp_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    order.first()->setFocus();
}

void PerfFrame::showCriteria()
{
    const CritRec& k = G.DesignCrit;
    lbTpf_->setText(qs(FormatMetric(G.DesignTpf, 2)));
    lbMaxConv_->setText(qs(FormatMetric(G.DesignConv, 5)));
    lbCriteria_->setText(qs(G.BasisName));
    const auto security = SecurityCheckConv();
    for (QWidget* w : std::initializer_list<QWidget*>{lbAtype_, lbTiming_, lbYield_})
        w->setVisible(security.has_value());
    if (!security) {
        lbYieldReq_->setText("No security check");
        lbCheck_->setText("Green: Design convergence");
        return;
    }
    lbAtype_->setText(k.Timing == 0 ? "Independent" : "Concurrent");
    lbYieldReq_->setText(UnitCaption(info_.securityCaption, 5));
    // Shown as the timing gives it, before it is held at 0.
    const double conv = k.Timing == 0 ? static_cast<double>(G.DesignConv) + k.UncontrolledConv
                                      : static_cast<double>(G.DesignConv) - k.UncontrolledConv;
    lbYield_->setText(qs(FormatMetric(conv, 5)));
    lbCheck_->setText("Green: Design convergence and Security-check convergence");
}

void PerfFrame::addResultRemark(QWidget* w) { resultGrid_->addWidget(w, resultGrid_->rowCount(), 0, 1, 2); }

void PerfFrame::connectBox(NumBox* box)
{
    connect(box, &NumBox::enterPressed, this, [this, box] { boxEntered(box); });
    connect(box, &NumBox::leftBox, this, [this] { recompute(); });
}

void PerfFrame::boxEntered(NumBox* box)
{
    recompute();
    SelectAllText(box);
}

void PerfFrame::openChild(const std::function<void()>& open)
{
    open();
    queueActivate();
}

void PerfFrame::queueActivate()
{
    // After the handler that showed the window or opened a dialog is done.
    QPointer<PerfFrame> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            self->activate();
    });
}

void PerfFrame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    queueActivate();
}

void PerfFrame::activate()
{
    // A stored value that cannot be shown leaves its boxes empty, and the
    // recompute reports them.
    Guarded([this] { PutMetric(textSpacing_, G.CurCase.UserSpacing, 6); });
    const QString rows = qs(FormatPattern(G.CurCase.Rows, "0"));
    textRows_->put(rows, G.CurCase.Rows);
    lbRows_->setText(rows);
    Guarded([this] { fillBoxes(); });
    recompute();
    Guarded([this] { readouts_->showDesignPoint(G.CurCase.ActTpf); });
}

void PerfFrame::optionClick(bool second)
{
    const bool user = option2_->isChecked();
    textSpacing_->setEnabled(user);
    G.CurCase.SpacMode = user ? 1 : 0;
    if (second && user)
        textSpacing_->setFocus(Qt::OtherFocusReason);
    recompute();
}

void PerfFrame::spacingFocus()
{
    if (option2_->isChecked())
        return;
    option2_->setChecked(true);
    optionClick(true);
}

LayoutInputs PerfFrame::layoutInputs() const
{
    LayoutInputs l;
    l.selectMode = selectMode_;
    l.userSpacing = option2_->isChecked();
    l.staggered = chkStag_->isChecked();
    if (!selectMode_) {
        l.spacing = ReadBox(textSpacing_, 6);
        l.rows = info_.rowsRoundedDown ? RowsRoundedDown(ReadBox(textRows_, 0)) : RowsFromText(ss(textRows_->text()));
    }
    return l;
}

void PerfFrame::showInputErrors(int count) { MsgBox(QString::number(count) + " errors.", vbOKOnly, "Errors"); }

void PerfFrame::clearWarnings() { listWarn_->clear(); }

void PerfFrame::showCurveError() { MsgBox("Error creating performance curve", vbOKOnly, "Errors"); }

void PerfFrame::calculateGuarded(const std::function<void()>& calculate)
{
    const CaseRec before = G.CurCase;
    try {
        calculate();
    } catch (const std::exception&) {
        // A value beyond single precision: nothing is stored.
        G.CurCase = before;
        showCurveError();
    }
}

void PerfFrame::showResults(const std::vector<Warning>& warnings, const SearchResult& search, float safetyFactor,
                            float coverage)
{
    std::vector<std::string> lines;
    for (const Warning& w : warnings)
        lines.push_back(w.text);
    if (selectMode_) {
        for (const std::string& line : lines)
            listWarn_->addItem(qs(line));
        return;
    }
    if (search.moreThanRowLimit)
        MsgBox("Design requires more than 4 rows", vbOKOnly, "Warning");

    designed_ = search.design.has_value();
    if (designed_) {
        const Design& d = *search.design;
        lbConv_->setText(qs(FormatMetric(d.conv, 5)));
        lbActual_->setText(qs(FormatMetric(d.tpf, 2)));
        lbActSpac_->setText(qs(FormatMetric(d.spacing, 6)));
        const QString rows = qs(FormatPattern(d.rows, "0"));
        textRows_->put(rows, d.rows);
        lbRows_->setText(rows);
        if (d.rows == 1)
            chkStag_->setChecked(false);
        chkStag_->setEnabled(d.rows != 1);
        lbWarn_->setText(qs(FormatNum(safetyFactor)));
        lbInstall_->setText(qs(FormatNum(coverage)));
    } else {
        for (QLabel* l : {lbConv_, lbActual_, lbActSpac_, lbRows_, lbWarn_, lbInstall_})
            l->clear();
        lines.push_back(search.noDesignReason);
    }
    refreshPlot();
    listWarn_->setWarnings(lines);
    readouts_->showDesignPoint(G.CurCase.ActTpf);
}

QString PerfFrame::unitLoadText(double tpf) const
{
    const CaseRec& c = G.CurCase;
    if (!designed_ || c.Rows <= 0 || !(c.Spacing > 0))
        return QString();
    try {
        return qs(FormatMetric(tpf * c.Spacing / 12 / c.Rows, 1));
    } catch (const ArithError&) {
        return QString();
    }
}

void PerfFrame::refreshPlot()
{
    try {
        bool blank = false;
        const PlotScales s = PerfPlotScales(ReadShown(lbConv_->text(), 5), [this, &blank](double x) {
            const double y = plotYStart(x);
            blank = plotBlankAt(y);
            return y;
        });
        plotBlank_ = blank;
        xmax_ = s.xmax;
        lbXAxMax_->setText(qs(s.xText));
        if (blank) {
            G.PlotYMax = static_cast<float>(ymax_);  // the axis as it was
        } else {
            ymax_ = s.ymax;
            lbYAxMax_->setText(qs(s.yText));
        }
    } catch (const ArithError&) {
        plotBlank_ = false;
        xmax_ = ymax_ = 0;  // no scale: nothing is drawn
        lbXAxMax_->clear();
        lbYAxMax_->clear();
    }
    pic_->update();
}

PlotMapping PerfFrame::plotMapping() const { return PlotMapping(pic_->rect(), xmax_, ymax_, 1); }

double PerfFrame::plotYStart(double) const { return 2.0 * (designed_ ? G.CurCase.ActTpf : G.DesignTpf); }

bool PerfFrame::plotBlankAt(double) const { return false; }

void PerfFrame::drawSupportCurve(CurvePlot& plot, double tonsPerTpf) { drawModelCurve(plot, tonsPerTpf, 1); }

void PerfFrame::drawModelCurve(CurvePlot& plot, double tonsPerTpf, int m)
{
    if (m < 1 || G.PerfConv.maxRow() < m || G.PerfLoad.maxRow() < m)
        return;
    const int n = std::min({static_cast<int>(G.PerfConv(m, 0)), G.PerfConv.maxCol(), G.PerfLoad.maxCol()});
    std::vector<std::pair<double, double>> pts;
    for (int k = 1; k <= n; ++k)
        pts.emplace_back(G.PerfConv(m, k), G.PerfLoad(m, k) / tonsPerTpf);
    plot.polyline(pts);
}

void PerfFrame::drawPlot(QPainter& p, const QRect& page, double pagePerTwip)
{
    CurvePlot plot(p, page, xmax_, ymax_, 1);
    plot.setMarkScale(pagePerTwip);
    if (plotBlank_)
        return;
    const CaseRec& c = G.CurCase;
    const CritRec& k = G.DesignCrit;
    if (designed_ && c.Rows > 0 && c.Spacing > 0) {
        plot.pen(kCurveColour);
        drawSupportCurve(plot, c.Spacing / 12.0 / c.Rows);
    }

    plot.pen(kDesignColour);
    plot.vline(G.DesignConv);
    const auto security = SecurityCheckConv();
    if (security && *security > 0) {
        plot.pen(kSecurityColour);
        plot.vline(*security);
    }

    const CurveRec& curve = G.DesignCurve;
    const int n = curve.NumPts;
    if (G.DesignBasis == 1 && G.GrcDefined != 0 && n >= 1 && n <= 10) {
        const auto pt = [&](int i) {
            return std::pair<double, double>(curve.Conv[at(i)], curve.Intensity[at(i)] * static_cast<double>(G.EntryWid));
        };
        plot.pen(kRequirementColour);
        if (n == 1) {
            plot.plus(pt(1).first, pt(1).second);
        } else {
            std::vector<std::pair<double, double>> inner;
            for (int i = 1; i <= n; ++i)
                inner.push_back(pt(i));
            plot.polyline(inner);
            plot.pen(kRequirementColour, Qt::DotLine);
            plot.polyline({pt(0), pt(1)});
            plot.polyline({pt(n), pt(n + 1)});
        }
    } else if (const auto tpf = ReadShown(lbTpf_->text(), 2)) {
        plot.pen(kRequirementColour, k.Basis != 0 ? Qt::DotLine : Qt::SolidLine);
        plot.hline(*tpf);
    }

    if (designed_) {
        const auto conv = ReadShown(lbConv_->text(), 5);
        const auto tpf = ReadShown(lbActual_->text(), 2);
        if (tpf) {
            plot.pen(0);
            plot.plus(conv && *conv > 0 ? *conv : G.DesignConv, *tpf);
        }
    }

    if (security && *security > 0) {
        plot.pen(0, Qt::DashLine);
        plot.line(G.DesignConv, G.DesignTpf, *security, G.DesignTpf);
        plot.pen(0);
    }
}

void PerfFrame::plotMouseMove(double x, double y) { readouts_->followMouse(plotMapping(), x, y); }

void PerfFrame::plotMouseOff() { readouts_->mouseOff(G.CurCase.ActTpf); }

void PerfFrame::accept()
{
    G.CurCase.Stagger = chkStag_->isChecked() ? 1 : 0;
    G.Cases[at(std::clamp<int>(G.CurCaseNo, 0, kMaxCases))] = G.CurCase;
    ++G.ChangeCount;
    QDialog::accept();
}

}  // namespace vesk
