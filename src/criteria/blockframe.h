// The frame of detached-block inputs: failure height (typed, or derived from
// CMRR), rock density, yield zone width (typed, or derived from the depth of
// cover), the design convergence, the failure type, and the load densities
// that follow. The standing-support criteria and the cable-bolt criteria each
// show one over their own half of the criteria record; a BlockRules tells the
// frame which half and how the two dialogs differ.
#pragma once

#include "model/criteria/block.h"
#include "model/records.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vesk {

class NumBox;


// Names and captions of the frame's labels that differ between the dialogs.
struct BlockWording {
    const char* title;
    const char* yieldLabel;   // name of the yield zone width's label
    const char* depthLabel;   // name of the depth's label
    const char* convCaption;  // "Design convergence" or "Design roof displacement"
    const char* copyCaption;  // beside the copy button
};

class BlockFrame : public QGroupBox {
    Q_OBJECT
public:
    // Works on `copy`, the dialog's working copy of the criteria.
    BlockFrame(QWidget* parent, CritRec& copy, const BlockRules& rules, const BlockWording& wording);

    // Fills the boxes from the copy, sets the check boxes from the flags (their
    // enabled boxes follow), shows the failure type, and calculates.
    void fill();

    // Reads the boxes into the copy and computes the load densities. The first
    // invalid box shows its message and ends it: false, with that box.
    bool calcblock();
    NumBox* lastInvalid() const { return lastInvalid_; }

    // Captions with the units in force.
    void setUnitCaptions();

    // The grid of the frame: dialogs add their own rows below nextRow().
    QGridLayout* grid() const { return grid_; }
    int nextRow() const;

    QPushButton* copyButton() const { return copy_; }
    NumBox* convBox() const { return conv_; }

    // Runs after each complete calculation (summary, storing, plot).
    std::function<void()> onCalculated;
    // Runs when the failure type is shown anew (the plot follows it).
    std::function<void()> onFailureType;

private:
    void failHtFromCMRR();
    void yieldZoneFromDepth();
    void showFailureType();
    void cmrrClicked();
    void depthClicked();
    void failureTypeClicked(bool arch);
    void safetyFactorEntered();
    void failed(NumBox* box, const QString& message, const QString& title);

    CritRec& c_;
    const BlockRules& rules_;
    bool settingUp_ = false;
    bool sfEdited_ = false;
    NumBox* lastInvalid_ = nullptr;

    QGridLayout* grid_ = nullptr;
    NumBox* fail_ = nullptr;
    NumBox* dens_ = nullptr;
    NumBox* cmrr_ = nullptr;
    NumBox* yield_ = nullptr;
    NumBox* depth_ = nullptr;
    NumBox* conv_ = nullptr;
    NumBox* sf_ = nullptr;
    QCheckBox* chkCMRR_ = nullptr;
    QCheckBox* chkDepth_ = nullptr;
    QCheckBox* shear_ = nullptr;
    QCheckBox* arch_ = nullptr;
    QLabel* labRMR_ = nullptr;
    QLabel* depthLabel_ = nullptr;
    QLabel* failLabel_ = nullptr;
    QLabel* densLabel_ = nullptr;
    QLabel* yieldLabel_ = nullptr;
    QLabel* convLabel_ = nullptr;
    QLabel* tpfLabel_ = nullptr;
    QLabel* unitDS_ = nullptr;
    QLabel* unitDA_ = nullptr;
    QLabel* labDS_ = nullptr;
    QLabel* labDA_ = nullptr;
    QLabel* lbBlockTpf_ = nullptr;
    QPushButton* copy_ = nullptr;
    const char* convCaption_;
};

}  // namespace vesk
