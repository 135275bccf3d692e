#include "shell/startup.h"

#include "model/globals.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/qtext.h"
#include "files/fieldreader.h"
#include "files/textfile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace vesk {

// ---- PicturePrinter -----------------------------------------------------------

PicturePrinter::PicturePrinter(QPainter* painter, int width, const QFont& font, const QPaintDevice* device)
    : painter_(painter), device_(device), width_(width), font_(font)
{
    if (painter_ && !device_)
        device_ = painter_->device();
}

void PicturePrinter::setFont(const QFont& font) { font_ = font; }

void PicturePrinter::setBold(bool bold) { font_.setBold(bold); }

qreal PicturePrinter::textWidth(const QString& text) const
{
    QFontMetricsF fm(font_, const_cast<QPaintDevice*>(device_));
    return fm.horizontalAdvance(text);
}

qreal PicturePrinter::lineHeight() const
{
    QFontMetricsF fm(font_, const_cast<QPaintDevice*>(device_));
    return fm.height();
}

void PicturePrinter::print(const QString& text, qreal x)
{
    QFontMetricsF fm(font_, const_cast<QPaintDevice*>(device_));
    if (painter_) {
        painter_->setFont(font_);
        painter_->setPen(color_);
        painter_->drawText(QPointF(x, y_ + fm.ascent()), text);
    }
    printed_.append({text, x, y_, font_.bold(), color_});
    widest_ = std::max(widest_, fm.horizontalAdvance(text));
    y_ += fm.height();
}

// ---- Centred text ---------------------------------------------------------------

int CharsPerLine(const PicturePrinter& pic)
{
    // Both sides of an integer division are whole numbers, rounded half to even.
    const double e = std::nearbyint(pic.textWidth(QStringLiteral("e")));
    if (e < 1)
        return 480;
    return std::max(1, static_cast<int>(480 / static_cast<int>(e)));
}

QStringList CutIntoLines(const QString& text, int perLine)
{
    const qsizetype n = text.size();
    const qsizetype L = std::max(1, perLine);
    if (n <= L)
        return {text};
    QStringList lines;
    qsizetype s = 0;
    while (s < n) {
        qsizetype end = s + L - 1;
        if (end < n - 1) {
            for (qsizetype j = end; j >= s + 1; --j) {
                if (text[j] == QLatin1Char(' ')) {
                    end = j;
                    break;
                }
            }
        } else {
            end = n - 1;
        }
        lines << text.mid(s, end - s + 1);
        s = end + 1;
    }
    return lines;
}

void PrintCentred(PicturePrinter& pic, const QString& text, int d)
{
    const int L = CharsPerLine(pic);
    for (const QString& piece : CutIntoLines(text, L)) {
        const auto w = static_cast<long>(std::nearbyint(pic.textWidth(piece)));
        pic.print(piece, static_cast<qreal>((pic.width() - w) / 2 + d));
    }
}

void PrintShadowText(PicturePrinter& pic, const QStringList& paragraphs)
{
    const struct {
        QColor color;
        int offset;
    } passes[] = {{Qt::black, 2}, {QColor(255, 255, 0), 0}};
    for (const auto& pass : passes) {
        pic.setColor(pass.color);
        pic.setY(pass.offset);
        for (const QString& paragraph : paragraphs) {
            PrintCentred(pic, QStringLiteral(" "), pass.offset);
            PrintCentred(pic, paragraph, pass.offset);
        }
    }
}

int StartupPointSize(double logicalDpi)
{
    const double twipsPerPixel = logicalDpi > 0 ? 1440.0 / logicalDpi : 15.0;
    return twipsPerPixel < 15 ? 10 : 12;
}

QFont StartupFont(double logicalDpi)
{
    QFont f = SerifFont(StartupPointSize(logicalDpi));
    f.setBold(true);
    return f;
}

// ---- Outline --------------------------------------------------------------------

QFont OutlineFont() { return SansFont(10); }

