#include "model/globals.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QDir>

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VESK");
    // Numbers in files and typed text always use "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    vesk::G.AppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    vesk::MainForm w;
    w.show();
    return app.exec();
}
