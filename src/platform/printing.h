// The printer: Qt's print dialog over a QPrinter. The dialog's choice is
// used for this one print job; the desktop's default printer is never
// changed. Tests print to PDF files instead of showing the dialog.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace vesk {

// Shows the print dialog for `printer`; true when the user chose to print,
// false on Cancel (nothing is to be printed then).
bool ChoosePrinter(QWidget* parent, QPrinter& printer);

// Scripted mode for tests: no dialog is shown; each call takes the next
// queued answer, a PDF file to print to or an empty string for Cancel. With
// nothing queued the call answers Cancel.
namespace PrintTest {
void enable();
void disable();
void queue(const QString& pdfPath);
int pending();
int asked();  // print dialogs asked for since enable()
}  // namespace PrintTest

}  // namespace vesk
