// The performance dialog of a timber post: the post's diameter, wood and cap,
// with species pickers for the post and the cap wood, over the performance
// frame. In selection mode it only specifies the post ("Timber Post
// Specifications").
#pragma once

#include "supports/perfframe.h"

#include <array>
#include <functional>

class QLabel;

namespace vesk {

class PerfPost : public PerfFrame {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 300;

    // Shows the wood species picker modally; the caller sets WoodTable first
    // and reads WoodSel and WoodWet afterwards. Empty: "Select" opens nothing.
    static std::function<void(QWidget* parent)> OpenWoodForm;

    explicit PerfPost(QWidget* parent = nullptr);

protected:
    void fillBoxes() override;
    void recompute() override;

private:
    void selectSpecies(bool cap);

    // TextDiam, TextStrength, TextHard, TextCThick, TextCStr, TextCHard: the
    // boxes of CaseRec.Par(0) to Par(5).
    std::array<NumBox*, 6> boxes_{};
    QLabel* labMode_ = nullptr;
};

}  // namespace vesk
