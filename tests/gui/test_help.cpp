// The help window: topics by context, notes for missing ones, search, links, and modal dialogs.
#include "program_folder.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

using namespace vesk;

namespace {

// A click as the window system delivers it, so that a window blocked by a modal dialog does not receive it.
void ClickAt(QWidget* widget, QPoint pos)
{
    QWidget* top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, pos));
}

// The middle of a text in the view's viewport; (-1, -1) when absent.
QPoint TextPoint(QTextBrowser* view, const QString& text)
{
    QTextCursor c = view->document()->find(text);
    c.setPosition((c.selectionStart() + c.selectionEnd()) / 2);
    return c.isNull() ? QPoint(-1, -1) : view->cursorRect(c).center();
}

class HelpViewer : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        write("instr", "contents.html", "Program help", "<p>Begin with <a href=\"264.html\">the table</a>.</p>");
        write("instr", "264.html", "Comparison assessment table",
              "<p>Each row compares bearing strength and cost. See <a href=\"265.html\">concrete cribs</a>.</p>");
        write("instr", "265.html", "Concrete cribs", "<p>Load and convergence of cribs. Résumé of costs in €.</p>");
        write("instr", "300.html", "Timber posts", "<p>Minimum post diameter and load.</p>");
        write("supports", "contents.html", "Reference and bibliography", "<p>Sources.</p>");
        write("supports", "7.html", "Bibliography", "<p>Books.</p>");
    }
    void write(const QString& book, const QString& name, const QString& title, const QString& body)
    {
        QDir(folder_.path()).mkpath("help/" + book);
        ASSERT_TRUE(folder_.write("help/" + book + "/" + name,
                                  ("<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" +
                                   body + "</body></html>")
                                      .toUtf8()));
    }

    static HelpWindow* window()
    {
        HelpWindow* w = CurrentHelpWindow();
        EXPECT_NE(w, nullptr);
        return w;
    }
    static QListWidget* list() { return window()->findChild<QListWidget*>("TopicList"); }
    static QLineEdit* searchBox() { return window()->findChild<QLineEdit*>("SearchBox"); }
    static QTextBrowser* view() { return window()->findChild<QTextBrowser*>("TopicView"); }
    static QStringList visibleTitles()
    {
        QStringList titles;
        for (int i = 0; i < list()->count(); ++i)
            if (!list()->item(i)->isHidden())
                titles << list()->item(i)->text();
        return titles;
    }

};

}  // namespace

TEST_F(HelpViewer, ContextShowsItsTopicOrTheContentsWithANote)
{
    ShowHelp(264);
    HelpWindow* w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->currentFile().endsWith("/help/instr/264.html")) << w->currentFile().toStdString();
    EXPECT_TRUE(view()->toPlainText().contains("bearing strength"));
    EXPECT_TRUE(w->note().isEmpty());
    EXPECT_EQ(w->windowTitle(), "Program help");
    // The contents first, then the topics by title; the one on view is current.
    EXPECT_EQ(visibleTitles(),
              QStringList({"Program help", "Comparison assessment table", "Concrete cribs", "Timber posts"}));
    ASSERT_NE(list()->currentItem(), nullptr);
    EXPECT_EQ(list()->currentItem()->text(), "Comparison assessment table");
    ShowHelp(300);  // the same window serves the next request
    EXPECT_EQ(window(), w);
    EXPECT_EQ(view()->documentTitle(), "Timber posts");
    EXPECT_EQ(list()->currentItem()->text(), "Timber posts");

    // A missing topic shows the contents with a note, kept while the contents stay on view.
    ShowHelp(999);
    EXPECT_TRUE(w->currentFile().endsWith("contents.html"));
    EXPECT_TRUE(w->note().contains("999"));
    ShowHelp(998);
    EXPECT_TRUE(w->note().contains("998"));
    ShowHelp(265);
    EXPECT_TRUE(w->note().isEmpty());
    EXPECT_EQ(view()->documentTitle(), "Concrete cribs");
}

// Over a window standing partly off the screen, the shipped help opens wholly on the screen, and
// every title shows whole in the list.
TEST_F(HelpViewer, ShippedHelpOpensOnTheScreenWithItsTitlesWhole)
{
    G.AppPath = ss(test::ShippedDataFolder());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setGeometry(screen.left() - 50, screen.top() - 40, 300, 200);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    ShowHelp(284);
    EXPECT_TRUE(screen.contains(window()->frameGeometry()));
    ASSERT_GT(list()->count(), 40);
    for (int i = 0; i < list()->count(); ++i)
        EXPECT_LE(list()->sizeHintForIndex(list()->model()->index(i, 0)).width(), list()->viewport()->width())
            << list()->item(i)->text().toStdString();
}

