#include "platform/help.h"

#include "platform/desktop.h"
#include "platform/qtext.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk {

namespace {

QPointer<HelpWindow> g_window;

const QString kContentsFile = QStringLiteral("contents.html");

QString ReadHtml(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    // The page's own charset declaration decides; UTF-8 when it has none.
    QStringDecoder decoder = QStringDecoder::decoderForHtml(bytes);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder(bytes);
}

HelpWindow* EnsureWindow()
{
    static bool closeAtQuit = false;
    if (!closeAtQuit) {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, [] { CloseHelpWindow(); });
            closeAtQuit = true;
        }
    }
    if (!g_window)
        g_window = new HelpWindow;
    return g_window;
}

std::function<QString()>& ProgramFolder()
{
    static std::function<QString()> source;
    return source;
}

void Present(HelpWindow* w)
{
    w->followActiveModal();
    if (!w->isVisible()) {
        // Each showing: centred over the window that asked for help.
        QWidget* owner = QApplication::activeWindow();
        PlaceWindow(w, owner != w ? owner : nullptr);
    }
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

void SetProgramFolderSource(std::function<QString()> source) { ProgramFolder() = std::move(source); }

QString HelpBookFolder(const QString& book)
{
    const auto& source = ProgramFolder();
    const QString folder = source ? source() : QCoreApplication::applicationDirPath();
    return QDir::cleanPath(QDir(folder).absoluteFilePath(QStringLiteral("help/") + book));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Help"));

    back_ = new QToolButton(this);
    back_->setObjectName(QStringLiteral("BackButton"));
    back_->setText(tr("&Back"));
    back_->setEnabled(false);
    forward_ = new QToolButton(this);
    forward_->setObjectName(QStringLiteral("ForwardButton"));
    forward_->setText(tr("&Forward"));
    forward_->setEnabled(false);
    contents_ = new QToolButton(this);
    contents_->setObjectName(QStringLiteral("ContentsButton"));
    contents_->setText(tr("&Contents"));

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("SearchBox"));
    search_->setPlaceholderText(tr("Find topics"));
    search_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("TopicList"));

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("HelpNote"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->setVisible(false);
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("TopicView"));
    view_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(contents_);
    buttons->addStretch();

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(search_);
    leftLayout->addWidget(list_);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(note_);
    rightLayout->addWidget(view_);
    split_ = new QSplitter(this);
    split_->addWidget(left);
    split_->addWidget(right);
    split_->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split_);
    resize(780, 540);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(back_, &QToolButton::clicked, view_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, view_, &QTextBrowser::forward);
    connect(view_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(view_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(contents_, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(view_, &QTextBrowser::sourceChanged, this, &HelpWindow::onSourceChanged);
    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::applySearch);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        // Enter opens the first topic found.
        for (int i = 0; i < list_->count(); ++i) {
            if (!list_->item(i)->isHidden()) {
                list_->setCurrentRow(i);
                showFile(list_->item(i)->data(Qt::UserRole).toString());
                return;
            }
        }
    });
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            showFile(item->data(Qt::UserRole).toString());
    });
    connect(list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showFile(item->data(Qt::UserRole).toString()); });
}

bool HelpWindow::openBook(const QString& folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (path == folder_ && !topics_.isEmpty())
        return true;
    folder_ = path;
    loadTopics();
    return !topics_.isEmpty();
}

void HelpWindow::loadTopics()
{
    topics_.clear();
    const QSignalBlocker blockList(list_);
    const QSignalBlocker blockSearch(search_);
    list_->clear();
    search_->clear();
    setNote(QString());

    const QDir dir(folder_);
    QString bookTitle;  // the title of the contents page
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files | QDir::Readable);
    for (const QFileInfo& info : files) {
        QTextDocument doc;
        doc.setHtml(ReadHtml(info.absoluteFilePath()));
        QString title = doc.metaInformation(QTextDocument::DocumentTitle).simplified();
        if (title.isEmpty())
            title = info.completeBaseName();
        const bool isContents = info.fileName() == kContentsFile;
        if (isContents)
            bookTitle = title;
        Topic t{info.absoluteFilePath(), title, title + QLatin1Char('\n') + doc.toPlainText()};
        // The contents page heads the list; the topics follow by title.
        if (isContents)
            topics_.prepend(t);
        else
            topics_.append(t);
    }
    const auto firstTopic = topics_.begin() + (bookTitle.isEmpty() ? 0 : 1);
    std::stable_sort(firstTopic, topics_.end(),
                     [](const Topic& a, const Topic& b) { return a.title.compare(b.title, Qt::CaseInsensitive) < 0; });
    for (const Topic& t : topics_) {
        auto* item = new QListWidgetItem(t.title, list_);
        item->setData(Qt::UserRole, t.file);
        item->setToolTip(t.title);  // whole, should the list be narrowed
    }
    setWindowTitle(bookTitle.isEmpty() ? tr("Help") : bookTitle);
    fitTopicList();

    // The browser keeps the page on view as the start of its history, and that
    // page belongs to the other book: the history starts again with this
    // book's first page.
    view_->clearHistory();
    bookOpened_ = true;
    view_->setSearchPaths({folder_});
    if (topics_.isEmpty())
        showMessage(tr("No help was found in the folder %1.").arg(QDir::toNativeSeparators(folder_)));
    else
        showMessage(QString());
}

