// The performance dialog of a cable-bolt support: the cable size and its
// options (coating, hole, bearing plate or mat), the lengths and the preload,
// the layout (cables per cable set calculated or typed, roof-bolt sets and
// their spacing), the criteria in force, the results, the blinking warnings
// and the plot of load density over roof displacement with its read-outs.
//
// It works on a copy of Cases(CurCaseNo) in CurCase and calculates after
// every change. "&Ok" calculates once more and, when the calculation goes
// through to its end, copies CurCase back and adds 1 to ChangeCount; else the
// dialog stays open. "&Cancel" (Escape, the close box) stores nothing. The
// model tables must hold the curves of the support's type.
#pragma once

#include "model/cablebolts/cableperf.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace vesk {

class NumBox;
class PlotPicture;
class PlotReadouts;
class WarningList;

class PerfCab : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 261;

    explicit PerfCab(QWidget* parent = nullptr);
    ~PerfCab() override;

    // The update on activation: the record into the layout boxes, the size
    // held within the sizes known, a calculation, the read-outs on the
    // design point.
    void activate();

    // Draws the plot on a page; marks are sized in twips, of which the page
    // has pagePerTwip units each.
    void drawPlot(QPainter& p, const QRect& page, double pagePerTwip);
    // The mouse over the picture (its own coordinates), and off it.
    void plotMouseMove(double x, double y);
    void plotMouseOff();

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildSpecFrame();
    void buildLayoutFrame();
    void buildCriteriaFrame();
    void buildResultFrames();
    void buildPlotFrame();
    void load();
    void connectBox(NumBox* box);

    // Runs the calculation and shows it; true when it went through to its end.
    bool calculate();
    CabInputs inputs() const;
    void showResults(const CabOutcome& o);
    void refreshPlot();
    QString unitLoadText(double tpf) const;

    // The handlers of the options and check boxes, run by the user's click
    // and, where a selection is made from code, by the code that makes it.
    void calculateOptionClick();
    void userOptionClick();
    void limitClick();
    void plateClick(int plate);
    void autoClick();
    void cablesFocus();
    void matLengthFocus();

    bool activated_ = false;
    bool calculating_ = false;
    bool plotReady_ = false;
    CabPlot plot_;

    QGroupBox* frame1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QCheckBox* chkCoat_ = nullptr;
    NumBox* txHole_ = nullptr;
    NumBox* txResin_ = nullptr;
    NumBox* txPreload_ = nullptr;
    QRadioButton* opt1in_ = nullptr;
    QRadioButton* opt138in_ = nullptr;
    QRadioButton* opt6in_ = nullptr;
    QRadioButton* opt8in_ = nullptr;
    QRadioButton* optMat_ = nullptr;
    QCheckBox* chkAuto_ = nullptr;
    NumBox* txMatLen_ = nullptr;

    QGroupBox* frameLayout_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    NumBox* textSpacing_ = nullptr;
    QCheckBox* chkEven_ = nullptr;
    QCheckBox* chkLimit4_ = nullptr;
    QLabel* lbSeq1_ = nullptr;
    NumBox* textSets_ = nullptr;
    NumBox* textRows_ = nullptr;

    QGroupBox* frame4_ = nullptr;
    QLabel* lbTpf_ = nullptr;
    QLabel* lbMaxConv_ = nullptr;
    QLabel* lbYield_ = nullptr;

    QGroupBox* frame5_ = nullptr;
    QLabel* lbNo_ = nullptr;
    QLabel* lbRows_ = nullptr;
    QLabel* lbActSpac_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QLabel* lbActual_ = nullptr;
    QLabel* lbConv_ = nullptr;
    QLabel* lbWarn_ = nullptr;
    QLabel* lbInstall_ = nullptr;

    QGroupBox* frame6_ = nullptr;
    WarningList* listWarn_ = nullptr;

    QGroupBox* frame2_ = nullptr;
    PlotPicture* pic_ = nullptr;
    QLabel* lbXAxMax_ = nullptr;
    QLabel* lbYAxMax_ = nullptr;
    std::unique_ptr<PlotReadouts> readouts_;

    QPushButton* comDone_ = nullptr;
    QPushButton* comCancel_ = nullptr;
    QPushButton* comHelp_ = nullptr;
};

}  // namespace vesk
