#include "shell/mainform.h"

#include <QLabel>

namespace vesk {

MainForm::MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainForm");
    setWindowTitle("VESK - Quendril");
    auto* pic = new QLabel(this);
    pic->setObjectName("Pic");
    setCentralWidget(pic);
    resize(640, 480);
}

}  // namespace vesk
