#include "platform/printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace vesk {

namespace {
struct Script {
    bool enabled = false;
    QStringList answers;
    int asked = 0;
};
Script& script()
{
    static Script s;
    return s;
}
}  // namespace

bool ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    Script& s = script();
    if (s.enabled) {
        ++s.asked;
        const QString path = s.answers.isEmpty() ? QString() : s.answers.takeFirst();
        if (path.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    }
    QPrintDialog dlg(&printer, parent);
    dlg.setWindowTitle(QStringLiteral("Print"));
    return dlg.exec() == QDialog::Accepted;
}

namespace PrintTest {
void enable()
{
    script() = Script{};
    script().enabled = true;
}
void disable() { script() = Script{}; }
void queue(const QString& pdfPath) { script().answers.append(pdfPath); }
int pending() { return static_cast<int>(script().answers.size()); }
int asked() { return script().asked; }
}  // namespace PrintTest

}  // namespace vesk
