// What the figure viewer and the loading display share: the buttons that
// step through a series of pictures shown one at a time, and the hint shown
// when a picture cannot be loaded.
#pragma once

#include <QObject>

#include <functional>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace vesk {

// "&First", "&Prev", "&Next" and "&Last" over pictures 1..count. Each button
// moves to its picture, settles which buttons are enabled and where the
// focus goes, then runs `show`.
class PictureSteps : public QObject {
public:
    PictureSteps(QWidget* parent, std::function<void()> show);

    // Back to picture 1 (0 when there is none) without showing it: "&Prev"
    // disabled, "&Next" enabled when there is more than one picture, and
    // "&First" and "&Last" enabled when there are at least `endsFrom`.
    void reset(int count, int endsFrom);
    int current() const { return current_; }
    int count() const { return count_; }

    void addTo(QBoxLayout* row) const;
    QPushButton* first() const { return first_; }
    QPushButton* prev() const { return prev_; }
    QPushButton* next() const { return next_; }
    QPushButton* last() const { return last_; }

private:
    void go(int to);

    std::function<void()> show_;
    int current_ = 0;
    int count_ = 0;
    QPushButton* first_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* last_ = nullptr;
};

// LbNoPic, hidden: the hint that the bitmap folder may be set wrong.
QLabel* MakeNoPictureHint(QWidget* parent);

}  // namespace vesk