void PrintOutline(PicturePrinter& pic)
{
    pic.setBold(true);
    const qreal w = std::nearbyint(pic.textWidth(QStringLiteral("W")));
    pic.setY(0);
    const QString title = QString::fromLatin1(kOutlineTitle);
    pic.print(title, (pic.width() - pic.textWidth(title)) / 2);
    pic.print(QStringLiteral(" "), 0);

    const auto heading = [&](const char* text) {
        pic.setBold(true);
        pic.print(QString::fromLatin1(text), w);
    };
    const auto item = [&](const char* text) {
        pic.setBold(false);
        pic.print(QString::fromLatin1(text), 3 * w);
    };
    const auto gap = [&] { pic.print(QStringLiteral(" "), 0); };

    heading("1. Define Design Criteria");
    item("- Required roof support capacity");
    item("- Maximum allowable convergence");
    gap();
    heading("2. Select Support Alternatives to Analyze/Compare");
    item("- Existing support(s)");
    item("- Review background information for alternative supports");
    item("- Adjust/optimize design to meet design criteria");
    item("- Adjust costs and material handling values for site-specific conditions");
    gap();
    heading("3. Review Performance and Cost Comparisons");
    item("- Evaluate alternative supports based on ground control, cost, material handling");
    item("- Save or print results");
}

// ---- PictureBox -----------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setDrawing(Drawing drawing)
{
    drawing_ = std::move(drawing);
    update();
}

void PictureBox::setPreferredSize(const QSize& size)
{
    preferred_ = size;
    updateGeometry();
}

QImage PictureBox::render() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (drawing_) {
        QPainter p(&image);
        drawing_(p, image.rect());
    }
    return image;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (drawing_)
        drawing_(p, rect());
    else
        p.fillRect(rect(), palette().window());
}

QPixmap StartupArtwork()
{
    const QString file = QString::fromStdString(AppFilePath(kArtworkFile));
    if (!QFileInfo::exists(file))
        return {};
    QSvgRenderer svg(file);
    if (!svg.isValid())
        return {};
    QImage image(svg.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    svg.render(&p);
    p.end();
    return QPixmap::fromImage(image);
}

QColor StartupBackground() { return QColor(0x1b, 0x28, 0x38); }

// ---- Version ----------------------------------------------------------------------

bool ReadVersionLines()
{
    FileBytes f = ReadFileBytes(AppFilePath("defaults.txt"));
    if (f.status != FileStatus::Ok)
        return false;
    try {
        FieldReader rd(std::move(f.bytes));
        rd.skipLines(2);
        if (rd.atEnd())
            return false;
        G.VersionText = rd.line();
        rd.skipLine();
        if (rd.atEnd())
            return false;
        G.VersionDate = rd.line();
        return true;
    } catch (const ReadError&) {
        return false;
    }
}

QString VersionLabelText(bool fileRead)
{
    if (!fileRead)
        return QStringLiteral("Version 2.3.2\nSeptember 1, 2004");
    return QStringLiteral("Version ") + qs(G.VersionText) + QLatin1Char('\n') + qs(G.VersionDate);
}

// ---- Chain --------------------------------------------------------------------------

ChainWindow::ChainWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void ChainWindow::load(QWidget* previous)
{
    // Placed before it is shown, the window is not moved aside by the
    // window manager for the one still standing there.
    PlaceWindow(this, previous);
    show();
    CloseChainPredecessor(previous);
}

void ChainWindow::handOver()
{
    handedOver_ = true;
    close();
}

void ChainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!handedOver_)
        EndProgram();
}

void CloseChainPredecessor(QWidget* previous)
{
    if (!previous)
        return;
    if (auto* chain = qobject_cast<ChainWindow*>(previous))
        chain->handOver();
    else
        previous->close();
}

namespace {
std::function<void()>& endHook()
{
    static std::function<void()> hook;
    return hook;
}
}  // namespace

void EndProgram()
{
    if (endHook()) {
        endHook()();
        return;
    }
    CloseHelpWindow();
    QCoreApplication::exit(0);
}

void SetEndProgramHook(std::function<void()> hook) { endHook() = std::move(hook); }

}  // namespace vesk
