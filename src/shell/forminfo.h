// The support information center: the catalogue of support types by
// category, with the design information and loading behaviour of the type
// chosen, and the pictures of the testing laboratory.
//
// Browse mode (AddMode 0) is opened by the main window; add mode (AddMode
// -1) is the type picker of the support list's "&Add", which hands the type
// and a name back in NewType and NewName (NewType -1 when cancelled).
#pragma once

#include "files/infolists.h"

#include <QDialog>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vesk {

class FormInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCategories = 7;
    static constexpr int kBrowseHelp = 282;
    static constexpr int kAddHelp = 304;

    // The mode is taken from AddMode. Fills the category lists and reads the
    // information lists of config.txt ("Error reading config.txt" when that
    // fails; the window then works without them).
    explicit FormInfo(QWidget* parent = nullptr);

    bool addMode() const { return addMode_; }
    int helpContext() const { return addMode_ ? kAddHelp : kBrowseHelp; }

    // Runs when the window is first shown and whenever a window opened from
    // here has closed: selects the entry of the type shown last again, which
    // also puts that type's name back into the name box.
    void activate();

    // What the reading of the information lists found.
    const InfoListsRead& infoLists() const { return lists_; }

    // The windows this one opens. The figure viewer takes its caption; it
    // shows the entry InfoType (0 the testing laboratory). The loading
    // display shows the loading models of InfoType. Until a window is put in
    // place, the buttons that open it stay disabled.
    using FigureViewerOpener = std::function<void(QWidget* parent, const QString& caption)>;
    using LoadingDisplayOpener = std::function<void(QWidget* parent)>;
    static void setFigureViewer(FigureViewerOpener opener);
    static void setLoadingDisplay(LoadingDisplayOpener opener);
    // The program's own windows again.
    static void resetInfoWindows();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // Closing by the title bar or Escape cancels, as "&Cancel" does.
    void reject() override;

private:
    void select(int list);  // a list's current entry becomes the selected type
    void showSelected();
    void updatePerformanceButton();
    void defaultName();
    void designInformation();
    void performance();
    void laboratory();
    void okClicked();
    void cancelClicked();

    bool addMode_ = false;
    bool shown_ = false;
    int lastType_ = 1;
    QString selText_;
    InfoListsRead lists_;

    std::array<QComboBox*, kCategories> combo_{};
    QLabel* labSel_ = nullptr;
    QLabel* lbName_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* comDefault_ = nullptr;
    QPushButton* comDes_ = nullptr;
    QPushButton* comFail_ = nullptr;
    QPushButton* comLab_ = nullptr;
    QPushButton* comHelp_ = nullptr;
    QPushButton* comMenu_ = nullptr;
    QPushButton* comDone_ = nullptr;
};

}  // namespace vesk
