// The entry size that both criteria dialogs edit: width and height boxes that
// keep the working values EntryWid and EntryHt and the dialog's copy of the
// criteria in step.
#pragma once

#include "model/records.h"

#include <QGroupBox>

#include <functional>

class QLabel;

namespace vesk {

class NumBox;

class EntryFrame : public QGroupBox {
    Q_OBJECT
public:
    EntryFrame(QWidget* parent, CritRec& copy);

    void setUnitCaptions();
    // Shows the working values.
    void fill();

    // Takes a typed width or height. An invalid one (not above 0, or a width
    // too small to hold the load density per ft of width) is reported and the
    // box shows the working value again: false. A new value goes into the
    // working value and the copy; `changed` tells whether it was new.
    bool read(NumBox* box, bool* changed = nullptr);

    NumBox* widthBox() const { return wid_; }
    NumBox* heightBox() const { return ht_; }

    // Runs after Enter in (or leaving) a box, whether or not it was valid.
    std::function<void(NumBox* box, bool changed)> onEntered;

private:
    CritRec& c_;
    NumBox* wid_ = nullptr;
    NumBox* ht_ = nullptr;
    QLabel* widLabel_ = nullptr;
    QLabel* htLabel_ = nullptr;
};

}  // namespace vesk
