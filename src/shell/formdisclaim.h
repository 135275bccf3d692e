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

// The picture of the disclaimer and the cost note: the artwork of the hidden
// picture `source` copied centred, the paragraphs printed over it with their
// shadow. Sized to hold the text.
PictureBox* MakeShadowTextPicture(QWidget* parent, QLabel* source, const QStringList& paragraphs);

}  // namespace vesk
