#include "compare/compare.h"

#include "compare/chartpaint.h"
#include "compare/chartset.h"
#include "compare/comparepage.h"
#include "compare/plotcurves.h"
#include "compare/plotsetup.h"
#include "files/comparetext.h"
#include "files/modelfile.h"
#include "files/safesave.h"
#include "files/textfile.h"
#include "model/curves.h"
#include "model/globals.h"
#include "model/vbmath.h"
#include "platform/controls.h"
#include "platform/filedialogs.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/printing.h"
#include "platform/qtext.h"
#include "platform/wheel.h"
#include "platform/wmfgenerator.h"
#include "ui/openers.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace vesk {

// The view picture (a window onto the off-screen page of the table and the
// summary, the drawing surface of the plot, the legend strip of the chart),
// and the bar chart. Both leave their drawing and pop-up menu to the window.
class CompareSurface : public QWidget {
public:
    CompareSurface(Compare* owner, QWidget* parent, const char* name, bool picture)
        : QWidget(parent), owner_(owner), picture_(picture)
    {
        setObjectName(QString::fromLatin1(name));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (picture_)
            owner_->paintPicture(p, rect());
        else
            owner_->paintChart(p, rect());
    }
    void contextMenuEvent(QContextMenuEvent* e) override { owner_->popupMenu(e->globalPos(), picture_); }

private:
    Compare* owner_;
    bool picture_;
};

namespace {

const char* const kTextFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
const char* const kPlotFilter = "Bitmap files (*.bmp)|*.bmp|All files (*.*)|*.*";
const char* const kChartFilter = "Bitmap files (*.bmp)|*.bmp|Metafiles (*.wmf)|*.wmf|All files (*.*)|*.*";

QByteArray bmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// Saves a file's bytes safely; a failure is reported naming the file.
bool saveBytes(const QString& path, const QByteArray& bytes)
{
    std::error_code ec;
    if (!bytes.isEmpty() &&
        SaveFileAtomically(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &ec))
        return true;
    const FileCommandResult r = WriteFailure(path.toStdString(), ec ? SaveReason(ec) : "");
    MsgBox(qs(r.message), vbOKOnly | vbExclamation, qs(r.title));
    return false;
}

}  // namespace

Compare::Compare(QWidget* parent) : QDialog(parent)
{
    setObjectName("Compare");
    setWindowTitle("Case Comparison");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    buildMenus();
    buildControls();
    resize(900, 660);
    loadCurves();
    InstallHelpKey(this, [this] { return helpContext(); });
}

Compare::~Compare() = default;

void Compare::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MenuBar");
    QMenu* file = bar->addMenu("File");
    file->setObjectName("MenOptions");
    auto add = [](QMenu* m, const char* name, const char* caption) {
        QAction* a = m->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    connect(add(file, "MenCopy", "Copy"), &QAction::triggered, this, &Compare::copyView);
    connect(add(file, "MenSave", "Save"), &QAction::triggered, this, &Compare::saveView);
    connect(add(file, "MenPrint", "Print"), &QAction::triggered, this, &Compare::printView);
    file->addSeparator()->setObjectName("Sep1");
    connect(add(file, "MenExit", "Done"), &QAction::triggered, this, &QDialog::reject);
    QMenu* edit = bar->addMenu("Edit");
    edit->setObjectName("MenE");
    connect(add(edit, "MenName", "Project name"), &QAction::triggered, this, &Compare::editProjectName);

    menPop_ = new QMenu("Popup", this);
    menPop_->setObjectName("MenPop");
    connect(add(menPop_, "MenPopCopy", "Copy"), &QAction::triggered, this, [this] {
        const bool legend = popFromPicture_;
        popFromPicture_ = false;
        if (legend && view_ == ChartV) {
            QGuiApplication::clipboard()->setText(qs(ChartLegendText(MakeColumnOrder(base_))));
            return;
        }
        copyView();
    });
    connect(add(menPop_, "MenPopSave", "Save"), &QAction::triggered, this, &Compare::saveView);
    connect(add(menPop_, "MenPopPrint", "Print"), &QAction::triggered, this, &Compare::printView);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
}

