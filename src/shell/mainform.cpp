#include "shell/mainform.h"

#include "model/globals.h"
#include "model/supportedit.h"
#include "platform/filedialogs.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "shell/about.h"
#include "shell/bmpath.h"
#include "files/curvefile.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/projectfile.h"
#include "shell/projectname.h"
#include "shell/startup.h"
#include "shell/steps.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace vesk {

namespace {

constexpr int kHelpContext = 289;
constexpr int kTimerInterval = 50;
constexpr const char* kHelpProperty = "HelpContextID";

QString menuCaption(const std::string& name)
{
    // A support name is shown as typed: "&" is not a mnemonic here.
    QString caption = qs(name);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption;
}

}  // namespace

// Keeps the navigation timer still while a window of the main window is open,
// so that no step window comes up under it; nests.
class TimerPause {
public:
    explicit TimerPause(MainForm* w) : w_(w)
    {
        if (w_->timerPauses_++ == 0)
            wasActive_ = w_->timer_->isActive();
        w_->timer_->stop();
    }
    ~TimerPause()
    {
        if (!w_)
            return;
        if (--w_->timerPauses_ == 0 && wasActive_)
            w_->timer_->start();
    }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    QPointer<MainForm> w_;
    bool wasActive_ = false;
};

MainForm::MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainForm");
    setWindowTitle("VESK - Quendril");

    pic_ = new PictureBox(this);
    pic_->setObjectName("Pic");
    PicturePrinter measure(nullptr, 0, OutlineFont(), this);
    PrintOutline(measure);
    pic_->setPreferredSize(QSize(static_cast<int>(std::ceil(measure.widestText() + 6 * measure.textWidth("W"))),
                                 static_cast<int>(std::ceil(measure.y() + measure.lineHeight()))));
    pic_->setDrawing(&MainForm::drawOutline);
    setCentralWidget(pic_);

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(kTimerInterval);
    connect(timer_, &QTimer::timeout, this, &MainForm::timerTick);

    buildMenus();

    InstallHelpKey(this, kHelpContext);

#ifndef QT_NO_SESSIONMANAGER
    // When the desktop session ends, the window closes without the question
    // and bmpath.txt is not written.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { sessionEnding_ = true; });
#endif
}

MainForm::~MainForm() = default;

QAction* MainForm::item(QMenu* menu, const char* name, const char* caption, int helpContext)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (helpContext)
        a->setProperty(kHelpProperty, helpContext);
    return a;
}

void MainForm::buildMenus()
{
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu("File");
    file->setObjectName("MenFile");
    connect(item(file, "MenNewFile", "New project", 288), &QAction::triggered, this, &MainForm::newProject);
    connect(item(file, "MenLoad", "Open project", 288), &QAction::triggered, this, &MainForm::openProject);
    connect(item(file, "MenSave", "Save project", 288), &QAction::triggered, this, &MainForm::saveProject);
    file->addSeparator();
    connect(item(file, "MenEdit", "Edit project name"), &QAction::triggered, this, &MainForm::editProjectName);
    file->addSeparator();
    connect(item(file, "MenPath", "BMP Path", 259), &QAction::triggered, this, &MainForm::bitmapPath);
    file->addSeparator();
    connect(item(file, "MenExit", "Exit", 274), &QAction::triggered, this, &MainForm::close);

    QMenu* criteria = bar->addMenu("Design Criteria");
    criteria->setObjectName("MenDesign");
    connect(item(criteria, "MenCriteria", "Specify Design Basis"), &QAction::triggered, this,
            [] { G.NextStep = StepCriteria; });
    criteria->addSeparator();
    units_ = item(criteria, "MenUnits", "Use metric units");
    units_->setCheckable(true);
    connect(units_, &QAction::triggered, this, &MainForm::toggleUnits);

    QMenu* supports = bar->addMenu("Support Evaluation");
    supports->setObjectName("MenSupports");
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("MenCase(%1)").arg(i);
        QAction* a = item(supports, name.toLatin1().constData(), i == 0 ? "Base case" : "");
        connect(a, &QAction::triggered, this, [this, i] { caseChosen(i); });
        cases_[i] = a;
    }
    supports->addSeparator();
    connect(item(supports, "MenNew", "Add/Edit Supports", 272), &QAction::triggered, this,
            &MainForm::addEditSupports);

    QMenu* comparison = bar->addMenu("Comparison");
    comparison->setObjectName("MenComparison");
    connect(item(comparison, "MenCompare", "Comparison Assessment Table", 264), &QAction::triggered, this,
            [this] { compare(0); });
    connect(item(comparison, "MenSumm", "Support Description Summary", 305), &QAction::triggered, this,
            [this] { compare(1); });
    connect(item(comparison, "MenPlot", "Graphical Data Analysis", 298), &QAction::triggered, this,
            [this] { compare(2); });
    connect(item(comparison, "MenChart", "Chart Comparison", 262), &QAction::triggered, this,
            [this] { compare(3); });

    QMenu* info = bar->addMenu("Information");
    info->setObjectName("MenInformation");
    connect(item(info, "MenInfo", "Support Technologies", 282), &QAction::triggered, this, [] {
        G.AddMode = 0;
        G.NextStep = StepInfo;
    });
    connect(item(info, "MenReference", "Reference/Bibliography", 302), &QAction::triggered, this,
            [] { ShowHelpContents(QString::fromLatin1(kReferenceHelp)); });

    QMenu* help = bar->addMenu("Help");
    help->setObjectName("MenHelp");
    connect(item(help, "MenContents", "Contents", 281), &QAction::triggered, this,
            [] { ShowHelpFinder(QString::fromLatin1(kProgramHelp)); });
    connect(item(help, "MenAbout", "About", 257), &QAction::triggered, this, &MainForm::showAbout);

    // F1 over a menu item opens the help of that item.
    for (QMenu* m : {file, criteria, supports, comparison, info, help})
        m->installEventFilter(this);
}

