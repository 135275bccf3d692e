// The loading display: how a support of the type InfoType takes load as the
// entry converges. For one of the type's loading models it draws the
// model's load-convergence curve and steps through the photographs of a
// test, each taken at a known convergence, marking that convergence on the
// curve and showing the load reached there.
#pragma once

#include "files/loadingmodel.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;

namespace vesk {

class PictureSteps;
class PictureView;
class PlotPicture;

class FailPlot : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 297;
    // Inner sizes of the curve box and the photo view, in pixels.
    static constexpr int kCurveWidth = 320;
    static constexpr int kCurveHeight = 240;
    static constexpr int kPhotoWidth = 320;
    static constexpr int kPhotoHeight = 240;

    // Lists the loading models of InfoType and shows the first at its first
    // step.
    explicit FailPlot(QWidget* parent = nullptr);

    int numSteps() const { return numSteps_; }
    // The convergence (in) marked on the curve; none without a step.
    std::optional<float> marker() const { return marker_; }

private:
    void modelChosen();
    void showStep();
    void bitmapPath();
    void drawCurve(QPainter& p, const QRect& page) const;

    int numSteps_ = 0;
    int firstStep_ = 0;
    LoadingAxes axes_;
    std::optional<float> marker_;
    PictureSteps* steps_ = nullptr;
    PictureView* photo_ = nullptr;
    PlotPicture* picPerf_ = nullptr;
    QComboBox* comboModel_ = nullptr;
    QLabel* lbXmax_ = nullptr;
    QLabel* lbYmax_ = nullptr;
    QLabel* labConv_ = nullptr;
    QLabel* labTons_ = nullptr;
    QLabel* lbNoPic_ = nullptr;
};

}  // namespace vesk
