// The figure viewer: the design information of one catalogue entry (the
// support type InfoType, or the testing laboratory for InfoType 0). It
// shows the entry's design figures one at a time with their numbers and
// captions, its design considerations from consider.txt and its
// manufacturers and contacts from mfg.txt. The information center opens it
// modally, after setting its caption and filling its texts.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vesk {

class PictureSteps;
class PictureView;

class FormPic : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 283;
    // The inner size of the figure view, in pixels.
    static constexpr int kViewWidth = 400;
    static constexpr int kViewHeight = 300;

    // Prepares the figures of InfoType and shows the first.
    explicit FormPic(QWidget* parent = nullptr);

    // The considerations and the manufacturer list of InfoType.
    void fillText();

    // Loads the information center's caption, texts and figures and shows
    // the window modally.
    static void open(QWidget* parent, const QString& caption);

    int numFigs() const { return numFigs_; }

private:
    void showFigure();
    void bitmapPath();

    int numFigs_ = 0;
    int firstFig_ = 0;
    PictureSteps* steps_ = nullptr;
    PictureView* picture_ = nullptr;
    QLabel* lbCaption_ = nullptr;
    QLabel* labNum_ = nullptr;
    QLabel* lbNoPic_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    QListWidget* list2_ = nullptr;
};

}  // namespace vesk
