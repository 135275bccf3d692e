// Pieces shared by the start-up windows and the main window: text printed
// line by line into a picture (centred lines with a shadow, the outline of
// the work), the start-up artwork, the version lines of defaults.txt, the
// windows of the start-up chain and the end of the program.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QPainter;
class QPaintDevice;

namespace vesk {

// ---- Text printed into a picture ------------------------------------------

// Prints lines into a picture from the top down, as a picture box prints:
// each line is drawn with its top at the current y, which then moves down by
// the height of the font. Without a painter the lines are only measured and
// recorded (for sizing a picture and for tests).
class PicturePrinter {
public:
    struct Line {
        QString text;
        qreal x = 0;
        qreal y = 0;  // top of the line
        bool bold = false;
        QColor color;
    };

    // width: the picture's width in pixels. device gives the resolution for
    // measuring when there is no painter (the screen when null).
    PicturePrinter(QPainter* painter, int width, const QFont& font, const QPaintDevice* device = nullptr);

    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    void setBold(bool bold);
    void setColor(const QColor& color) { color_ = color; }

    qreal y() const { return y_; }
    void setY(qreal y) { y_ = y; }
    int width() const { return width_; }

    qreal textWidth(const QString& text) const;
    qreal lineHeight() const;

    // One line at x, then the current y moves to the next line.
    void print(const QString& text, qreal x);

    // Every line printed so far, in order.
    const QList<Line>& printed() const { return printed_; }
    // The largest text width printed so far.
    qreal widestText() const { return widest_; }

private:
    QPainter* painter_;
    const QPaintDevice* device_;
    int width_;
    QFont font_;
    QColor color_ = Qt::black;
    qreal y_ = 0;
    qreal widest_ = 0;
    QList<Line> printed_;
};

// Characters per line of the centred text: 480 divided by the width of "e"
// in whole pixels, at least 1.
int CharsPerLine(const PicturePrinter& pic);

// The pieces that a text is printed in, at most perLine characters each. A
// piece that is not the last ends at the last blank within reach (the blank
// stays with it), or after perLine characters when there is no blank.
QStringList CutIntoLines(const QString& text, int perLine);

// Prints a text as centred lines: x = (picture width - text width) \ 2 + d.
void PrintCentred(PicturePrinter& pic, const QString& text, int d);

// The disclaimer and the cost note print their paragraphs twice: a black
// shadow two pixels down and right, then the text in yellow over it. Each
// paragraph is preceded by an empty line.
void PrintShadowText(PicturePrinter& pic, const QStringList& paragraphs);

// Point size of the start-up text: 10 when the screen has fewer than 15
// twips per pixel (a large-font screen), else 12.
int StartupPointSize(double logicalDpi);
QFont StartupFont(double logicalDpi);

// ---- The outline of the work ------------------------------------------------

inline constexpr const char* kOutlineTitle = "General Procedure for Support Design and Evaluation";

// The outline as the main window and the program-flow note show it: the
// title bold and centred, headings bold at the width of "W", items plain at
// three times that width.
void PrintOutline(PicturePrinter& pic);

// The font of the outline pictures (before bold is applied).
QFont OutlineFont();

// ---- Pictures -------------------------------------------------------------

// A picture box: a widget painted by one drawing routine over a painter and
// the widget's rectangle. The routine draws the whole picture.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    using Drawing = std::function<void(QPainter&, const QRect&)>;

    explicit PictureBox(QWidget* parent = nullptr);

    void setDrawing(Drawing drawing);
    void setPreferredSize(const QSize& size);
    QSize sizeHint() const override { return preferred_; }
    QSize minimumSizeHint() const override { return preferred_; }

    // The picture drawn into an image of the box's size.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
    QSize preferred_{320, 200};
};

// The artwork of the start-up pictures (an entry in cross-section with a crib
// and posts) from startup.svg in the program's folder, at its own size. A
// null pixmap when the file is missing.
QPixmap StartupArtwork();
inline constexpr const char* kArtworkFile = "startup.svg";
// The colour behind the artwork and the start-up text.
QColor StartupBackground();

// ---- Version ----------------------------------------------------------------

// Reads line 3 of defaults.txt into VersionText and line 5 into VersionDate.
// False when the file is missing or shorter than five lines; what was read
// before then stays.
bool ReadVersionLines();
// What the disclaimer shows: "Version 2.3" and the date on a second line, or
// the built-in version when the file could not be read.
QString VersionLabelText(bool fileRead);

// ---- The start-up chain ---------------------------------------------------------

// A window of the start-up chain. The next window, while it loads, closes it
// with handOver(); closing it any other way ends the program. The windows
// that the chain opens delete themselves when closed.
class ChainWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChainWindow(QWidget* parent = nullptr);
    // Shows the window where the chain window `previous` stands, centred over
    // it, then closes `previous`.
    void load(QWidget* previous);
    // Closes the window on behalf of the next one, which is already shown.
    void handOver();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool handedOver_ = false;
};

// Closes the chain window `previous` (if any) for a window that is now shown.
void CloseChainPredecessor(QWidget* previous);

// Ends the program: closes the help window and leaves the event loop. Tests
// put a hook of their own in place (an empty hook restores the default).
void EndProgram();
void SetEndProgramHook(std::function<void()> hook);

}  // namespace vesk
