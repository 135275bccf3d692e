// The note on cost estimates, the second window of the start-up chain: the
// user picks the cost region. "&Ok" stores region, units and bitmap folder in
// bmpath.txt and goes on to the program-flow note; "E&xit" ends the program.
#pragma once

#include "shell/startup.h"

class QRadioButton;

namespace vesk {

class FormCost : public ChainWindow {
    Q_OBJECT
public:
    // Reads bmpath.txt: BmpPath, the region shown and MetricUnits.
    explicit FormCost(QWidget* parent = nullptr);

    // The note, as printed.
    static QStringList paragraphs();

private:
    void readSettings();
    void commit();

    QRadioButton* east_ = nullptr;
    QRadioButton* west_ = nullptr;
};

}  // namespace vesk
