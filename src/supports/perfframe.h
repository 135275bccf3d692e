// The frame that the performance dialogs of standing supports share: the
// working copy of the support, the support layout (calculated or user-defined
// spacing, rows, staggered rows), the header and footer button, the design
// criteria, the results, the blinking warnings list, and the load-convergence
// plot with its mouse read-outs.
//
// A dialog of one support type derives from it, puts its inputs into the
// "Support Specifications" frame, and implements fillBoxes() and recompute(). The frame
// copies Cases(CurCaseNo) into CurCase when it is made; "&Ok" copies CurCase
// back and adds 1 to ChangeCount, "&Cancel" (Escape, the close box) does
// neither. Each time the dialog becomes active (when first shown, and after
// a dialog it opened has closed) the record goes into the boxes and the
// support is computed again, so what the other dialog changed is taken up.
//
// In selection mode (SelectMode set) the dialog only specifies the support:
// no layout, no design, no plot, no header and footer.
#pragma once

#include "model/supports/perfframe.h"
#include "platform/curveplot.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;
class QRadioButton;
class QRect;
class QShowEvent;

namespace vesk {

class NumBox;
class PlotReadouts;
class WarningList;

// One of a support type's input boxes that holds an element of CaseRec.Par:
// its name, its label's name, its caption and its unit code.
struct ParBox {
    const char* name;
    const char* label;
    const char* caption;
    int code;
};

// What a support type tells the frame about its dialog.
struct PerfDialogInfo {
    const char* name;                 // the window's name, "PerfPost"
    const char* performanceTitle;     // "Timber Post Performance"
    const char* specificationsTitle;  // the title in selection mode
    int helpContext;
    const char* cancelName = "ComCancel";
    const char* securityCaption = "Security-check convergence";
    // The rows box takes the typed number rounded down, not rounded.
    bool rowsRoundedDown = false;
};

class PerfFrame : public QDialog {
    Q_OBJECT
public:
    // Shows the header and footer dialog modally over the performance dialog
    // ("S&pecify"). Empty: the button opens nothing.
    static std::function<void(QWidget* parent)> OpenHeadFoot;

    ~PerfFrame() override;

    bool selectMode() const { return selectMode_; }

    // The update on activation: the record into the boxes, a recompute, and
    // the read-outs on the operating point.
    void activate();

    // Draws the plot on a page; marks are sized in twips, of which the page
    // has pagePerTwip units each.
    void drawPlot(QPainter& p, const QRect& page, double pagePerTwip);
    // Where the plot's values fall on the picture: the one mapping of the
    // drawing and the read-outs.
    PlotMapping plotMapping() const;
    // The mouse over the picture (its own coordinates), and off it.
    void plotMouseMove(double x, double y);
    void plotMouseOff();

public slots:
    // "&Ok". "&Cancel", Escape and the close box reject the dialog: the
    // support's record stays as it was.
    void accept() override;

protected:
    PerfFrame(QWidget* parent, const PerfDialogInfo& info);

    void showEvent(QShowEvent* event) override;

    // The rest of loading, once the type's inputs are in place: layout by
    // mode, the working copy, the design criteria panel, the layout options.
    void load();

    // The type's boxes from CurCase (the frame fills spacing and rows).
    virtual void fillBoxes() = 0;
    // Reads the boxes, computes and shows the results.
    virtual void recompute() = 0;
    // Draws the support's curve at this many tons per ton/ft of load density
    // (spacing / 12 / rows): model slot 1 of the curve tables unless a type
    // draws otherwise.
    virtual void drawSupportCurve(CurvePlot& plot, double tonsPerTpf);
    // Draws model m of the curve tables at that many tons per ton/ft.
    static void drawModelCurve(CurvePlot& plot, double tonsPerTpf, int m);
    // Where the load-density axis starts for a convergence axis of xmax (in):
    // twice the achieved load density unless a type starts it otherwise.
    virtual double plotYStart(double xmax) const;
    // Whether the picture stays blank, the load-density axis keeping its
    // previous maximum, for this start of the axis: never, unless a type
    // says so.
    virtual bool plotBlankAt(double yStart) const;

