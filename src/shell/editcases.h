// The support list: the hub from which the supports of a project are added
// (through the information center), duplicated, renamed, deleted, saved to
// and opened from support files, and designed ("&Design && Costs": the
// performance dialog of the support's type, then its cost dialog).
//
// In selection mode (SelectMode -1) the list only picks a standing support:
// CurCaseNo names it when the window closes (0 for none), its curve is in
// the model tables, and "&Design && Costs" shows only the performance dialog.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

namespace vesk {

class ReportList;

class EditCases : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 272;

    // The mode is taken from SelectMode.
    explicit EditCases(QWidget* parent = nullptr);

    bool selectMode() const { return selectMode_; }

    // Runs when the window is first shown and whenever a dialog opened from
    // here has closed: after a project load (RecalcAll) every support's type
    // data are read again, last to first, so that support 1 ends current;
    // with DesignNow the current support's dialogs open at once.
    void activate();

    // The type data of the last selected support could not be read.
    bool modelFileError() const { return modelError_; }

public slots:
    // Closing by the title bar or Escape is "&Main Menu" / "&Cancel".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillCaseList();
    // The selection of row `caseNo` (1-based). A model file that fails is
    // reported by name unless the caller reports it itself.
    void itemClick(int caseNo, bool reportModelError = true);
    void setRowUpdated(int caseNo);

    void addSupport();
    void duplicateSupport();
    void renameSupport();
    void deleteSupport();
    void designSupport();
    void openSupport();
    void saveSupport();
    void nextClicked();
    void cancelClicked();
    void criteriaClicked();

    void listPressed(QTreeWidgetItem* item);
    void listClicked();
    void listDoubleClicked();
    void listMouseUp();

    bool selectMode_ = false;
    bool shown_ = false;
    // The three flags of the list: a model file failed; an item was selected
    // since the last click; the last click selected an item, so a
    // double-click may act.
    bool modelError_ = false;
    bool itemHit_ = false;
    bool dblClick_ = false;

    ReportList* list_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* lbType_ = nullptr;
    QPushButton* comAdd_ = nullptr;
    QPushButton* comDup_ = nullptr;
    QPushButton* comRename_ = nullptr;
    QPushButton* comDelete_ = nullptr;
    QPushButton* comDesign_ = nullptr;
    QPushButton* comOpen_ = nullptr;
    QPushButton* comSave_ = nullptr;
    QPushButton* comDone_ = nullptr;
    QPushButton* comCancel_ = nullptr;
    QPushButton* comPrev_ = nullptr;
    QPushButton* comHelp_ = nullptr;
};

}  // namespace vesk
