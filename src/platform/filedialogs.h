// File and folder choosers. Filters are written as pairs of description and
// patterns joined by "|": "Project files (*.pro)|*.pro|All files (*.*)|*.*".
// Every chooser returns the chosen path, or an empty string when cancelled.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace vesk {

// Qt's form of a "|" filter: "Project files (*.pro);;All files (*)". Several
// patterns of one entry ("*.bmp;*.dib") are separated by blanks, and "*.*"
// (any file, with or without an extension) becomes "*".
QString ConvertVbFilter(const QString& vbFilter);

// The path a chooser starts at. proposedName may be a bare file name (placed in initialDir), a full path
// (whose folder replaces initialDir), or a pattern such as "<folder>/*.pro",
// which opens that folder without proposing a name. An empty folder is the
// current one.
QString DialogStartPath(const QString& initialDir, const QString& proposedName);

// initialDir and proposedName as for DialogStartPath.
QString GetOpenFileName(QWidget* parent, const QString& title, const QString& vbFilter,
                        const QString& initialDir = {}, const QString& proposedName = {});

// Asks before an existing file is replaced. A name typed without an extension
// gets the one of the filter chosen, as the open dialog would hide it.
QString GetSaveFileName(QWidget* parent, const QString& title, const QString& vbFilter,
                        const QString& initialDir = {}, const QString& proposedName = {});

QString GetFolder(QWidget* parent, const QString& title, const QString& initialDir);

struct FileDialogRecord {
    enum Kind { Open, Save, Folder };
    Kind kind = Open;
    QString title;
    QString filter;  // as the caller wrote it; empty for a folder
    QString initialDir;
    QString proposedName;
};

// Scripted mode for tests: no dialog is shown; each call returns the next
// queued path, or "" (cancelled) when the queue is empty, and is recorded.
namespace FileDialogTest {
void enable();   // scripted mode, empty queue and record
void disable();  // real dialogs again, queue and record emptied
void queue(const QString& path);
int pending();
QList<FileDialogRecord> shown();
void clear();
}  // namespace FileDialogTest

}  // namespace vesk
