// Lays out the comparison's table or summary: on the screen's off-screen
// page (pixels, one long page of fixed size) and on the printer (points, a
// new page whenever a line would start at or below the page's bottom line).
#pragma once

#include "model/compare/comparedoc.h"

#include <QImage>

class QPrinter;

namespace vesk {

// The off-screen page: 15360 x 30720 twips at `dpi` pixels to the inch.
QSize ComparePageSize(int dpi);

// Draws the document on a white page of ComparePageSize(dpi).
QImage PaintComparePage(const CompareDoc& doc, bool table, int dpi);

// The height of one line of text on the screen page, in pixels.
int CompareLineHeight(int dpi);

// Prints the document as one print job on `printer`: the summary on portrait
// pages, the table on landscape ones. False when the job could not start.
bool PrintCompareDoc(QPrinter& printer, const CompareDoc& doc, bool table);

}  // namespace vesk
