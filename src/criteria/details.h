// The notice that explains the point editor's width and height warning.
#pragma once

#include <QDialog>

namespace vesk {

class Details : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 278;

    explicit Details(QWidget* parent = nullptr);
};

}  // namespace vesk