    // The type's inputs go here, a label in column 0 and a box in column 1.
    QGridLayout* specGrid() const { return specGrid_; }
    // The layout's spacing and rows boxes, for a type that reads or fills
    // them its own way.
    NumBox* spacingBox() const { return textSpacing_; }
    NumBox* rowsBox() const { return textRows_; }
    // A type's remark under the results.
    void addResultRemark(QWidget* w);
    // Enter in a type's box and leaving it recompute.
    void connectBox(NumBox* box);
    // Shows another dialog modally; the dialog becomes active again afterwards.
    void openChild(const std::function<void()>& open);

    // The layout boxes as the core reads them.
    LayoutInputs layoutInputs() const;
    // The last calculation made a design.
    bool designed() const { return designed_; }
    // The steps of showing a calculation.
    void showInputErrors(int count);
    void clearWarnings();
    // Runs a calculation of a type whose curve is built from its inputs: an
    // arithmetic error on the way puts the working record back and is shown
    // as the curve's failure.
    void calculateGuarded(const std::function<void()>& calculate);
    // Shows such a calculation's outcome: the count of bad inputs, or the
    // curve's failure, or the design with its warnings.
    template <class Outcome>
    void showOutcome(const Outcome& o)
    {
        if (o.errors > 0)
            return showInputErrors(o.errors);
        clearWarnings();
        if (o.curveFailed)
            return showCurveError();
        showResults(o.warnings, o.search, o.safetyFactor, o.coverage);
    }
    void showCurveError();
    // The design, or none; the warnings; the safety factor and roof coverage.
    void showResults(const std::vector<Warning>& warnings, const SearchResult& search, float safetyFactor,
                     float coverage);

private:
    void buildSpecFrame();
    void buildLayoutFrame();
    void buildCriteriaFrame();
    void buildResultFrames();
    void buildPlotFrame();
    void queueActivate();
    void setTabOrderInputsFirst();
    void showCriteria();
    void optionClick(bool second);
    void spacingFocus();
    void boxEntered(NumBox* box);
    void refreshPlot();
    // The operating point's unit load from a load density; empty without a design.
    QString unitLoadText(double tpf) const;

    PerfDialogInfo info_;
    bool selectMode_ = false;
    bool activated_ = false;
    bool designed_ = false;
    bool plotBlank_ = false;
    double xmax_ = 0, ymax_ = 0;

    QGroupBox* frame1_ = nullptr;
    QGridLayout* specGrid_ = nullptr;
    QGridLayout* resultGrid_ = nullptr;
    QPushButton* comArea_ = nullptr;
    QLabel* lbArea_ = nullptr;

    QGroupBox* frameLayout_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    NumBox* textSpacing_ = nullptr;
    NumBox* textRows_ = nullptr;
    QCheckBox* chkStag_ = nullptr;

    QGroupBox* frame4_ = nullptr;
    QLabel* lbCriteria_ = nullptr;
    QLabel* lbTpf_ = nullptr;
    QLabel* lbMaxConv_ = nullptr;
    QLabel* lbTiming_ = nullptr;
    QLabel* lbAtype_ = nullptr;
    QLabel* lbYieldReq_ = nullptr;
    QLabel* lbYield_ = nullptr;

    QGroupBox* frame5_ = nullptr;
    QLabel* lbRows_ = nullptr;
    QLabel* lbActSpac_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QLabel* lbConv_ = nullptr;
    QLabel* lbActual_ = nullptr;
    QLabel* lbWarn_ = nullptr;
    QLabel* lbInstall_ = nullptr;

    QGroupBox* frame6_ = nullptr;
    WarningList* listWarn_ = nullptr;

    QGroupBox* frame2_ = nullptr;
    QWidget* pic_ = nullptr;
    QLabel* lbCheck_ = nullptr;
    std::unique_ptr<PlotReadouts> readouts_;
    QLabel* lbXAxMax_ = nullptr;
    QLabel* lbYAxMax_ = nullptr;

    QPushButton* comDone_ = nullptr;
    QPushButton* comCancel_ = nullptr;
    QPushButton* comHelp_ = nullptr;
};

}  // namespace vesk
