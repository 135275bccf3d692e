// The design criteria dialog of standing supports: entry size, bearing
// strengths, the frame of the chosen design basis, the summary with the
// security check, and the commit with its change detection.
//
// The dialog edits a working copy of the criteria; "&Ok" writes it back whole
// and raises the change flags, "&Cancel" (and the close box) drops it.
#pragma once

#include "criteria/maxyield.h"
#include "model/records.h"
#include "model/supportedit.h"
#include "model/supportstate.h"
#include "platform/curveplot.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QPainter;
class QRadioButton;
class QRect;
class QLabel;
class QPushButton;
class QWidget;

namespace vesk {

class BlockFrame;
class EntryFrame;
class NumBox;

// The picture of the criteria plot: paints and passes the mouse to the form.
QWidget* MakePlotPicture(QWidget* parent, class FormMine* form);

class FormMine : public QDialog {
    Q_OBJECT
public:
    explicit FormMine(QWidget* parent = nullptr);
    ~FormMine() override;

    // Validates the block inputs and computes the block's load density.
    void calcblock();

    // What the uncontrolled-convergence dialog is given and gives back.
    UconvExchange Uconv;

    // The criteria being edited.
    const CritRec& workingCopy() const { return crit_; }

    // Draws the criteria plot on a page (the screen's picture, or any other).
    void drawPlot(QPainter& p, const QRect& page);
    // The plot's mouse: moving over it, leaving it, and a click.
    void plotMouseMove(double x, double y);
    void plotMouseLeave();
    PlotMapping plotMapping() const;
    void plotMouseDown(Qt::MouseButton button, double x, double y);

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildCommonFrames();
    void buildBasisFrames();
    void buildPlotFrame();
    void buildBeamFrame(QGroupBox* frame, QGridLayout* grid);
    void buildSystFrame(QGroupBox* frame, QGridLayout* grid);
    void buildArbFrame(QGroupBox* frame, QGridLayout* grid);
    void activate();
    void showBasisFrame();
    // The boxes of a basis from the working criteria, and its first calculation.
    void showUncontrolledConv();
    void fillBasis(int basis);
    void recomputeBasis();
    void updateSummary();
    void storeBasisInputs();
    void setUnitCaptions();
    void showCoordMode();
    void redrawPlot();
    void combo1Click(int position);
    void setBlockFromCurve();
    void heaveClicked();
    void copyToCable();
    bool bearingEntered(NumBox* box);

    // Ground reaction curve basis.
    void endTreatmentClicked(int mode);
    void applyEndTreatment();
    void calcGrDesign();
    int endMode() const;
    // Current support system basis.
    void selectSupport();
    void showCurrentSupport();
    void calcCurrentSystem();
    void setCurrFromCurve();
    // Arbitrary criteria.
    bool calcArbitrary();
    void arbCalc();
    void arbSetFromCurve();
    void focusInvalidArbitrary();
    void editCurves();
    int helpContext() const;
    int curveIdAtList() const;

    CritRec crit_;
    // A support deleted in the list opened from here renumbers the system in use.
    SupportNumberHold sysHold_{crit_.SysCase};
    bool firstActivate_ = true;
    bool activated_ = false;
    bool copiedToCable_ = false;
    bool sizeEdited_ = false;
    bool sysSelected_ = false;
    bool hover_ = false;
    int curveListIndex_ = 0;
    double xmax_ = 0, ymax_ = 0;  // plot axes, English units
    SupportState supportsAtOpening_;

    EntryFrame* entry_ = nullptr;
    NumBox* txRoof_ = nullptr;
    NumBox* txFloor_ = nullptr;
    std::array<QGroupBox*, 4> basisFrames_{};
    std::array<QLabel*, 4> lbUconv_{};
    std::array<QLabel*, 4> lbHeave_{};
    BlockFrame* block_ = nullptr;

    NumBox* txGRconv_ = nullptr;
    NumBox* txGRdes_ = nullptr;
    QLabel* lbMaxTpf_ = nullptr;
    QLabel* lbGrTpf_ = nullptr;
    QLabel* lbSFactor_ = nullptr;
    std::array<QRadioButton*, 3> endOpt_{};

    QLabel* labCurrName_ = nullptr;
    QLabel* labCurrType_ = nullptr;
    QLabel* labModel_ = nullptr;
    NumBox* txSpac_ = nullptr;
    NumBox* txRows_ = nullptr;
    NumBox* txCurrConv_ = nullptr;
    QLabel* labCurrTpf_ = nullptr;

    NumBox* txArbTpf_ = nullptr;
    NumBox* txArbConv_ = nullptr;
    NumBox* txArbTons_ = nullptr;
    NumBox* txArbSpac_ = nullptr;
    NumBox* txArbRows_ = nullptr;

    QLabel* lbTpf_ = nullptr;
    QLabel* lbConv_ = nullptr;
    QLabel* lbYield_ = nullptr;
    QLabel* lbYieldReq_ = nullptr;
    QLabel* lbAtype_ = nullptr;
    QLabel* lbCont_ = nullptr;
    QLabel* lbUncont_ = nullptr;
    QLabel* lbLegend_ = nullptr;

    QComboBox* combo1_ = nullptr;
    QLabel* labId_ = nullptr;
    QWidget* pic1_ = nullptr;
    QLabel* lbPlotTons_ = nullptr;
    QLabel* lbPlotConv_ = nullptr;
    QLabel* lbCoord_ = nullptr;
    QLabel* lbClick1_ = nullptr;
    QLabel* lbClick2_ = nullptr;
    QLabel* lbXmax_ = nullptr;
    QLabel* lbYmax_ = nullptr;

    // Captions that carry a unit.
    QLabel* label16_ = nullptr;
    QLabel* label38_ = nullptr;
    QLabel* label31_ = nullptr;
    QLabel* label9_ = nullptr;
    QLabel* label52_ = nullptr;
    QLabel* label53_ = nullptr;
};

}  // namespace vesk
