#include "platform/selectall.h"

#include "model/encoding.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QValidator>

namespace vesk {

namespace {

class SelectOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                // Deferred: a mouse press that gave the focus would otherwise place
                // the cursor over the selection.
                QTimer::singleShot(0, box, [box] { SelectAllText(box); });
        }
        return QObject::eventFilter(watched, event);
    }
};

class AnsiValidator : public QValidator {
public:
    explicit AnsiValidator(QLineEdit* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int&) const override
    {
        if (IsCp1252Text(input.toStdString()))
            return Acceptable;
        QToolTip::showText(box_->mapToGlobal(QPoint(0, box_->height())), kAnsiOnlyHint, box_);
        return Invalid;
    }

private:
    QLineEdit* box_;
};

}  // namespace

void SelectAllText(QLineEdit* box)
{
    if (box)
        box->setSelection(0, static_cast<int>(box->text().size()));
}

void InstallSelectOnFocus(QWidget* form)
{
    if (!form)
        return;
    auto* filter = new SelectOnFocus(form);
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

void RestrictToFileField(QLineEdit* box, int fieldLength)
{
    if (!box)
        return;
    box->setMaxLength(fieldLength);
    box->setValidator(new AnsiValidator(box));
}

}  // namespace vesk
