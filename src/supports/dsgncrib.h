// The wood-crib design optimisation: chooses timbers per layer, timber width
// and length, and rows for a range of widths and a maximum spacing, on the
// dialog's own copy of the working record. "&Ok" hands the choice back to
// CurCase; "&Cancel" and the close box drop it.
#pragma once

#include "model/records.h"

#include <QDialog>

class QLabel;

namespace vesk {

class NumBox;

class DsgnCrib : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 267;

    // Takes its copy of CurCase, shows the criteria (DesignTpf from the
    // ground reaction curve under that basis) and the record's inputs, and
    // runs the search once.
    explicit DsgnCrib(QWidget* parent = nullptr);

    const CaseRec& workCase() const { return work_; }

    // The boxes from the working copy, then the search.
    void updateDsgnCrib();

private:
    // The search over the boxes as they stand; false when it could not run
    // (its reason shown), with everything left as it was.
    bool optimizeCrib();
    void done();

    CaseRec work_;
    NumBox* textMinW_ = nullptr;
    NumBox* textMaxW_ = nullptr;
    NumBox* textRows_ = nullptr;
    NumBox* textSpace_ = nullptr;
    QLabel* lbCap_ = nullptr;
    QLabel* lbDisp_ = nullptr;
    QLabel* labNum_ = nullptr;
    QLabel* labWid_ = nullptr;
    QLabel* labThick_ = nullptr;
    QLabel* labLen_ = nullptr;
    QLabel* labOvh_ = nullptr;
    QLabel* lbActSpac_ = nullptr;
    QLabel* lbActConv_ = nullptr;
    QLabel* labSupp_ = nullptr;
    QLabel* labForce_ = nullptr;
};

}  // namespace vesk
