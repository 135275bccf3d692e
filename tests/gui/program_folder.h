// A temporary program folder for window tests: G.AppPath points at it once
// used, and the shipped data files that a test needs are copied into it.
#pragma once

#include "model/globals.h"
#include "platform/qtext.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>

namespace vesk::test {

inline QString ShippedDataFolder()
{
    namespace fs = std::filesystem;
    return QString::fromStdString((fs::path(__FILE__).parent_path().parent_path().parent_path() / "data").string());
}

// The start-up data files that the main window reads.
inline const QStringList kStartupFiles = {"wooddat.txt", "config.txt", "defaults.txt", "defname.txt"};

class ProgramFolder {
public:
    // Makes the folder the program's folder.
    void use() const { G.AppPath = ss(dir_.path()); }

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // Copies shipped files (or folders, such as "help") into the folder.
    bool copy(const QStringList& names) const
    {
        for (const QString& name : names)
            if (!copyEntry(ShippedDataFolder() + "/" + name, dir_.filePath(name)))
                return false;
        return true;
    }

    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    bool write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

private:
    static bool copyEntry(const QString& from, const QString& to)
    {
        if (QFileInfo(from).isDir()) {
            if (!QDir().mkpath(to))
                return false;
            for (const QString& entry : QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
                if (!copyEntry(from + "/" + entry, to + "/" + entry))
                    return false;
            return true;
        }
        QFile::remove(to);
        return QFile::copy(from, to);
    }

    QTemporaryDir dir_;
};

}  // namespace vesk::test
