// The settings of the plot of all performance curves: the Y quantity, the
// design criteria drawn, fixed or automatic axis maxima, and per support its
// visibility, line type and colour.
#pragma once

#include <QDialog>

namespace vesk {

// Every choice is stored at once in PlotSet and the support records;
// "&Ok" and "&Cancel" only close the dialog.
class PlotSetup : public QDialog {
    Q_OBJECT
public:
    explicit PlotSetup(QWidget* parent = nullptr);
    ~PlotSetup() override;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
