// The ground reaction curve library: the list of curves with which curves
// are added, duplicated, renamed, deleted and their points edited (in the
// point editor). "&Ok" saves the whole library to its file; "&Cancel" (and
// Escape or the close box) puts back the library as it was when the window
// opened. CurveSel names the selected row (0-based) when the window closes.
#pragma once

#include "model/records.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;

namespace vesk {

class EdCurves : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 276;

    explicit EdCurves(QWidget* parent = nullptr);

public slots:
    void accept() override;
    void reject() override;

private:
    void listClick(int row);
    void selectRow(int row);
    void addCurve();
    void duplicateCurve();
    void editCurve();
    void deleteCurve();
    void renameCurve();
    bool libraryFull() const;

    QListWidget* list_ = nullptr;
    QLineEdit* txName_ = nullptr;

    // The library and selection as they were when the window opened.
    int16_t openedSel_ = 0;
    std::vector<CurveRec> openedCurves_;
    int16_t openedNum_ = 0;
    int16_t openedNextId_ = 0;
    CurveRec openedWork_;
};

}  // namespace vesk
