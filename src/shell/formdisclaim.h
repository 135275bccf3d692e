// The disclaimer, the first window of the program. "&Accept" goes on to the
// note on cost estimates; "E&xit" ends the program.
#pragma once

#include "shell/startup.h"

class QLabel;

namespace vesk {

class FormDisclaim : public ChainWindow {
    Q_OBJECT
public:
    explicit FormDisclaim(QWidget* parent = nullptr);

    // The two paragraphs of the disclaimer, as printed.
    static QStringList paragraphs();

private:
    void acceptTerms();
    void exitProgram();
};

// The heading of the disclaimer and the cost note (`Label2`).
QLabel* MakeNoteHeading(QWidget* parent, const QString& text);

// The picture of the disclaimer and the cost note: the artwork, held in the
// hidden picture `Picture2`, copied centred into `Picture1`, the paragraphs
// printed over it with their shadow. Sized to hold the text.
PictureBox* MakeShadowTextPicture(QWidget* parent, const QStringList& paragraphs);

}  // namespace vesk
