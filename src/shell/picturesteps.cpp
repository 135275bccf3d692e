#include "shell/picturesteps.h"

#include "platform/controls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace vesk {

PictureSteps::PictureSteps(QWidget* parent, std::function<void()> show) : QObject(parent), show_(std::move(show))
{
    first_ = MakeButton(parent, "ComFirst", "&First");
    prev_ = MakeButton(parent, "ComPrev", "&Prev");
    next_ = MakeButton(parent, "ComNext", "&Next");
    last_ = MakeButton(parent, "ComLast", "&Last");
    connect(first_, &QPushButton::clicked, this, [this] { go(1); });
    connect(prev_, &QPushButton::clicked, this, [this] { go(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { go(current_ + 1); });
    connect(last_, &QPushButton::clicked, this, [this] { go(count_); });
}

void PictureSteps::reset(int count, int endsFrom)
{
    count_ = count > 0 ? count : 0;
    current_ = count_ > 0 ? 1 : 0;
    prev_->setEnabled(false);
    next_->setEnabled(count_ > 1);
    first_->setEnabled(count_ >= endsFrom && count_ > 0);
    last_->setEnabled(count_ >= endsFrom && count_ > 0);
}

void PictureSteps::go(int to)
{
    if (count_ < 1)
        return;
    current_ = to < 1 ? 1 : to > count_ ? count_ : to;
    // A button disabled here may hold the focus: it goes to the other one
    // first, so that it does not wander elsewhere.
    if (current_ > 1)
        prev_->setEnabled(true);
    if (current_ < count_)
        next_->setEnabled(true);
    if (current_ == 1 && count_ > 1)
        next_->setFocus();
    else if (current_ == count_ && count_ > 1)
        prev_->setFocus();
    if (current_ == 1)
        prev_->setEnabled(false);
    if (current_ == count_)
        next_->setEnabled(false);
    show_();
}

void PictureSteps::addTo(QBoxLayout* row) const
{
    for (QPushButton* b : {first_, prev_, next_, last_})
        row->addWidget(b);
}

QLabel* MakeNoPictureHint(QWidget* parent)
{
    QLabel* hint = MakeLabel(parent, "LbNoPic",
                             "If pictures are not displayed, the path to the picture files may be set incorrectly.  "
                             "Press the \"BMP path\" button at the lower left of this window to select the path to the "
                             "picture files, either on the hard drive or a CD. (Press \"Help\" for more information)");
    hint->setWordWrap(true);
    hint->hide();
    return hint;
}

}  // namespace vesk
