// The step buttons of the figure viewer and the loading display, as tests read them.
#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

namespace vesk::test {

// Which of "&First", "&Prev", "&Next" and "&Last" are enabled, as "1011".
inline QString StepButtonsEnabled(const QWidget* w)
{
    QString s;
    for (const char* b : {"ComFirst", "ComPrev", "ComNext", "ComLast"})
        s += w->findChild<QPushButton*>(b)->isEnabled() ? '1' : '0';
    return s;
}

}  // namespace vesk::test
