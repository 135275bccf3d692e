// The file-defined support optimisation: chooses the model (size) and rows
// of the current support's type for a maximum spacing, on the dialog's own
// copy of the working record. "&Ok" hands the choice back to CurCase, and
// does nothing while the results show "No design"; "&Cancel" and the close
// box drop it. The model tables must hold the type's
// curves (the file-defined support dialog has read them).
#pragma once

#include "model/records.h"

#include <QDialog>

class QLabel;

namespace vesk {

class NumBox;

class DsgnLink : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 286;

    // Takes its copy of CurCase and shows the criteria and the record's rows
    // and spacing; the search runs when the dialog is first shown.
    explicit DsgnLink(QWidget* parent = nullptr);

    const CaseRec& workCase() const { return work_; }

    // The search over the boxes as they stand.
    void optimizeLink();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CaseRec work_;
    bool shown_ = false;
    bool noDesign_ = false;  // the results show "No design"
    NumBox* textSpace_ = nullptr;
    NumBox* textRows_ = nullptr;
    QLabel* lbModel_ = nullptr;
    QLabel* lbActSpac_ = nullptr;
    QLabel* lbActTpf_ = nullptr;
    QLabel* lbTons_ = nullptr;
    QLabel* lbConv_ = nullptr;
};

}  // namespace vesk
