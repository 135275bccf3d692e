// The wood species picker: the species of the post table (WoodTable not 0),
// dry or wet, or of the crib and cap table (WoodTable 0), with their
// properties. The chosen species' number is handed back in WoodSel, -1 when
// the picker is cancelled; for the post table WoodWet tells whether the wet
// or the dry values were on show (-1 wet, 0 dry).
#pragma once

#include <QDialog>

class QRadioButton;
class QTreeWidgetItem;

namespace vesk {

class ReportList;

class WoodForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 306;

    // Opens on dry wood, with the row of WoodSel selected when it names a
    // species of the table on show.
    explicit WoodForm(QWidget* parent = nullptr);

public slots:
    // Closing by the title bar or Escape is "&Cancel".
    void reject() override;

private:
    void fillWoodList();
    int speciesCount() const;
    // The 1-based number of the selected row; 0 when no row is selected.
    int selectedSpecies() const;

    void itemHit(QTreeWidgetItem* item);
    void listClicked();
    void listDoubleClicked();
    void okClicked();

    // An item was hit since the last click; the last click hit an item, so a
    // double-click may act.
    bool itemClicked_ = false;
    bool clickOnItem_ = false;

    ReportList* list_ = nullptr;
    QRadioButton* optDry_ = nullptr;
    QRadioButton* optWet_ = nullptr;
};

}  // namespace vesk
