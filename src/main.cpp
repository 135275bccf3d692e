#include "cablebolts/cablecriteria.h"
#include "criteria/formmine.h"
#include "files/curvefile.h"
#include "files/defaults.h"
#include "model/globals.h"
#include "platform/help.h"
#include "shell/about.h"
#include "shell/formcost.h"
#include "shell/formdisclaim.h"
#include "shell/instruct.h"
#include "shell/mainform.h"
#include "shell/steps.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <clocale>
#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // A file-size limit makes a save fail with its message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName("VESK");
    // Numbers in files and typed text always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    vesk::G.AppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    vesk::InstallStepOpeners();
    vesk::SetProgramFolderSource([] { return QString::fromStdString(vesk::G.AppPath); });

    // --show opens one window by itself, for looking at it (screenshots):
    // disclaimer, cost, instruct, main, about, or cablecriteria and formmine0
    // to formmine3 (over the built-in criteria and the curve library, the
    // digit the design basis). Without it the program starts with the disclaimer
    // and goes through the start-up chain.
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption show("show", "Open only this window: disclaimer, cost, instruct, main, about, cablecriteria or formmine0 to formmine3.", "window");
    parser.addOption(show);
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
    } else if (window == "main" || window == "about") {
        vesk::MainForm* main = vesk::MainForm::open(nullptr);
        if (window == "about") {
            auto* about = new vesk::About(main);
            about->setAttribute(Qt::WA_DeleteOnClose);
            about->show();
        }
    } else if (window == "cablecriteria") {
        vesk::SetBuiltInDefaults();
        showFirst(new vesk::CableCriteria);
    } else if (window.size() == 9 && window.startsWith("formmine") && window[8] >= '0' && window[8] <= '3') {
        vesk::SetBuiltInDefaults();
        vesk::ReadCurves();
        vesk::G.DesignBasis = static_cast<int16_t>(window[8].digitValue());
        showFirst(new vesk::FormMine);
    } else {
        std::fprintf(stderr, "vesk: unknown window \"%s\"\n", qPrintable(window));
        return 2;
    }
    const int rc = app.exec();
    vesk::CloseHelpWindow();
    return rc;
}
