// The settings of the comparison's bar chart: the charted parameter by
// category, and the bar colours.
#pragma once

#include <QDialog>
#include <QStringList>

namespace vesk {

// The items of a colour list: the 15 colour names in the order of their numbers.
QStringList ColourListItems();

// The category and parameter are taken on "&Ok" only; a colour is stored as
// soon as it is chosen, whichever button closes the dialog. Opening the
// dialog brings ChartCat, ChartParm and the colours into their ranges.
class ChartSet : public QDialog {
    Q_OBJECT
public:
    explicit ChartSet(QWidget* parent = nullptr);
    ~ChartSet() override;

private:
    struct Impl;
    Impl* d_ = nullptr;
};

}  // namespace vesk