void HelpWindow::showFile(const QString& file)
{
    if (file.isEmpty())
        return;
    const QUrl url = QUrl::fromLocalFile(file);
    if (view_->source() == url && shownFile_ != file) {
        // The browser still counts the page as shown under a message; load it again.
        view_->reload();
        return;
    }
    view_->setSource(url, QTextDocument::HtmlResource);
    if (bookOpened_) {
        bookOpened_ = false;
        view_->clearHistory();
    }
}

void HelpWindow::fitTopicList()
{
    // Wide enough for the longest title, up to half the window.
    const int titles = list_->count() > 0 ? list_->sizeHintForColumn(0) : 0;
    const int wanted = titles + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    const int total = std::max(split_->width(), width());
    const int left = std::min(wanted, total / 2);
    split_->setSizes({left, total - left});
}

void HelpWindow::showMessage(const QString& text)
{
    shownFile_.clear();
    setNote(QString());
    view_->setPlainText(text);
    const QSignalBlocker block(list_);
    list_->setCurrentRow(-1);
}

void HelpWindow::showContext(int context)
{
    const QString file = QDir(folder_).filePath(QString::number(context) + QStringLiteral(".html"));
    if (QFileInfo(file).isFile()) {
        showFile(file);
        return;
    }
    if (topics_.isEmpty())
        return;  // the missing book is already noted in the view
    showContents();
    if (!currentFile().isEmpty())
        setNote(tr("Help topic %1 was not found; the contents are shown instead.").arg(context));
}

void HelpWindow::showContents()
{
    const QString file = QDir(folder_).filePath(kContentsFile);
    if (QFileInfo(file).isFile())
        showFile(file);
    else if (!topics_.isEmpty())
        showMessage(tr("This help has no contents page; choose a topic from the list."));
}

void HelpWindow::focusSearch()
{
    search_->setFocus(Qt::OtherFocusReason);
    search_->selectAll();
}

QString HelpWindow::note() const { return note_->isHidden() ? QString() : note_->text(); }

void HelpWindow::setNote(const QString& text)
{
    note_->setText(text);
    note_->setHidden(text.isEmpty());
}

void HelpWindow::applySearch(const QString& text)
{
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < list_->count() && i < topics_.size(); ++i) {
        const QString& hay = topics_[i].text;
        const bool match = std::all_of(words.begin(), words.end(), [&hay](const QString& w) {
            return hay.contains(w, Qt::CaseInsensitive);
        });
        list_->item(i)->setHidden(!match);
    }
}

void HelpWindow::onSourceChanged(const QUrl& url)
{
    const QString file = url.isLocalFile() ? QFileInfo(url.toLocalFile()).absoluteFilePath() : QString();
    shownFile_ = file;
    setNote(QString());
    const QSignalBlocker block(list_);
    for (int i = 0; i < list_->count(); ++i) {
        if (list_->item(i)->data(Qt::UserRole).toString() == file) {
            list_->setCurrentRow(i);
            return;
        }
    }
    list_->setCurrentRow(-1);
}

void HelpWindow::followActiveModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this)
        return;
    if (modal != parentWidget())
        reparent(modal);
}

void HelpWindow::reparent(QWidget* modal)
{
    if (QWidget* old = parentWidget())
        old->removeEventFilter(this);
    const bool wasVisible = isVisible();
    const QRect geometry = this->geometry();
    // A window of a modal dialog is not blocked by it; a window of its own would be.
    setParent(modal, Qt::Window);
    if (modal)
        modal->installEventFilter(this);
    setGeometry(geometry);
    if (wasVisible)
        show();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide && !parentWidget()->isVisible()) {
        // The dialog is closing: keep the window out of its way, then follow the
        // dialog that is active now, if any.
        QWidget* modal = QApplication::activeModalWidget();
        reparent(modal == watched ? nullptr : modal);
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                followActiveModal();
        });
    }
    return QWidget::eventFilter(watched, event);
}

void ShowHelp(int context)
{
    HelpWindow* w = EnsureWindow();
    w->openBook(HelpBookFolder(QString::fromLatin1(kProgramHelp)));
    w->showContext(context);
    Present(w);
}

void ShowHelpContents(const QString& book)
{
    HelpWindow* w = EnsureWindow();
    w->openBook(HelpBookFolder(book));
    w->showContents();
    Present(w);
}

void ShowHelpFinder(const QString& book)
{
    HelpWindow* w = EnsureWindow();
    const bool fresh = w->bookFolder() != HelpBookFolder(book) || w->currentFile().isEmpty();
    w->openBook(HelpBookFolder(book));
    if (fresh)
        w->showContents();
    Present(w);
    w->focusSearch();
}

HelpWindow* CurrentHelpWindow() { return g_window; }

void CloseHelpWindow() { delete g_window.data(); }

}  // namespace vesk
