#include "platform/filedialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace vesk {

namespace {

struct Script {
    bool enabled = false;
    QList<QString> paths;
    QList<FileDialogRecord> shown;
};

Script& script()
{
    static Script s;
    return s;
}

QString Scripted(FileDialogRecord::Kind kind, const QString& title, const QString& filter, const QString& dir,
                 const QString& name)
{
    Script& s = script();
    s.shown.append({kind, title, filter, dir, name});
    return s.paths.isEmpty() ? QString() : s.paths.takeFirst();
}

QWidget* Owner(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }

QString Convert(const QString& path) { return path.isEmpty() ? path : QDir::toNativeSeparators(path); }

}  // namespace

QString DialogStartPath(const QString& initialDir, const QString& proposedName)
{
    QString dir = initialDir.isEmpty() ? QDir::currentPath() : initialDir;
    QString name = proposedName;
    if (name.contains(QLatin1Char('/'))) {
        const QFileInfo info(name);
        dir = info.isAbsolute() ? info.path() : QDir(dir).filePath(info.path());
        name = info.fileName();
    }
    if (name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')))
        name.clear();
    return name.isEmpty() ? QDir::cleanPath(dir) : QDir::cleanPath(QDir(dir).filePath(name));
}

QString ConvertVbFilter(const QString& vbFilter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = vbFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patternText = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && patternText.isEmpty())
            continue;
        QStringList patterns;
        for (const QString& p : patternText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString t = p.trimmed();
            if (t.isEmpty())
                continue;
            patterns.append(t == QLatin1String("*.*") ? QStringLiteral("*") : t);
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        // Qt reads the patterns from the last bracketed group, so the group that the
        // description already shows is replaced by the entry's own patterns.
        description.remove(trailingPatterns);
        if (description.isEmpty())
            description = patterns.join(QLatin1Char(' '));
        entries.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString GetOpenFileName(QWidget* parent, const QString& title, const QString& vbFilter, const QString& initialDir,
                        const QString& proposedName)
{
    if (script().enabled)
        return Scripted(FileDialogRecord::Open, title, vbFilter, initialDir, proposedName);
    return Convert(QFileDialog::getOpenFileName(Owner(parent), title, DialogStartPath(initialDir, proposedName),
                                                ConvertVbFilter(vbFilter)));
}

namespace {

// The extension of a Qt filter entry's first pattern: "pro" for "Project
// files (*.pro)"; empty when it matches any name ("All files (*)").
QString FilterExtension(const QString& qtFilterEntry)
{
    static const QRegularExpression firstPattern(QStringLiteral("\\(\\*\\.([^\\s()*?]+)[\\s)]"));
    return firstPattern.match(qtFilterEntry).captured(1);
}

// A save dialog that gives a name typed without an extension the one of the
// filter chosen, before the question about replacing a file.
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        setDefaultSuffix(FilterExtension(selectedNameFilter()));
        QFileDialog::accept();
    }
};

}  // namespace

QString GetSaveFileName(QWidget* parent, const QString& title, const QString& vbFilter, const QString& initialDir,
                        const QString& proposedName)
{
    if (script().enabled)
        return Scripted(FileDialogRecord::Save, title, vbFilter, initialDir, proposedName);
    SaveDialog dialog(Owner(parent), title, DialogStartPath(initialDir, proposedName), ConvertVbFilter(vbFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return Convert(dialog.selectedFiles().value(0));
}

QString GetFolder(QWidget* parent, const QString& title, const QString& initialDir)
{
    if (script().enabled)
        return Scripted(FileDialogRecord::Folder, title, QString(), initialDir, QString());
    return Convert(QFileDialog::getExistingDirectory(Owner(parent), title,
                                                     initialDir.isEmpty() ? QDir::currentPath() : initialDir));
}

namespace FileDialogTest {

void enable()
{
    Script& s = script();
    s.enabled = true;
    s.paths.clear();
    s.shown.clear();
}

void disable()
{
    Script& s = script();
    s.enabled = false;
    s.paths.clear();
    s.shown.clear();
}

void queue(const QString& path) { script().paths.append(path); }

int pending() { return static_cast<int>(script().paths.size()); }

QList<FileDialogRecord> shown() { return script().shown; }

void clear() { script().shown.clear(); }

}  // namespace FileDialogTest

}  // namespace vesk
