#include "cablebolts/cablecriteria.h"
#include "cablebolts/perfcab.h"
#include "compare/chartset.h"
#include "compare/plotsetup.h"
#include "costs/matcab.h"
#include "costs/matcrete.h"
#include "costs/matcrib.h"
#include "costs/matlink.h"
#include "costs/matpost.h"
#include "criteria/edcurves.h"
#include "criteria/edpoints.h"
#include "criteria/formmine.h"
#include "files/curvefile.h"
#include "files/datafiles.h"
#include "files/infolists.h"
#include "files/defaults.h"
#include "model/criteria/curvelib.h"
#include "criteria/maxyield.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "shell/about.h"
#include "shell/failplot.h"
#include "shell/formcost.h"
#include "shell/formdisclaim.h"
#include "shell/formpic.h"
#include "shell/instruct.h"
#include "shell/mainform.h"
#include "shell/steps.h"
#include "model/criteria/summary.h"
#include "files/modelfile.h"
#include "files/projectfile.h"
#include "supports/concrete.h"
#include "supports/dsgncrib.h"
#include "supports/dsgnlink.h"
#include "supports/headfoot.h"
#include "supports/perfcrib.h"
#include "supports/perflink.h"
#include "supports/perfpost.h"
#include "supports/woodform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

bool IsHelpOption(const char* arg)
{
    for (const char* help : {"-h", "-?", "--help", "--help-all"})
        if (std::strcmp(arg, help) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    // A file-size limit makes a save fail with its message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption show("show",
                            "Open only this window: disclaimer, cost, instruct, main, about, criteria, maxyield, "
                            "cablecriteria, formmine0 to formmine3, edcurves, edpoints, woodform, headfoot, "
                            "perfpost, perfcrib, dsgncrib, dsgnlink, concrete3 to concrete6, perflink, matcrib, matpost, "
                            "matcrete3 to matcrete6, matlink, perfcab, matcab, formpic, failplot, plotsetup, "
                            "chartset or compare0 to compare3 (with --project).",
                            "window");
    parser.addOption(show);
    QCommandLineOption project("project", "The project that compare0 to compare3 open.", "file");
    parser.addOption(project);
    // Help needs no display: it is answered before the window system is opened.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (IsHelpOption(argv[i])) {
            QCoreApplication core(argc, argv);
            QCoreApplication::setApplicationName("VESK");
            parser.process(core);  // prints the options and ends the program
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("VESK");
    // Numbers in files and typed text always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    vesk::G.AppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    vesk::InstallDesktopConventions();
    vesk::InstallStepOpeners();
    vesk::InstallSharedWindowOpeners();
    vesk::SetProgramFolderSource([] { return QString::fromStdString(vesk::G.AppPath); });

    // --show opens one window by itself, for looking at it (screenshots):
    // disclaimer, cost, instruct, main, about, criteria (the design-basis
    // dialog over the main window, as the program opens it), maxyield (the
    // uncontrolled-convergence dialog), cablecriteria, formmine0 to formmine3
    // (the digit the design basis), edcurves (the curve library of the
    // program's folder), edpoints (its first curve, or a new one), woodform
    // (the post species of the program's folder), headfoot, perfpost,
    // perfcrib (a wood crib, with the crib species of the program's folder),
    // dsgncrib (the wood-crib optimisation), dsgnlink (the optimisation of
    // the first file-defined standing type of the program's folder, its models
    // read from there), concrete3 to concrete6 (the concrete crib dialog, the
    // digit the type), perflink (over the same type as dsgnlink), matcrib
    // (the costs of a wood crib), perfcab (the first cable-bolt type of the
    // program's folder, its sizes read from there), matcab (the costs of
    // that cable-bolt type), formpic (the design information of the first
    // type of the program's folder), failplot (the loading display of its
    // first type with loading models), plotsetup (the comparison's plot
    // settings over three supports made from their templates), chartset (the
    // chart settings), both with the defaults file of the program's folder,
    // or compare0 to compare3 with --project FILE (the comparison window on
    // that project's supports, the digit the view). The
    // criteria windows open over the built-in criteria; the support windows
    // over the built-in defaults, with a support made from its template as the
    // current support (a timber post for woodform, headfoot and perfpost).
    // Without it the program starts with the disclaimer and goes through the
    // start-up chain.
    parser.process(app);
    const QString window = parser.value(show);

    const auto showFirst = [](QWidget* w) {
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
    };
    if (window.isEmpty() || window == "disclaimer") {
        showFirst(new vesk::FormDisclaim);
    } else if (window == "cost") {
        showFirst(new vesk::FormCost);
    } else if (window == "instruct") {
        showFirst(new vesk::Instruct);
    } else if (window == "main" || window == "about" || window == "criteria" || window == "maxyield") {
        vesk::MainForm* main = vesk::MainForm::open(nullptr);
        // The main window opens the design-basis dialog by itself.
        if (window != "criteria")
            vesk::G.NextStep = vesk::StepNone;
        if (window == "about") {
            auto* about = new vesk::About(main);
            about->setAttribute(Qt::WA_DeleteOnClose);
            about->show();
        } else if (window == "maxyield") {
            static vesk::UconvExchange uconv{1, 0.5f, 2.0f};
            auto* dlg = new vesk::MaxYield(main, uconv);
            dlg->setAttribute(Qt::WA_DeleteOnClose);
            dlg->show();
        }
    } else if (window == "cablecriteria") {
        vesk::SetBuiltInDefaults();
        showFirst(new vesk::CableCriteria);
    } else if (window.size() == 9 && window.startsWith("formmine") && window[8] >= '0' && window[8] <= '3') {
        vesk::SetBuiltInDefaults();
        vesk::ReadCurves();
        vesk::G.DesignBasis = static_cast<int16_t>(window[8].digitValue());
        showFirst(new vesk::FormMine);
    } else if (window == "edcurves" || window == "edpoints") {
        vesk::ReadDefaults();
        vesk::ReadCurves();
        if (window == "edcurves") {
            showFirst(new vesk::EdCurves);
        } else {
            vesk::FreeCurveId();
            vesk::NewWorkCurve();
            if (vesk::G.NumCurves >= 1)
                vesk::G.WorkCurve = vesk::G.GRCurves[1];
            showFirst(new vesk::EdPoints);
        }
    } else if (window == "woodform" || window == "headfoot" || window == "perfpost" || window == "matpost") {
        vesk::SetBuiltInDefaults();
        if (window == "matpost")
            vesk::G.EntryHt = vesk::G.DesignCrit.EntryHt;
        vesk::SetBuiltInTypes();
        vesk::AppendSupport(2, "Timber post");
        vesk::G.CurCase = vesk::G.Cases[static_cast<std::size_t>(vesk::G.CurCaseNo)];
        if (window == "woodform") {
            vesk::ReadWoodData();
            vesk::G.WoodTable = -1;
            showFirst(new vesk::WoodForm);
        } else if (window == "headfoot") {
            showFirst(new vesk::HeadFoot);
        } else if (window == "matpost") {
            showFirst(new vesk::MatPost);
        } else {
            vesk::ReadWoodData();
            showFirst(new vesk::PerfPost);
        }
    } else if (window == "perfcab") {
        vesk::SetBuiltInDefaults();
        vesk::G.EntryWid = vesk::G.DesignCrit.EntryWid;
        vesk::ReadConfig();
        int16_t type = 0;
        for (int16_t t = 7; t <= vesk::G.NumTypes && type == 0; ++t)
            if (vesk::G.TypeCat[static_cast<std::size_t>(t)] == vesk::kCableBoltCategory)
                type = t;
        if (type == 0 || vesk::AppendSupport(type, vesk::G.SupTypeName[static_cast<std::size_t>(type)]) == 0 ||
            !vesk::LoadModelFile(type)) {
            std::fprintf(stderr, "vesk: no cable-bolt type in the program's folder\n");
            return 1;
        }
        showFirst(new vesk::PerfCab);
    } else if (window == "formpic" || window == "failplot") {
        vesk::ReadConfig();
        vesk::ReadBmpPath();
        vesk::ReadInfoLists();
        const bool loading = window == "failplot";
        int16_t type = 0;
        for (int16_t t = 1; t <= vesk::G.NumTypes && type == 0; ++t)
            if (!loading || (vesk::G.InfoTable.inBounds(t, 4) && vesk::G.InfoTable(t, 4) > 0))
                type = t;
        if (type == 0) {
            std::fprintf(stderr, "vesk: no type with loading models in the program's folder\n");
            return 1;
        }
        vesk::G.InfoType = type;
        if (loading) {
            showFirst(new vesk::FailPlot);
        } else {
            auto* pic = new vesk::FormPic;
            pic->setWindowTitle("Design Information: " +
                                QString::fromStdString(vesk::G.SupTypeName[static_cast<std::size_t>(type)]));
            pic->fillText();
            showFirst(pic);
        }
    } else if (window == "perfcrib" || window == "matcrib" || window == "dsgncrib" || window == "dsgnlink" ||
               window == "perflink" || window == "matlink" || window == "matcab" ||
               (window.size() == 9 && (window.startsWith("concrete") || window.startsWith("matcrete")) &&
                window[8] >= '3' && window[8] <= '6')) {
        vesk::SetBuiltInDefaults();
        vesk::G.EntryHt = vesk::G.DesignCrit.EntryHt;
        vesk::G.EntryWid = vesk::G.DesignCrit.EntryWid;
        vesk::SetDesignBasis(vesk::G.DesignCrit.Basis);
        vesk::RefreshWorkingValues();
        if (window.startsWith("concrete") || window.startsWith("matcrete")) {
            vesk::SetBuiltInTypes();
            const auto type = static_cast<int16_t>(window[8].digitValue());
            vesk::AppendSupport(type, vesk::G.SupTypeName[static_cast<std::size_t>(type)]);
        } else if (window != "dsgnlink" && window != "perflink" && window != "matlink" && window != "matcab") {
            vesk::SetBuiltInTypes();
            vesk::AppendSupport(1, "Wood crib");
        } else {
            vesk::ReadConfig();
            const bool cable = window == "matcab";
            int16_t type = 0;
            for (int16_t t = 7; t <= vesk::G.NumTypes && type == 0; ++t)
                if ((vesk::G.TypeCat[static_cast<std::size_t>(t)] == vesk::kCableBoltCategory) == cable)
                    type = t;
            if (type == 0 || vesk::AppendSupport(type, vesk::G.SupTypeName[static_cast<std::size_t>(type)]) == 0 ||
                !vesk::LoadModelFile(type)) {
                std::fprintf(stderr, cable ? "vesk: no cable-bolt type in the program's folder\n"
                                           : "vesk: no file-defined standing type in the program's folder\n");
                return 1;
            }
        }
        vesk::G.CurCase = vesk::G.Cases[static_cast<std::size_t>(vesk::G.CurCaseNo)];
        if (window == "perfcrib") {
            vesk::ReadWoodData();
            showFirst(new vesk::PerfCrib);
        } else if (window == "matcrib") {
            showFirst(new vesk::MatCrib);
        } else if (window == "dsgncrib") {
            showFirst(new vesk::DsgnCrib);
        } else if (window == "dsgnlink") {
            showFirst(new vesk::DsgnLink);
        } else if (window == "perflink") {
            showFirst(new vesk::PerfLink);
        } else if (window.startsWith("matcrete")) {
            showFirst(new vesk::MatCrete);
        } else if (window == "matlink") {
            showFirst(new vesk::MatLink);
        } else if (window == "matcab") {
            showFirst(new vesk::MatCab);
        } else {
            showFirst(new vesk::Concrete);
        }
    } else if (window == "plotsetup" || window == "chartset") {
        vesk::ReadDefaults();
        vesk::SetBuiltInTypes();
        if (window == "plotsetup") {
            vesk::AppendSupport(1, "Wood crib");
            vesk::AppendSupport(2, "Timber post");
            vesk::AppendSupport(3, "Concrete crib");
            showFirst(new vesk::PlotSetup);
        } else {
            showFirst(new vesk::ChartSet);
        }
    } else if (window.size() == 8 && window.startsWith("compare") && window[7] >= '0' && window[7] <= '3') {
        vesk::MainForm::open(nullptr);
        const auto opened = vesk::OpenProjectFile(parser.value(project).toStdString());
        if (!opened.ok()) {
            std::fprintf(stderr, "vesk: %s\n", opened.message.c_str());
            return 1;
        }
        vesk::G.CompareView = static_cast<int16_t>(window[7].digitValue());
        vesk::G.NextStep = vesk::StepCompare;
    } else {
        std::fprintf(stderr, "vesk: unknown window \"%s\"\n", qPrintable(window));
        return 2;
    }
    const int rc = app.exec();
    vesk::CloseHelpWindow();
    return rc;
}
