// The program-flow note, the last window of the start-up chain: the outline
// of the work. "&Next" opens the main window.
#pragma once

#include "shell/startup.h"

namespace vesk {

class Instruct : public ChainWindow {
    Q_OBJECT
public:
    explicit Instruct(QWidget* parent = nullptr);

    // The picture: the outline, two empty lines and the hint to the buttons.
    static void draw(QPainter& p, const QRect& page);
    static void print(PicturePrinter& pic);
    inline static const QString kHint = QStringLiteral("Use the \"Next\" buttons to follow the above steps");

private:
    void next();
};

}  // namespace vesk
