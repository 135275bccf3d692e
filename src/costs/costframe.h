// The frame that the cost and material-handling dialogs share: six tabs
// ("Summary", "Costs", "Cost Models", "Construction", "Transport", "Work"),
// the working copy of the support, the cost boxes with their reading in
// groups, the typed costs that stand in for the modelled ones, the reset of a
// tab's inputs to the support's defaults, and the results of the cost
// pipeline.
//
// A dialog of one support family derives from it, puts its transport-volume
// inputs and labels into the frame "Support transport volume" and supplies
// its quantity model; then it calls load(). The frame copies
// Cases(CurCaseNo) into CurCase when it loads and recomputes when it is first
// shown. "&Ok" (only on "Summary") recomputes once more and, when every box is
// good, copies CurCase back and adds 1 to ChangeCount; with a bad box it names
// the box's group, shows the tab that holds the box and stays open. "&Cancel",
// Escape and the close box change nothing.
//
// "Cost Models" can be chosen only through "Edit Cost Models" on "Costs": it
// is locked again as soon as another tab is chosen.
#pragma once

#include "model/costs/costpipeline.h"

#include <QDialog>
#include <QString>

#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QShowEvent;
class QTabWidget;

namespace vesk {

class MouseUpCheckBox;
class NumBox;

// The tabs by index.
enum CostTab : int { kSummaryTab, kCostsTab, kCostModelsTab, kConstructionTab, kTransportTab, kWorkTab };

// What a family tells the frame about its dialog.
struct CostDialogInfo {
    const char* name;     // the window's name, "MatCrib"
    const char* caption;  // the window's caption
    int helpContext;
    bool plainLabourRate = false;  // the labour rate shown without a pattern
    // The support's model comes in sizes: the dialog works on element
    // SizeIdx + 1, and its caption (the one given, ending in " - ")
    // names the support type.
    bool modelSizes = false;
};

class CostFrame : public QDialog {
    Q_OBJECT
public:
    ~CostFrame() override;

    // The update on activation (when first shown): the caption, and a
    // recompute, which also gives never-typed costs the model's values.
    void activate();

    // Reads the boxes into CurCase, runs the quantity model and the cost
    // pipeline and shows the results; false, with the reader's message shown
    // and nothing computed, when a box is bad.
    bool recompute();

public slots:
    // "&Ok": commits only what a successful recompute gave.
    void accept() override;

protected:
    CostFrame(QWidget* parent, const CostDialogInfo& info);

    void showEvent(QShowEvent* event) override;

    // The rest of loading, once the family's controls are in place: unit
    // captions, the working copy, the boxes, the tabs.
    void load();

    // The element of the cost fields (the record's size slot) that the dialog
    // works on: 1 unless the family says otherwise.
    virtual int element() const;
    // The unit codes of the unit cost and the unit weight.
    virtual int unitCostCode() const = 0;
    virtual int unitWeightCode() const = 0;
    // The unit code of the construction time (0: per piece or support, not
    // converted), and whether the unit weight is per ft of height (shown per
    // metre in metric units).
    virtual int timeCode() const;
    virtual bool weightPerHeight() const;
    // The window's caption at each activation: the given one unless the family
    // says otherwise.
    virtual QString windowCaption() const;
    // Captions of the family's own labels, and frame captions that it words
    // otherwise, for the unit system in force (after the frame's own).
    virtual void setMemberCaptions();
    // Captions that follow the record, set when the boxes are filled.
    virtual void setRecordCaptions();
    // The family's transport-volume boxes and labels from CurCase, and its
    // boxes of another tab (after the frame's boxes of that tab).
    virtual void fillMemberBoxes() = 0;
    virtual void fillMemberGroup(int tab);
    // Its transport-volume boxes as read, in reading order, and the fields
    // that the "Transport" reset restores besides the frame's.
    virtual std::vector<MemberCostBox> memberBoxes() const = 0;
    virtual std::vector<SizeF CaseRec::*> memberTransportFields() const = 0;
    // Its quantities of one support from CurCase and the entry height.
    virtual CostQuantities quantities() const = 0;
    // Its own rules for some pipeline steps, and how it reads.
    virtual CostRules rules() const;
    virtual CostReadOrder readOrder() const;
    // After a reading of the boxes that stopped at a bad box, or one whose
    // results are shown, with the family's boxes as they were read.
    virtual void afterRead(const CostReadResult& read, const std::vector<MemberCostBox>& boxes);
    // Shows what the family shows of the pipeline's results besides the
    // frame's.
    virtual void showMemberResults(const CostResults& r);
    // Restores the inputs of "Reset defaults" with index 0 to 3 in CurCase
    // from the support's default record (the frame's groups, the family's
    // transport-volume fields with the "Transport" tab).
    virtual void restoreDefaults(int index);

