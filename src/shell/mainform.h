// The program's main window.
#pragma once

#include <QMainWindow>

namespace vesk {

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
};

}  // namespace vesk
