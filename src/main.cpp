#include "model/globals.h"
#include "platform/desktop.h"
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
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VESK");
    // Numbers in files and typed text always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    vesk::G.AppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    vesk::InstallDesktopConventions();
    vesk::InstallStepOpeners();
    vesk::SetProgramFolderSource([] { return QString::fromStdString(vesk::G.AppPath); });

    // --show opens one window by itself, for looking at it (screenshots):
    // disclaimer, cost, instruct, main or about. Without it the program
    // starts with the disclaimer and goes through the start-up chain.
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption show("show", "Open only this window: disclaimer, cost, instruct, main or about.", "window");
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
    } else {
        std::fprintf(stderr, "vesk: unknown window \"%s\"\n", qPrintable(window));
        return 2;
    }
    const int rc = app.exec();
    vesk::CloseHelpWindow();
    return rc;
}
