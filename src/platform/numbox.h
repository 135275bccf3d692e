// A text box for a number that the program fills and the user may retype.
//
// The box remembers the exact value that the program last wrote with its text:
// while the text is still that text, reading the box gives that value, so
// display rounding never changes a stored number (opening a dialog and
// pressing Ok stores what was there). Only text the user changed is parsed.
//
// Enter and leaving the box are the two moments a dialog acts on a typed
// value. A handler that shows a message takes the focus away from the box;
// that loss of focus (and one to another window) does not count as leaving.
#pragma once

#include <QLineEdit>

#include <optional>

namespace vesk {

class NumBox : public QLineEdit {
    Q_OBJECT
public:
    NumBox(QWidget* parent, const QString& name);

    // Shows text for a value the program holds, and remembers both.
    void put(const QString& text, double value);
    // Shows text that stands for no remembered value (the next read parses it).
    void putText(const QString& text);

    // The remembered value while the box shows the text written with it.
    std::optional<double> remembered() const;

    // Runs the Enter handler as the key would (a dialog that moves the focus
    // into a box and acts as if Enter were pressed there).
    void pressEnter();

    // While any box handler runs, losing the focus does not count as leaving.
    static bool handling();

signals:
    void enterPressed();
    void leftBox();
    void gotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void run(void (NumBox::*signal)());

    QString shownText_;
    double value_ = 0;
    bool hasValue_ = false;
};

}  // namespace vesk
