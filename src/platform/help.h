// The program's help viewer. A help book is a folder <AppPath>/help/<book>/ with
// one HTML file per topic, named by the topic's context number ("264.html"),
// and a contents page "contents.html"; each file's <title> is the topic title.
#pragma once

#include <QList>

#include <functional>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QTextBrowser;
class QToolButton;
class QUrl;

namespace vesk {

inline constexpr const char* kProgramHelp = "instr";      // the program's own topics
inline constexpr const char* kReferenceHelp = "supports";  // reference and bibliography

// Where the help books are: the program gives a source of its folder once at
// start-up (the folder may change while it runs, so it is asked each time).
void SetProgramFolderSource(std::function<QString()> source);

// The folder of a help book under the program's folder.
QString HelpBookFolder(const QString& book);

// The program's help at a context number. A topic that does not exist shows
// the contents page with a note; a missing book shows a note naming its folder.
void ShowHelp(int context);
// A book at its contents page.
void ShowHelpContents(const QString& book);
// A book with the search box ready for typing.
void ShowHelpFinder(const QString& book);

// One window serves every help request; it is not modal. When help is asked for
// from a modal dialog, the window is moved over that dialog so that it can be
// used while the dialog is open, and it stays open when the dialog closes.
// Escape closes it. "Back" goes back within the book on view only.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the topics of a book folder unless it is the one already loaded;
    // false when the folder holds no topic.
    bool openBook(const QString& folder);
    QString bookFolder() const { return folder_; }

    // Shows the topic of a context number, or the contents page with a note.
    void showContext(int context);
    void showContents();
    void focusSearch();

    // The note above the page (missing topic or book); empty when none is shown.
    QString note() const;
    // The topic file on view; empty when none.
    QString currentFile() const { return shownFile_; }

    // Moves the window over the active modal dialog, or makes it a window of its
    // own when none is open.
    void followActiveModal();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Topic {
        QString file;
        QString title;
        QString text;  // title and plain text, for the search
    };

    void loadTopics();
    void showFile(const QString& file);
    void showMessage(const QString& text);
    void setNote(const QString& text);
    void applySearch(const QString& text);
    void onSourceChanged(const QUrl& url);
    void reparent(QWidget* modal);
    void fitTopicList();

    QString folder_;
    QString shownFile_;
    QList<Topic> topics_;
    bool bookOpened_ = false;  // no page of the book loaded last shown yet
    QSplitter* split_ = nullptr;
    QListWidget* list_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTextBrowser* view_ = nullptr;
    QLabel* note_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;
};

// The help window when one exists, else nullptr.
HelpWindow* CurrentHelpWindow();
// Closes and deletes the help window (done at the end of the program).
void CloseHelpWindow();

}  // namespace vesk