void Compare::buildControls()
{
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    auto* top = new QHBoxLayout;
    auto button = [this](const char* name, const char* caption) {
        return MakeButton(this, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    QPushButton* comView = button("ComView", "&Comparison");
    QPushButton* comSumm = button("ComSumm", "&Summary");
    QPushButton* comSetup = button("ComSetup", "&Plot");
    QPushButton* comChart = button("ComChart", "C&hart");
    QPushButton* comSupps = button("ComSupps", "S&upports");
    QPushButton* comDone = button("ComDone", "&Main Menu");
    QPushButton* comHelp = button("ComHelp", "&Help");
    top->addWidget(MakeLabel(this, "Label2", "Tables:"));
    top->addWidget(comView);
    top->addWidget(comSumm);
    top->addSpacing(12);
    top->addWidget(MakeLabel(this, "Label3", "Plots:"));
    top->addWidget(comSetup);
    top->addWidget(comChart);
    top->addSpacing(12);
    top->addWidget(comSupps);
    top->addWidget(comDone);
    top->addWidget(comHelp);
    top->addStretch(1);

    auto* second = new QHBoxLayout;
    QLabel* label1 = MakeLabel(this, "Label1", "Support used for comparison basis");
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setMinimumContentsLength(24);
    combo1_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label1->setBuddy(combo1_);
    second->addWidget(label1);
    second->addWidget(combo1_);
    second->addStretch(1);

    viewArea_ = new QWidget(this);
    viewArea_->setObjectName("ViewArea");
    // The window is never smaller than its buttons and the view of 3000
    // twips a side (the chart's legend strip of ten supports and a chart
    // above it): nothing overlaps at its smallest.
    viewArea_->setMinimumSize(200, 200);
    viewArea_->installEventFilter(this);
    picture1_ = new CompareSurface(this, viewArea_, "Picture1", true);
    picture1_->installEventFilter(this);
    msChart_ = new CompareSurface(this, viewArea_, "MSChart", false);
    msChart_->hide();
    hScroll_ = new QScrollBar(Qt::Horizontal, viewArea_);
    hScroll_->setObjectName("HScroll1");
    vScroll_ = new QScrollBar(Qt::Vertical, viewArea_);
    vScroll_->setObjectName("VScroll1");

    layout->addLayout(top);
    layout->addLayout(second);
    layout->addWidget(viewArea_, 1);

    connect(comView, &QPushButton::clicked, this, [this] { showTable(TableV); });
    connect(comSumm, &QPushButton::clicked, this, [this] { showTable(SummaryV); });
    connect(comSetup, &QPushButton::clicked, this, [this] { showGraph(PlotV); });
    connect(comChart, &QPushButton::clicked, this, [this] { showGraph(ChartV); });
    connect(comSupps, &QPushButton::clicked, this, [this] {
        G.NextStep = 3;
        accept();
    });
    connect(comDone, &QPushButton::clicked, this, [this] {
        G.NextStep = 0;
        accept();
    });
    connect(comHelp, &QPushButton::clicked, this, [this] { ShowHelp(helpContext()); });
    connect(combo1_, &QComboBox::activated, this, &Compare::baseChanged);
    connect(hScroll_, &QScrollBar::valueChanged, this, [this](int v) { scrollTo(v, scrollY_); });
    connect(vScroll_, &QScrollBar::valueChanged, this, [this](int v) { scrollTo(scrollX_, v); });
}

bool Compare::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewArea_ && event->type() == QEvent::Resize)
        setLayout();
    // The wheel over the table or the summary moves their scroll bars.
    if ((watched == viewArea_ || watched == picture1_) && event->type() == QEvent::Wheel &&
        (view_ == TableV || view_ == SummaryV)) {
        ScrollByWheel(*static_cast<QWheelEvent*>(event), hScroll_, vScroll_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int Compare::dpi() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? static_cast<int>(std::lround(s->logicalDotsPerInchX())) : 96;
}

void Compare::loadCurves()
{
    G.DesignTpf = G.DesignCrit.Tpf;
    G.DesignConv = G.DesignCrit.Conv;
    const ModelCurveSource readModel = [](int16_t type, int model, ModelCurve& out, std::string* reason) {
        if (type < 0 || static_cast<std::size_t>(type) >= G.TypeFile.size())
            return false;
        return ReadModelCurve(AppFilePath(G.TypeFile[static_cast<std::size_t>(type)]), model, false, out, reason);
    };
    curves_ = RebuildCurves(readModel, &failures_);
    const QSignalBlocker block(combo1_);
    combo1_->clear();
    for (int k = 1; k <= G.NumCases; ++k)
        combo1_->addItem(qs(G.CaseName[static_cast<std::size_t>(k)]));
    if (G.NumCases > 0)
        combo1_->setCurrentIndex(0);
    base_ = 1;
}

void Compare::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        QTimer::singleShot(0, this, &Compare::activate);
    }
}

