// The About box of the main window's Help menu.
#pragma once

#include <QDialog>

namespace vesk {

class About : public QDialog {
    Q_OBJECT
public:
    explicit About(QWidget* parent = nullptr);

    // The text of Text1.
    static QString text();
};

}  // namespace vesk
