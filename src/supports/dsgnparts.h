// What the two design optimisation dialogs (wood crib, file-defined
// support) are built of: frames of captioned values, number boxes that act
// on Enter and on leaving, and one arrangement of frames and buttons.
#pragma once

#include <QString>

#include <functional>

class QDialog;
class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace vesk {

class NumBox;

// Unit codes of the values both dialogs show.
inline constexpr int kTonsCode = 1;     // unit support load
inline constexpr int kTpfCode = 2;      // load density
inline constexpr int kInchCode = 5;     // widths, lengths, convergence
inline constexpr int kSpacingCode = 6;  // spacing

// A frame whose rows are a caption on the left and a box or panel on the right.
struct CaptionFrame {
    QGroupBox* box = nullptr;
    QGridLayout* grid = nullptr;

    CaptionFrame(QWidget* parent, const char* name, const QString& title);
    // Adds a row with a number box whose search runs on Enter and on leaving
    // it. Enter also selects the whole text again, before the search or after it.
    enum class Select { BeforeSearch, AfterSearch };
    NumBox* addBox(const char* labelName, const QString& caption, const char* boxName, Select order,
                   std::function<void()> search);
    // Adds a row with a panel that shows a value.
    QLabel* addPanel(const char* labelName, const QString& caption, const char* panelName);

private:
    void addRow(const char* labelName, const QString& caption, QWidget* value);
};

// The panel shows FormatMetric(v, code).
void ShowMetric(QLabel* panel, double v, int code);

// Lays out the dialog: the specifications above the criteria on the left,
// the results on the right, "&Ok", "&Cancel" and "&Help" below. Cancel
// rejects the dialog; help and F1 open the context.
void ArrangeDsgnForm(QDialog* dialog, const CaptionFrame& specs, const CaptionFrame& criteria,
                     const CaptionFrame& results, int helpContext, std::function<void()> ok);

}  // namespace vesk
