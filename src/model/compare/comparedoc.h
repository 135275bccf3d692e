// The contents of the comparison's two text views, the assessment table and
// the support summary, as a list of output items that every target (the
// screen page, the printer, the text file, the clipboard) lays out alike.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vesk {

constexpr int kTableRows = 40;  // rows 0..39 of the table; row 40 unused
constexpr int kMaxColumns = 10;

// Style bits of a line: 1 bold, 2 underline (3 marks section headings).
enum DocStyle { kPlain = 0, kBold = 1, kUnderline = 2, kHeading = 3 };

struct DocItem {
    enum Kind { Line, Row, Warning };
    Kind kind = Line;
    std::string text;  // Line and Warning: the text (UTF-8); a Warning's text follows "Warning: "
    int style = kPlain;
    bool centred = false;    // header lines: centred on the page's width
    bool rightHalf = false;  // the second support of a pair: same line as the item before, from half the width
    bool toClipboard = true; // the header's empty line goes to every target but the clipboard
    int row = 0;             // Row: the table row shown
};

// ColCase: the support shown in column k (1..NumCases), base support first,
// then the others in ascending number. Element 0 unused.
using ColumnOrder = std::array<int16_t, kMaxColumns + 1>;
ColumnOrder MakeColumnOrder(int16_t baseCase);

// Standing and cable-bolt supports and their warnings, rebuilt at each rendering.
struct SupportGroups {
    int16_t numStd = 0, numCab = 0;
    std::array<int16_t, kMaxColumns + 1> caseIsCable{};  // by support number
    std::array<bool, 11> stdWarn{}, cabWarn{};           // warnings 1..10
    bool anyStdWarn = false, anyCabWarn = false;
};
SupportGroups CountGroups();

struct CompareDoc {
    ColumnOrder colCase{};
    SupportGroups groups;
    // TableText: rows 0..40 by columns 0..10 (column 0 the labels, row 0 the headings).
    std::array<std::array<std::string, kMaxColumns + 1>, kTableRows + 1> text{};
    std::array<int16_t, kTableRows + 1> bestCol{};  // 0: none
    std::array<float, kTableRows + 1> bestVal{};
    int16_t numColumns = 0;  // NumCases

    std::vector<DocItem> items;
    // Table: the first support whose spacing or rows are invalid stops the
    // whole rendering ("Support 0 spacing invalid"); nothing is output.
    std::string abortMessage;
    // Summary: notices shown once per rendering, after which it goes on
    // ("Invalid no. rows for base support" CR LF "No. rows reset to 1").
    std::vector<std::string> notices;

    // A cell is bold when it holds its row's best value and two or more
    // supports are compared.
    bool isBest(int row, int col) const { return numColumns >= 2 && bestCol[row] == col && col >= 1; }
};

// The row labels in the unit setting in force (column 0 of the table).
std::array<std::string, kTableRows + 1> TableRowLabels();

// The table or the summary with support `baseCase` (1-based) in the first
// column, from the support list and the design criteria in force.
CompareDoc BuildTableDoc(int16_t baseCase);
CompareDoc BuildSummaryDoc(int16_t baseCase);

// The clipboard text of a document: lines as they are, warnings with
// "Warning: ", table rows label and cells joined by tabs; CR LF after each
// (UTF-8; the clipboard takes Unicode).
std::string CompareClipText(const CompareDoc& doc);

}  // namespace vesk