void Compare::activate()
{
    // Once, when the window is first shown: the settings dialogs it opens
    // must not bring it back while their own view is being set up.
    if (activated_)
        return;
    activated_ = true;
    try {
        G.DesignTpf = ReqTpfAtConv(G.DesignConv);
    } catch (const std::exception&) {
        // The requirement stays as the criteria give it.
    }
    // A model file that failed while the curves were rebuilt, once each.
    for (const CurveReadFailure& f : failures_)
        MsgBox("Error reading " + qs(f.file) + "\n" + qs(f.reason), vbOKOnly | vbExclamation, "Error");
    failures_.clear();
    if (G.CompareView < 0 || G.CompareView > 3)
        G.CompareView = 0;
    switch (G.CompareView) {
    case 0:
    case 1:
        showTable(G.CompareView == 0 ? TableV : SummaryV);
        break;
    case 2:
        if (view_ != PlotV)
            showGraph(PlotV);
        break;
    default:
        if (view_ != ChartV)
            showGraph(ChartV);
        break;
    }
    G.NextStep = 0;
}

int Compare::helpContext() const
{
    switch (view_) {
    case SummaryV:
        return kHelpSummary;
    case PlotV:
        return kHelpPlot;
    case ChartV:
        return kHelpChart;
    default:
        return kHelpTable;
    }
}

void Compare::showTable(View v)
{
    G.CompareView = static_cast<int16_t>(v);
    view_ = v;
    msChart_->hide();
    setLayout();
    prepare(true);
    picture1_->update();
}

void Compare::showGraph(View v)
{
    // The settings dialog first; its choices are stored as they are made.
    G.CompareView = static_cast<int16_t>(v);
    if (v == PlotV) {
        PlotSetup dlg(this);
        dlg.exec();
    } else {
        ChartSet dlg(this);
        dlg.exec();
    }
    view_ = v;
    setLayout();
    if (v == ChartV) {
        prepare(true);
        msChart_->show();
        msChart_->update();
    } else {
        msChart_->hide();
    }
    picture1_->update();
}

void Compare::baseChanged(int index)
{
    base_ = static_cast<int16_t>((index < 0 ? 0 : index) + 1);
    prepare(true);
    picture1_->update();
    msChart_->update();
}

void Compare::editProjectName()
{
    OpenWindow(SharedWindow::ProjectName, this);
    // Titles carry the project name.
    prepare(false);
    picture1_->update();
    msChart_->update();
}

bool Compare::prepare(bool announce)
{
    const ColumnOrder cols = MakeColumnOrder(base_);
    if (view_ == PlotV)
        return true;
    if (view_ == ChartV) {
        chart_ = BuildChart(cols);
        if (!chart_.error.empty() && announce)
            MsgBox(qs(chart_.error), vbOKOnly, "Error plotting chart");
        return chart_.error.empty();
    }
    const bool table = view_ == TableV;
    CompareDoc doc = table ? BuildTableDoc(base_) : BuildSummaryDoc(base_);
    if (!doc.abortMessage.empty()) {
        // Nothing more is drawn: the view keeps what it showed.
        if (announce)
            MsgBox(qs(doc.abortMessage), vbOKOnly, "Attention");
        docValid_ = false;
        return false;
    }
    if (announce)
        for (const std::string& notice : doc.notices)
            MsgBox(qs(notice), vbOKOnly, "Attention");
    doc_ = std::move(doc);
    docValid_ = true;
    page_ = PaintComparePage(doc_, table, dpi());
    scrollTo(0, 0);
    // A finished rendering hands the focus to the vertical scroll bar.
    if (vScroll_->isVisible())
        vScroll_->setFocus();
    return true;
}

