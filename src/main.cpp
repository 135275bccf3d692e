#include "model/globals.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VESK");
    vesk::G.AppPath = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    vesk::MainForm w;
    w.show();
    return app.exec();
}
