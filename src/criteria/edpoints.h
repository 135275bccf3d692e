// The point editor of one ground reaction curve (WorkCurve): each point is a
// field measurement (convergence, the rows, spacing and load of the supports
// standing there, the entry's width and height) kept in ascending
// convergence with its load intensity, plotted against convergence.
//
// "&Ok" keeps the curve as edited (at least two points); "&Cancel" and
// Escape return it with no points; the close box keeps it as edited. The
// entry height, which "Calc" sets to the point's height, is restored on
// closing.
#pragma once

#include "model/criteria/curvelib.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vesk {

class NumBox;
class PointPlot;

class EdPoints : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 278;

    explicit EdPoints(QWidget* parent = nullptr);

    // The input-error bits of the last reading of the boxes.
    enum ErrorBit { kErrConv = 1, kErrSpacing = 2, kErrRows = 4, kErrWidth = 8, kErrHeight = 16, kErrTons = 32,
                    kErrRange = 64 };

public slots:
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class PointPlot;

    void listClick(int row);
    void readEditedPoint();
    void checkMismatch();
    void sortPoints();
    void addPoint();
    void updatePoint();
    void deletePoint();
    void calcLoad();
    bool inputErrors();
    void redraw();
    void paintPlot(QPainter& p, const QRect& page);
    void mouseMoved(QPoint pos);
    void mouseLeft();
    void showCoordMode();
    void showPointCoords();
    void setUnitCaptions();

    GrPoint pt_;
    int errors_ = 0;
    float savedEntryHt_ = 0;
    bool hover_ = false;
    bool byCloseBox_ = false;
    double xmax_ = 0, ymax_ = 0;

    QLineEdit* txName_ = nullptr;
    NumBox* txConv_ = nullptr;
    NumBox* txSpacing_ = nullptr;
    NumBox* txRows_ = nullptr;
    NumBox* txTons_ = nullptr;
    NumBox* txWidth_ = nullptr;
    NumBox* txHeight_ = nullptr;
    QLabel* lbEdTpf_ = nullptr;
    QLabel* lbEdTpsf_ = nullptr;
    QLabel* lbEdErr_ = nullptr;
    QLabel* lbConv_ = nullptr;
    QLabel* lbTons_ = nullptr;
    QLabel* lbTpf_ = nullptr;
    QLabel* lbXmax_ = nullptr;
    QLabel* lbYmax_ = nullptr;
    QLabel* lbCoord_ = nullptr;
    QLabel* lbWarn_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* comDetail_ = nullptr;
    PointPlot* pic1_ = nullptr;

    // Captions that carry a unit.
    QLabel* labConv_ = nullptr;
    QLabel* labSpacing_ = nullptr;
    QLabel* labTons_ = nullptr;
    QLabel* labWidth_ = nullptr;
    QLabel* labHeight_ = nullptr;
    QLabel* labEdTpf_ = nullptr;
    QLabel* labEdTpsf_ = nullptr;
    QLabel* labList_ = nullptr;
    QLabel* labPlotConv_ = nullptr;
    QLabel* labPlotTons_ = nullptr;
    QLabel* labPlotTpf_ = nullptr;
};

}  // namespace vesk
