#include "compare/comparepage.h"

#include "platform/fonts.h"
#include "platform/qtext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace vesk {

namespace {

constexpr int kPageTwipsW = 15360, kPageTwipsH = 30720;

// Writes the items line by line from the top of the page. Every length is in
// the painter's device units; `newPage` is empty for the screen's one page.
class DocWriter {
public:
    struct Frame {
        double left = 0;        // where lines start
        double width = 0;       // the width titles are centred on
        double top = 0;         // where a page's first line stands
        double bottom = 1e300;  // a line starting at or below this goes to a new page
        double labelWidth = 0;  // table rows: the label column and each value column
        double colWidth = 0;
    };

    DocWriter(QPainter& p, const QFont& font, const Frame& f, std::function<void()> newPage)
        : p_(p), regular_(font), f_(f), newPage_(std::move(newPage))
    {
        lineHeight_ = QFontMetricsF(regular_, p_.device()).height();
        y_ = f_.top;
    }

    void write(const CompareDoc& doc)
    {
        for (const DocItem& item : doc.items) {
            switch (item.kind) {
            case DocItem::Line:
                line(item);
                break;
            case DocItem::Row:
                row(doc, item);
                break;
            case DocItem::Warning:
                warning(item.text);
                break;
            }
        }
    }

private:
    QFont styled(int style) const
    {
        QFont f = regular_;
        f.setBold((style & kBold) != 0);
        f.setUnderline((style & kUnderline) != 0);
        return f;
    }

    // Breaks the page when the line would start at or below the bottom.
    void startLine()
    {
        if (newPage_ && y_ >= f_.bottom) {
            newPage_();
            y_ = f_.top;
        }
    }

    double textWidth(const QString& s, const QFont& f) const
    {
        return QFontMetricsF(f, p_.device()).horizontalAdvance(s);
    }

    void text(double x, const QString& s, const QFont& f)
    {
        p_.setFont(f);
        const double ascent = QFontMetricsF(f, p_.device()).ascent();
        p_.drawText(QPointF(x, y_ + ascent), s);
    }

    void line(const DocItem& item)
    {
        const QString s = qs(item.text);
        const QFont f = styled(item.style);
        double x = f_.left;
        if (item.rightHalf) {
            y_ = notedY_;
            x = f_.left + std::floor(f_.width / 2);
        } else {
            startLine();
            notedY_ = y_;
        }
        if (item.centred)
            x = f_.left + (f_.width - textWidth(s, f)) / 2;
        if (!s.isEmpty())
            text(x, s, f);
        y_ += lineHeight_;
    }

    void row(const CompareDoc& doc, const DocItem& item)
    {
        startLine();
        const int r = item.row;
        // The heading row is bold and underlined like the section headings.
        const QFont f = styled(r == 0 ? kHeading : item.style);
        const QString label = qs(doc.text[r][0]);
        text(f_.left, label, f);
        const double labelEnd = f_.left + textWidth(label, f);
        for (int k = 1; k <= doc.numColumns && k <= kMaxColumns; ++k) {
            const QFont cf = r != 0 && doc.isBest(r, k) ? styled(kBold) : f;
            const double right = f_.left + f_.labelWidth + k * f_.colWidth;
            // A cell never reaches back over the row's label, and a value
            // stays within its column: what is wider is cut short with an
            // ellipsis. (The headings may run into each other, as they are.)
            double room = right - labelEnd;
            if (r != 0)
                room = std::min(room, f_.colWidth);
            const QString cell =
                QFontMetricsF(cf, p_.device()).elidedText(qs(doc.text[r][k]), Qt::ElideRight, std::max(room, 0.0));
            text(right - textWidth(cell, cf), cell, cf);
        }
        y_ += lineHeight_;
    }

    void warning(const std::string& body)
    {
        startLine();
        const QString head = QStringLiteral("Warning: ");
        const QFont bold = styled(kBold);
        text(f_.left, head, bold);
        text(f_.left + textWidth(head, bold), qs(body), regular_);
        y_ += lineHeight_;
    }

    QPainter& p_;
    QFont regular_;
    Frame f_;
    std::function<void()> newPage_;
    double lineHeight_ = 0;
    double y_ = 0, notedY_ = 0;
};

QFont screenFont() { return SerifFont(12); }

}  // namespace

QSize ComparePageSize(int dpi)
{
    return {kPageTwipsW * dpi / 1440, kPageTwipsH * dpi / 1440};
}

int CompareLineHeight(int dpi)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    probe.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    return static_cast<int>(std::ceil(QFontMetricsF(screenFont(), &probe).height()));
}

QImage PaintComparePage(const CompareDoc& doc, bool table, int dpi)
{
    QImage page(ComparePageSize(dpi), QImage::Format_RGB32);
    page.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    page.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    page.fill(Qt::white);
    QPainter p(&page);
    p.setPen(Qt::black);
    DocWriter::Frame f;
    f.width = page.width();
    if (table) {
        // The columns are fixed in pixels: narrower ones on a screen of 96
        // dots to the inch or fewer (15 twips or more to a pixel).
        const bool fine = 1440.0 / dpi < 15;
        f.labelWidth = fine ? 235 : 188;
        f.colWidth = fine ? 85 : 68;
    }
    DocWriter(p, screenFont(), f, {}).write(doc);
    return page;
}

bool PrintCompareDoc(QPrinter& printer, const CompareDoc& doc, bool table)
{
    printer.setPageOrientation(table ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter p;
    if (!p.begin(&printer))
        return false;
    p.setPen(Qt::black);
    // Page geometry in points, as the printable area gives it; the margins
    // put the text one inch from the edges of a letter-size sheet.
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const int W = static_cast<int>(std::lround(area.width()));
    const int H = static_cast<int>(std::lround(area.height()));
    int left, top, bottom;
    if (table) {
        const int h = (612 - H) / 2;
        left = 72 - (792 - W) / 2;
        top = 54 - h;
        bottom = 558 - h;
    } else {
        const int h = (792 - H) / 2;
        left = 72 - (612 - W) / 2;
        top = 54 - h;
        bottom = 738 - h;
    }
    const double u = printer.resolution() / 72.0;  // device units per point
    const QFont font = SerifFont(10);
    DocWriter::Frame f;
    f.left = left * u;
    f.width = (W - 2 * left) * u;
    f.top = top * u;
    f.bottom = bottom * u;
    if (table) {
        const double label = QFontMetricsF(font, &printer)
                                 .horizontalAdvance(QStringLiteral("Material cost per ft of entry, $/ft   "));
        f.labelWidth = label;
        f.colWidth = std::floor((f.width - label) / u / 10) * u;
    }
    DocWriter(p, font, f, [&printer] { printer.newPage(); }).write(doc);
    return p.end();
}

}  // namespace vesk