void Compare::setLayout()
{
    if (!viewArea_)
        return;
    const int W = std::max(viewArea_->width(), 1);
    const int H = std::max(viewArea_->height(), 1);
    const int lh = CompareLineHeight(dpi());
    if (view_ == ChartV) {
        const int strip = ChartLegendHeight(G.NumCases, picture1_);
        picture1_->setGeometry(0, std::max(H - strip, 0), W, strip);
        msChart_->setGeometry(0, 0, W, std::max(H - strip - 7, 1));
        hScroll_->hide();
        vScroll_->hide();
    } else {
        const QSize pageSize = ComparePageSize(dpi());
        const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const int pw = std::min(W - sb, pageSize.width());
        const int ph = std::min(H - sb, pageSize.height());
        const bool hVisible = W - sb < pageSize.width();
        const bool vVisible = H - sb < pageSize.height();
        picture1_->setGeometry(0, 0, std::max(pw, 1), std::max(ph, 1));
        const QSignalBlocker bh(hScroll_), bv(vScroll_);
        hScroll_->setGeometry(0, ph, pw, sb);
        hScroll_->setRange(0, std::max(pageSize.width() - pw, 0));
        hScroll_->setPageStep(75);
        hScroll_->setSingleStep(25);
        hScroll_->setValue(0);
        vScroll_->setGeometry(pw, 0, sb, ph);
        vScroll_->setRange(0, std::max(pageSize.height() - ph, 0));
        vScroll_->setPageStep(5 * lh);
        vScroll_->setSingleStep(lh);
        vScroll_->setValue(0);
        const bool scrolled = view_ != PlotV;
        hScroll_->setVisible(scrolled && hVisible);
        vScroll_->setVisible(scrolled && vVisible);
        msChart_->hide();
    }
    scrollX_ = scrollY_ = 0;
    picture1_->update();
}

void Compare::scrollTo(int x, int y)
{
    if (view_ == PlotV || view_ == ChartV)
        return;
    scrollX_ = x;
    scrollY_ = y;
    if (x == 0 && hScroll_->value() != 0) {
        const QSignalBlocker b(hScroll_);
        hScroll_->setValue(0);
    }
    if (y == 0 && vScroll_->value() != 0) {
        const QSignalBlocker b(vScroll_);
        vScroll_->setValue(0);
    }
    picture1_->update();
}

void Compare::paintPicture(QPainter& p, const QRect& r)
{
    p.fillRect(r, Qt::white);
    switch (view_) {
    case PlotV:
        paintPlotOn(p, r);
        break;
    case ChartV:
        PaintChartLegend(p, r, chart_.legend);
        break;
    default:
        // A rendering stopped by a support keeps the page shown before.
        if (!page_.isNull())
            p.drawImage(QPoint(-scrollX_, -scrollY_), page_);
        break;
    }
}

void Compare::paintChart(QPainter& p, const QRect& r)
{
    p.fillRect(r, Qt::white);
    PaintChart(p, r, chart_);
}

void Compare::popupMenu(const QPoint& globalPos, bool fromPicture)
{
    popFromPicture_ = fromPicture;
    menPop_->exec(globalPos);
}

// ---- Copy, save and print -----------------------------------------------------------