TEST_F(HelpViewer, MissingBookOrContentsGiveAPlainNoteNotABlankWindow)
{
    QDir(folder_.file("help/instr")).removeRecursively();
    ShowHelp(264);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(view()->toPlainText().contains(QDir::toNativeSeparators(folder_.file("help/instr"))));
    EXPECT_TRUE(window()->currentFile().isEmpty());
    // The reference book without its contents page says so in the view; a topic chosen from the list shows.
    QFile::remove(folder_.file("help/supports/contents.html"));
    ShowHelpContents(kReferenceHelp);
    EXPECT_EQ(window()->windowTitle(), "Help");
    EXPECT_EQ(list()->count(), 1);
    EXPECT_FALSE(view()->toPlainText().trimmed().isEmpty());
    EXPECT_TRUE(window()->currentFile().isEmpty());
    list()->setCurrentRow(0);
    EXPECT_EQ(view()->documentTitle(), "Bibliography");
}

TEST_F(HelpViewer, SearchKeepsTopicsHoldingEveryWord)
{
    ShowHelpFinder(kProgramHelp);
    EXPECT_EQ(window()->focusWidget(), searchBox());
    EXPECT_TRUE(window()->currentFile().endsWith("contents.html"));
    QTest::keyClicks(searchBox(), "BEARING");
    EXPECT_EQ(visibleTitles(), QStringList({"Comparison assessment table"}));
    // Words may stand in the title or the text, in any order and case.
    for (auto [words, titles] : {std::pair{"load CRIBS", QStringList{"Concrete cribs"}},
                                 {"résumé", {"Concrete cribs"}},
                                 {"load", {"Concrete cribs", "Timber posts"}},
                                 {"load nowhere", {}}}) {
        searchBox()->setText(words);
        EXPECT_EQ(visibleTitles(), titles) << words;
    }
    searchBox()->setText("  ");
    EXPECT_EQ(visibleTitles().size(), 4);
    searchBox()->setText("diameter");  // Enter opens the first topic found
    QTest::keyClick(searchBox(), Qt::Key_Return);
    EXPECT_EQ(view()->documentTitle(), "Timber posts");
}

TEST_F(HelpViewer, LinksAreFollowedAndBackReturns)
{
    ShowHelpContents(kProgramHelp);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    const QPoint link = TextPoint(view(), "the table");
    ASSERT_GE(link.x(), 0);
    ClickAt(view()->viewport(), link);
    EXPECT_EQ(list()->currentItem()->text(), "Comparison assessment table");
    ClickAt(view()->viewport(), TextPoint(view(), "concrete cribs"));
    EXPECT_EQ(view()->documentTitle(), "Concrete cribs");
    EXPECT_EQ(list()->currentItem()->text(), "Concrete cribs");
    auto* back = window()->findChild<QToolButton*>("BackButton");
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(view()->documentTitle(), "Comparison assessment table");

    // "Back" stays within the book on view; Escape closes the window.
    ShowHelpContents(kReferenceHelp);
    EXPECT_FALSE(back->isEnabled());
    list()->setCurrentRow(1);
    back->click();
    EXPECT_EQ(view()->documentTitle(), "Reference and bibliography");
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(window()->isVisible());
}

// Asked for from a modal dialog, the window is usable over it; it follows back to the outer dialog
// when an inner one closes, and outlives them all.
TEST_F(HelpViewer, UsableFromModalDialogsAndOutlivesThem)
{
    auto* outer = new QDialog;
    QWidget* parentAfterInner = nullptr;
    QString chosen;
    test::AnswerNextModal([&](QWidget* modal) {
        QDialog inner(modal);
        test::AnswerNextModal([&](QWidget* innerModal) {
            ShowHelp(264);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
            EXPECT_EQ(window()->parentWidget(), innerModal);
            QListWidgetItem* item = list()->findItems("Timber posts", Qt::MatchExactly).value(0);
            ASSERT_NE(item, nullptr);
            ClickAt(list()->viewport(), list()->visualItemRect(item).center());
            chosen = window()->currentFile();
            innerModal->close();
        });
        inner.exec();
        (void)QTest::qWaitFor([&] { return CurrentHelpWindow() && CurrentHelpWindow()->parentWidget() == modal; }, 2000);
        parentAfterInner = CurrentHelpWindow() ? CurrentHelpWindow()->parentWidget() : nullptr;
        modal->close();
    });
    outer->exec();
    EXPECT_EQ(parentAfterInner, outer);
    delete outer;
    EXPECT_TRUE(chosen.endsWith("300.html")) << chosen.toStdString();
    ASSERT_NE(CurrentHelpWindow(), nullptr);
    EXPECT_TRUE(CurrentHelpWindow()->isVisible());
    EXPECT_EQ(CurrentHelpWindow()->parentWidget(), nullptr);
}