    // The frame "Support transport volume": a caption in column 0, the box
    // or label in column 1. The frame's volume label goes under the rows
    // that the family adds before load().
    QGridLayout* volumeGrid() const { return volumeGrid_; }
    // Adds a row of a caption and a box or label to a grid; the caption is
    // then caption(name of w).
    QLabel* addRow(QGridLayout* grid, QWidget* w, const QString& text);
    // Makes a box that recomputes on Enter and on leaving it, or a panel for
    // a value, and adds it to a grid in a row with its caption.
    NumBox* boxRow(QWidget* parent, QGridLayout* grid, const char* name, const QString& text);
    QLabel* panelRow(QWidget* parent, QGridLayout* grid, const char* name, const QString& text);
    // A frame across both columns of a grid; its own grid for rows.
    QGridLayout* frameRow(QGridLayout* grid, const char* name, const char* title);
    // The caption label of a box or label of the frame or the family.
    QLabel* caption(const QString& controlName) const;
    // Gives labels a member's own names, once loaded: each pair names a
    // control whose caption is renamed (or, with no caption, a label of that
    // name) and the new name.
    void nameLabels(std::initializer_list<std::pair<const char*, const char*>> names);
    // Lays a grid of rows out again: the controls in this order, each in
    // column 1 with its caption in column 0. Controls of the grid not listed
    // are taken out of it (and hidden).
    void setRows(QGridLayout* grid, const std::vector<QWidget*>& controls);
    // The grid that holds a control.
    static QGridLayout* gridHolding(QWidget* control);
    // Enter in a family's box and leaving it recompute.
    void connectBox(NumBox* box);
    // Puts the note on cost estimates on "Cost Models" (LbNote) and, in a
    // frame of notes, on "Costs" (LbNote1).
    void addCostNote();
    QTabWidget* tabs() const { return tabs_; }

private:
    void buildSummary();
    void buildCosts();
    void buildCostModels();
    void buildConstruction();
    void buildTransport();
    void buildWork();
    QPushButton* addReset(QWidget* page, int index);
    NumBox* makeBox(QWidget* parent, const char* name);
    static QLabel* makePanel(QWidget* parent, const char* name);
    void setTabOrderByTabs();

    void setUnitCaptions();
    void fillBoxes();
    void fillTypedCosts();
    void fillGroup(int tab);
    CommonCostInputs commonInputs() const;
    void showResults(const CostResults& r);
    void resetDefaults(int index);
    void tabChanged(int index);
    void editCostModels();
    void showBadBox(const CostReadResult& bad);
    void boxFocused(NumBox* box);
    void boxLeaving(NumBox* box);
    void boxEntered(NumBox* box);
    void boxLeft(NumBox* box);
    void typedCostDone(NumBox* box, MouseUpCheckBox* model, bool entered);
    void queueActivate();

    CostDialogInfo info_;
    bool activated_ = false;
    bool costTyped_ = false;        // a typed-cost box changed since one of them got the focus
    NumBox* focusBox_ = nullptr;    // the box that has the focus and has not been left yet
    NumBox* hiddenBox_ = nullptr;   // a box that lost the focus by being hidden, not left yet
    CostReadResult lastRead_;
    std::map<QString, QLabel*> captions_;

    QTabWidget* tabs_ = nullptr;
    QLabel* lbSelExit_ = nullptr;
    QPushButton* comDone_ = nullptr;
    QPushButton* comCancel_ = nullptr;
    QPushButton* comHelp_ = nullptr;
    QPushButton* comEdMat_ = nullptr;
    QGridLayout* volumeGrid_ = nullptr;

    // Summary.
    QLabel *lbSumCost_ = nullptr, *lbSumMin_ = nullptr, *lbSumRate_ = nullptr, *lbSumCar_ = nullptr,
           *lbSumTrip_ = nullptr, *lbSumWt_ = nullptr, *lbSumPiece_ = nullptr, *lbSumWork_ = nullptr;
    QLabel *sumWtUnit_ = nullptr, *sumWorkUnit_ = nullptr;
    // Costs.
    NumBox *txCostMat_ = nullptr, *txCostConstr_ = nullptr, *txCostTrans_ = nullptr;
    MouseUpCheckBox *chkMat_ = nullptr, *chkConstr_ = nullptr, *chkTrans_ = nullptr;
    QLabel* lbTotCost_ = nullptr;
    // Cost Models.
    NumBox *txCost_ = nullptr, *txFabr_ = nullptr, *txShip_ = nullptr, *txFixCost_ = nullptr,
           *txLabCost_ = nullptr, *txCrew_ = nullptr, *txTripCost_ = nullptr, *txLoadCost_ = nullptr,
           *txUnloadCost_ = nullptr;
    QLabel *lbMatCost_ = nullptr, *lbLabCost_ = nullptr, *lbConstCost_ = nullptr, *lbTripCost_ = nullptr;
    // Construction.
    NumBox *txTime_ = nullptr, *txFixTime_ = nullptr, *txShift_ = nullptr;
    QLabel *lbTotTime_ = nullptr, *lbRate_ = nullptr;
    // Transport.
    NumBox *txLen_ = nullptr, *txWid_ = nullptr, *txHt_ = nullptr, *txCars_ = nullptr;
    QLabel *lbSuppVol_ = nullptr, *lbVol_ = nullptr, *lbPerCar_ = nullptr, *lbPerTrip_ = nullptr;
    // Work.
    NumBox *txWt_ = nullptr, *txNoPiece_ = nullptr, *txSecWt_ = nullptr, *txFixWt_ = nullptr;
    QLabel *lbNoPiece_ = nullptr, *lbTotWt_ = nullptr, *lbTotWork_ = nullptr;
};

}  // namespace vesk