bool MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            const QAction* a = menu->activeAction();
            const QVariant context = a ? a->property(kHelpProperty) : QVariant();
            menu->close();
            ShowHelp(context.isValid() ? context.toInt() : kHelpContext);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

MainForm* MainForm::open(QWidget* previous)
{
    auto* w = new MainForm;
    w->setAttribute(Qt::WA_DeleteOnClose);
    PlaceWindow(w, previous);
    w->show();
    w->formLoad(previous);
    return w;
}

void MainForm::formLoad(QWidget* previous)
{
    CloseChainPredecessor(previous);

    G.ProjName.clear();
    if (G.AppPath.empty())
        G.AppPath = ss(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    while (G.AppPath.size() > 1 && (G.AppPath.back() == '/' || G.AppPath.back() == '\\'))
        G.AppPath.pop_back();
    QDir::setCurrent(qs(G.AppPath));

    G.CrLf = "\r\n";
    G.ProjectPath.clear();
    G.DesignBasis = 0;
    G.SelectMode = 0;
    G.DesignNow = 0;
    G.AddMode = 0;
    G.PerfConv.redim(1, 1);
    G.PerfLoad.redim(1, 1);
    G.ModelYMax.redim(1);
    G.ModelXMax.redim(1);

    std::string errors;
    const auto fail = [&](const char* text) { errors += text + G.CrLf; };
    if (ReadWoodData() != 0)
        fail("Error reading wooddat.txt");
    if (ReadConfig())
        fail("Error reading config.txt. Only built-in types available.");
    if (ReadDefaults() != 0)
        fail("Error reading defaults.txt");

    G.NumCases = 0;
    for (int i = 1; i <= kMaxCases; ++i) {
        G.CaseName[i].clear();
        CaseRec& c = G.Cases[i];
        c.PlotVis = -1;
        c.NumPts = 0;
        c.PlotOfs = 0;
        c.PlotLine = 0;
        c.PlotColor = 0;
    }
    for (int i = 1; i < 10; ++i)
        cases_[i]->setVisible(false);

    if (ReadCurves() != 0)
        fail("Error reading grcurves.bin");
    if (ReadBmpPath() != 0)
        fail("Error reading bmpath.txt");
    ReadDefName();

    G.NextStep = StepCriteria;

    if (!errors.empty()) {
        TimerPause pause(this);
        MsgBox(qs(errors), vbOKOnly, "Error(s) reading defaults");
    }
    activate();
    timer_->start();
}

void MainForm::activate()
{
    units_->setChecked(G.MetricUnits != 0);
    for (int i = 0; i < 10; ++i) {
        const bool used = i < G.NumCases;
        if (used)
            cases_[i]->setText(menuCaption(G.CaseName[i + 1]));
        cases_[i]->setVisible(used);
    }
    pic_->update();
}

void MainForm::drawOutline(QPainter& p, const QRect& page)
{
    p.fillRect(page, Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.save();
    p.translate(page.topLeft());
    PicturePrinter pic(&p, page.width(), OutlineFont());
    PrintOutline(pic);
    p.restore();
}

void MainForm::timerTick()
{
    const int code = G.NextStep;
    if (code < StepInfo || code > StepCompare)
        return;
    QPointer<MainForm> self(this);
    {
        TimerPause pause(this);
        if (!OpenStep(code, this)) {
            G.NextStep = StepNone;
            return;
        }
    }
    if (self)
        activate();
}

// ---- File menu ----------------------------------------------------------------

void MainForm::newProject()
{
    if (G.NumCases > 0) {
        TimerPause pause(this);
        if (MsgBox(qs(kLoseSupportsText), vbOKCancel, "Warning") == vbCancel)
            return;
    }
    NewProject();
    for (QAction* a : cases_)
        a->setVisible(false);
    activate();
}

void MainForm::openProject()
{
    TimerPause pause(this);
    if (G.NumCases > 0 && MsgBox(qs(kLoseSupportsText), vbOKCancel, "Warning") == vbCancel)
        return;
    const QString path = GetOpenFileName(this, "Open project", qs(kProjectFilter), QString(),
                                         qs(G.AppPath) + QStringLiteral("/*.pro"));
    if (path.isEmpty())
        return;
    const FileCommandResult r = OpenProjectFile(ss(path));
    if (!r.message.empty())
        MsgBox(qs(r.message), vbOKOnly, qs(r.title));
    if (r.ok()) {
        for (QAction* a : cases_)
            a->setVisible(false);
    }
    activate();
}

void MainForm::saveProject()
{
    TimerPause pause(this);
    const QString proposed =
        G.ProjectPath.empty() ? qs(G.AppPath) + QStringLiteral("/*.pro") : qs(G.ProjectPath);
    const QString path = GetSaveFileName(this, "Save project", qs(kProjectFilter), QString(), proposed);
    if (path.isEmpty())
        return;
    const FileCommandResult r = SaveProjectFile(ss(path));
    if (!r.message.empty())
        MsgBox(qs(r.message), vbOKOnly, qs(r.title));
}

void MainForm::editProjectName()
{
    {
        TimerPause pause(this);
        ProjectName dlg(this);
        dlg.exec();
    }
    activate();
}

void MainForm::bitmapPath()
{
    {
        TimerPause pause(this);
        BMPath dlg(this);
        dlg.exec();
    }
    activate();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (exitConfirmed_ || sessionEnding_) {
        event->accept();
        return;
    }
    {
        TimerPause pause(this);
        if (MsgBox(kExitQuestion, vbYesNo, "Confirm Exit") != vbYes) {
            event->ignore();
            return;
        }
    }
    // Written through a temporary file: a failed write keeps the old settings.
    SaveBmpPath();
    exitConfirmed_ = true;
    timer_->stop();
    event->accept();
    EndProgram();
}

// ---- Design criteria and supports ------------------------------------------------

void MainForm::toggleUnits()
{
    G.MetricUnits = G.MetricUnits != 0 ? 0 : -1;
    units_->setChecked(G.MetricUnits != 0);
}

void MainForm::caseChosen(int index)
{
    if (index < 0 || index >= G.NumCases)
        return;
    G.CurCaseNo = static_cast<int16_t>(index + 1);
    G.CurType = G.CaseType[index + 1];
    G.DesignNow = -1;
    G.NextStep = StepSupports;
}

void MainForm::addEditSupports()
{
    if (G.NumCases > 0) {
        if (G.CurCaseNo < 1 || G.CurCaseNo > G.NumCases)
            G.CurCaseNo = 1;
    } else {
        G.CurCaseNo = -1;
    }
    G.NextStep = StepSupports;
}

// ---- Comparison -----------------------------------------------------------------

bool MainForm::comparisonCheck()
{
    TimerPause pause(this);
    if (G.NumCases == 0) {
        MsgBox(kNoSupportsText, vbOKOnly, "No supports defined");
        return false;
    }
    if (!AllSupportsUpdated()) {
        MsgBox(kNotUpdatedText, vbOKOnly, "Attention");
        return false;
    }
    return true;
}

void MainForm::compare(int view)
{
    if (!comparisonCheck())
        return;
    G.CompareView = static_cast<int16_t>(view);
    G.NextStep = StepCompare;
}

// ---- Help ---------------------------------------------------------------------------

void MainForm::showAbout()
{
    {
        TimerPause pause(this);
        About dlg(this);
        dlg.exec();
    }
    activate();
}

}  // namespace vesk
