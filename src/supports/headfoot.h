// The header and footer of the current standing support: its contact areas
// against roof and floor (for the bearing checks) and its two plan dimensions
// (for the roof coverage), edited in the working record CurCase, with the
// support's defaults and the areas that the last peak load requires beside
// them. A file-defined type edits the element of its chosen size, every
// other type element 1.
#pragma once

#include <QDialog>

class QLabel;

namespace vesk {

class NumBox;

class HeadFoot : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 279;

    // A peak load of 0 or less is taken as 100 tons from here on.
    explicit HeadFoot(QWidget* parent = nullptr);

    // The element of the per-size arrays that the dialog edits.
    int areaSlot() const { return slot_; }

private:
    void showRequiredAreas();
    void useDefaultAreas();
    void useDefaultDimensions();
    // "&Ok": all four values stored when each is above 0, else none.
    void done();

    int slot_ = 1;
    NumBox* txRoof_ = nullptr;
    NumBox* txFloor_ = nullptr;
    NumBox* txWidth_ = nullptr;
    NumBox* txLength_ = nullptr;
    QLabel* lbReqR_ = nullptr;
    QLabel* lbReqF_ = nullptr;
};

}  // namespace vesk
