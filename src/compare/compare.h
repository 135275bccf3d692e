// The comparison window: every support side by side in one of four views,
// the assessment table, the support summary, the plot of all performance
// curves and the bar chart, with printing, saving and copying of the view.
//
// It rebuilds every support's curve when it opens. The table and the summary
// are drawn once into an off-screen page, which the view shows through its
// scroll bars; the plot and the chart are drawn afresh at every repaint from
// what was worked out when the view or the base support last changed, so
// that a message about a support is shown once, never from a repaint.
#pragma once

#include "model/compare/chartdata.h"
#include "model/compare/comparedoc.h"
#include "model/compare/curvedata.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QShowEvent;
class QPrinter;

namespace vesk {

class CompareSurface;

class Compare : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTable = 264, kHelpSummary = 305, kHelpPlot = 298, kHelpChart = 262;
    enum View { TableV = 0, SummaryV = 1, PlotV = 2, ChartV = 3 };

    explicit Compare(QWidget* parent = nullptr);
    ~Compare() override;

    // The update on activation: the view chosen by CompareView is shown
    // (the plot and the chart through their settings dialogs first).
    void activate();

    // The commands of the window's menus.
    void copyView();   // "Copy": the table, summary or legend text, the plot or the chart picture
    void saveView();   // "Save": a text file, the plot as a bitmap, the chart as a bitmap or metafile
    void printView();  // "Print"

    View view() const { return view_; }
    int helpContext() const;
    int16_t baseCase() const { return base_; }
    const CurveTable& curves() const { return curves_; }
    const CompareDoc& doc() const { return doc_; }
    const ChartData& chart() const { return chart_; }
    const QImage& page() const { return page_; }
    QPoint scroll() const { return {scrollX_, scrollY_}; }

    // Pictures as the copy and save commands make them: the plot at the size
    // of the view, the chart as a square of the on-screen chart's height.
    QImage plotImage() const;
    QSize chartCopySize() const;
    QImage chartImage(QSize size) const;
    QByteArray chartMetafile(QSize size) const;

    // Drawing of the view picture and the chart, called by their widgets.
    void paintPicture(QPainter& p, const QRect& r);
    void paintChart(QPainter& p, const QRect& r);
    void popupMenu(const QPoint& globalPos, bool fromPicture);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void loadCurves();

    void showTable(View v);   // "&Comparison", "&Summary"
    void showGraph(View v);   // "&Plot", "C&hart": the settings dialog, then the view
    void baseChanged(int index);
    void editProjectName();

    // Works out the current view for the base support: the table or summary
    // document and its page, or the chart's data. Messages about supports are
    // shown when `announce` is set. False when the view cannot be shown.
    bool prepare(bool announce);
    void setLayout();
    void scrollTo(int x, int y);

    void paintPlotOn(QPainter& p, const QRect& r);
    bool printPlot(QPrinter& printer);
    bool printChart(QPrinter& printer);

    int dpi() const;

    View view_ = TableV;
    int16_t base_ = 1;
    bool shown_ = false, activated_ = false;
    bool popFromPicture_ = false;
    int scrollX_ = 0, scrollY_ = 0;

    CurveTable curves_;
    std::vector<CurveReadFailure> failures_;
    CompareDoc doc_;
    bool docValid_ = false;
    ChartData chart_;
    QImage page_;

    QComboBox* combo1_ = nullptr;
    CompareSurface* picture1_ = nullptr;
    CompareSurface* msChart_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
    QWidget* viewArea_ = nullptr;
    QMenu* menPop_ = nullptr;
};

}  // namespace vesk
