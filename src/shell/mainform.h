// The program's main window: the menus of the file, criteria, support,
// comparison, information and help commands, and the outline of the work.
//
// The commands for the steps of the work only set NextStep; the navigation
// timer then opens the step's window modally (see steps.h). Each step window
// sets NextStep again before it closes, so the user goes from window to
// window; NextStep 0 leaves the main window waiting for a command.
#pragma once

#include <QMainWindow>

#include <array>

class QAction;
class QCloseEvent;
class QMenu;
class QTimer;

namespace vesk {

class PictureBox;

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // Shows the main window after the start-up chain: closes the program-flow
    // note `previous`, then runs the load sequence.
    static MainForm* open(QWidget* previous);

    // The load sequence: closes `previous` (if any), reads the start-up data
    // files, reports every failure in one message, then brings the window up
    // to date and starts the navigation timer. The design-basis step comes
    // first.
    void formLoad(QWidget* previous = nullptr);

    // Brings the unit check mark, the support items and the outline up to
    // date with the globals. Runs when the window is first shown and after
    // each window that it opened has closed.
    void activate();

    // One tick of the navigation timer: opens the window of NextStep, if any.
    // A step without a window resets NextStep to 0.
    void timerTick();

    QTimer* navigationTimer() const { return timer_; }
    PictureBox* picture() const { return pic_; }

    // The outline picture, drawn over any painter.
    static void drawOutline(QPainter& p, const QRect& page);

    inline static const QString kExitQuestion = QStringLiteral("Are  you sure you want to exit the program?");
    inline static const QString kNoSupportsText = QStringLiteral("Select Support Evaluation to continue.");
    inline static const QString kNotUpdatedText = QStringLiteral(
        "Some supports are not updated.  Select Support Evaluation and update all supports before proceeding.");

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* item(QMenu* menu, const char* name, const char* caption, int helpContext = 0);
    void buildMenus();

    void newProject();
    void openProject();
    void saveProject();
    void editProjectName();
    void bitmapPath();
    void toggleUnits();
    void caseChosen(int index);
    void addEditSupports();
    void compare(int view);
    bool comparisonCheck();
    void showAbout();

    PictureBox* pic_ = nullptr;
    QTimer* timer_ = nullptr;
    QAction* units_ = nullptr;
    std::array<QAction*, 10> cases_{};
    bool exitConfirmed_ = false;
    bool sessionEnding_ = false;
    int timerPauses_ = 0;

    friend class TimerPause;
};

}  // namespace vesk