QImage Compare::plotImage() const
{
    QImage image(picture1_->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const_cast<Compare*>(this)->paintPlotOn(p, image.rect());
    return image;
}

void Compare::paintPlotOn(QPainter& p, const QRect& r)
{
    PaintPlot(p, r, curves_, MakeColumnOrder(base_), CountGroups(), false);
}

bool Compare::printPlot(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    // The plot is laid out in points.
    const double u = printer.resolution() / 72.0;
    p.scale(u, u);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const bool drawn = PaintPlot(p, QRect(0, 0, static_cast<int>(std::lround(area.width())),
                                          static_cast<int>(std::lround(area.height()))),
                                 curves_, MakeColumnOrder(base_), CountGroups(), true);
    return p.end() && drawn;
}

// One portrait page: the title and the project name, the chart in a box of
// 6.5 x 3 in one inch from the left edge of the paper, and the legend in two
// columns under it.
bool Compare::printChart(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const double dpi = printer.resolution();
    const double u = dpi / 72.0;  // device units per point
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const double wp = std::min(area.width(), area.height());
    const double left = (72 - (612 - wp) / 2) * u;  // one inch from the paper's left edge
    const double centre = wp / 2 * u;
    const double wx = wp * u, hx = std::max(area.width(), area.height()) * u;
    const double pictureLeft = dpi - (8.5 * dpi - wx) / 2;
    const double pictureTop = dpi - (11 * dpi - hx) / 2;

    QFont font = SerifFont(10);
    QFont bold = font;
    bold.setBold(true);
    const double lh = QFontMetricsF(font, &printer).height();
    auto centred = [&](const QFont& f, double y, const QString& s) {
        p.setFont(f);
        const QFontMetricsF fm(f, &printer);
        p.drawText(QPointF(centre - fm.horizontalAdvance(s) / 2, y + fm.ascent()), s);
    };
    p.setPen(Qt::black);
    double y = pictureTop;
    centred(bold, y, QStringLiteral("VESK - Quendril"));
    y += QFontMetricsF(bold, &printer).height();
    if (QString::fromStdString(G.ProjName).trimmed().size() > 0) {
        centred(font, y, qs(G.ProjName));
        y += lh;
    }
    y += lh;  // an empty line
    const double y0 = std::round(y);
    const double head = std::round(y0 - pictureTop);
    const QRect box(static_cast<int>(std::lround(pictureLeft)), static_cast<int>(y0),
                    static_cast<int>(std::lround(6.5 * dpi)), static_cast<int>(std::lround(3 * dpi)));
    PaintChart(p, box, chart_);
    y = std::round(y0 + box.height() + head);

    // The legend in two columns, the second from the middle of the page.
    const int rows = static_cast<int>(chart_.legend.size() + 1) / 2;
    PaintChartLegend(p,
                     QRect(static_cast<int>(std::lround(left)), static_cast<int>(y),
                           static_cast<int>(std::lround(2 * (centre - left))), static_cast<int>(std::ceil(rows * lh))),
                     chart_.legend, font);
    return p.end();
}

QSize Compare::chartCopySize() const
{
    const int h = std::max(msChart_->height(), 1);
    return {h, h};
}

QImage Compare::chartImage(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintChart(p, image.rect(), chart_);
    return image;
}

QByteArray Compare::chartMetafile(QSize size) const
{
    WmfGenerator wmf;
    wmf.setSize(size);
    wmf.setResolution(dpi());
    QPainter p(&wmf);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    PaintChart(p, QRect(QPoint(0, 0), size), chart_);
    p.end();
    return wmf.bytes();
}

void Compare::copyView()
{
    QClipboard* clip = QGuiApplication::clipboard();
    switch (view_) {
    case PlotV:
        clip->setImage(plotImage());
        return;
    case ChartV: {
        if (!chart_.error.empty()) {
            MsgBox(qs(chart_.error), vbOKOnly, "Error plotting chart");
            return;
        }
        const QSize size = chartCopySize();
        auto* data = new QMimeData;
        data->setImageData(chartImage(size));
        PutMetafile(*data, chartMetafile(size));
        clip->setMimeData(data);
        return;
    }
    default:
        if (!docValid_) {
            prepare(true);
            return;
        }
        clip->setText(qs(CompareClipText(doc_)));
        return;
    }
}

void Compare::saveView()
{
    if ((view_ == TableV || view_ == SummaryV) && !docValid_) {
        prepare(true);
        return;
    }
    if (view_ == ChartV && !chart_.error.empty()) {
        MsgBox(qs(chart_.error), vbOKOnly, "Error plotting chart");
        return;
    }
    const char* filter = view_ == PlotV ? kPlotFilter : view_ == ChartV ? kChartFilter : kTextFilter;
    const QString path = GetSaveFileName(this, "Save As", QString::fromLatin1(filter));
    if (path.isEmpty())
        return;  // cancelled
    switch (view_) {
    case PlotV:
        // The plot is saved as a bitmap whatever the name's extension.
        saveBytes(path, bmpBytes(plotImage()));
        break;
    case ChartV: {
        const QSize size = chartCopySize();
        const bool metafile = path.right(4).toUpper() == QLatin1String(".WMF");
        saveBytes(path, metafile ? chartMetafile(size) : bmpBytes(chartImage(size)));
        setLayout();
        msChart_->update();
        break;
    }
    default: {
        std::string reason;
        if (!SaveCompareText(path.toStdString(), doc_, &reason)) {
            const FileCommandResult r = WriteFailure(path.toStdString(), reason);
            MsgBox(qs(r.message), vbOKOnly | vbExclamation, qs(r.title));
        }
        break;
    }
    }
}

void Compare::printView()
{
    if ((view_ == TableV || view_ == SummaryV) && !docValid_) {
        prepare(true);
        return;
    }
    if (view_ == ChartV && !chart_.error.empty()) {
        MsgBox(qs(chart_.error), vbOKOnly, "Error plotting chart");
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(300);  // print quality 300 dots per inch
    if (!ChoosePrinter(this, printer))
        return;  // cancelled: nothing is printed
    bool ok = false;
    switch (view_) {
    case PlotV:
        ok = printPlot(printer);
        break;
    case ChartV:
        ok = printChart(printer);
        break;
    default:
        ok = PrintCompareDoc(printer, doc_, view_ == TableV);
        break;
    }
    if (!ok)
        MsgBox("Error printing", vbOKOnly | vbExclamation, "Error");
}

}  // namespace vesk
