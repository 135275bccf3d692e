// A temporary program folder for window tests, and the fixture that the
// window tests share: fresh globals, the folder as G.AppPath, scripted message
// boxes and file dialogs, no step windows, and all of it put back afterwards.
#pragma once

#include "model/globals.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "shell/startup.h"
#include "shell/steps.h"

#include "modal_helpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vesk::test {

inline QString ShippedDataFolder() { return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../data"; }

// The start-up data files that the main window reads.
inline const QStringList kStartupFiles = {"wooddat.txt", "config.txt", "defaults.txt", "defname.txt"};

// Every shipped data file (the help folder aside).
inline QStringList ShippedDataFiles() { return QDir(ShippedDataFolder()).entryList(QDir::Files); }

class ProgramFolder {
public:
    // Makes the folder the program's folder.
    void use() const { G.AppPath = ss(dir_.path()); }

    bool isValid() const { return dir_.isValid(); }
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // Copies shipped data files into the folder, over any there.
    bool copy(const QStringList& names) const
    {
        for (const QString& name : names) {
            QFile::remove(file(name));
            if (!QFile::copy(ShippedDataFolder() + "/" + name, file(name)))
                return false;
        }
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
    QTemporaryDir dir_;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ASSERT_TRUE(folder_.isValid());
        folder_.use();
        cwd_ = QDir::currentPath();
        MsgBoxTest::enable();
        FileDialogTest::enable();
        ClearStepOpeners();
        SetEndProgramHook([this] { ++ended_; });
    }
    void TearDown() override
    {
        EXPECT_EQ(DropModalAnswers(), 0) << "a modal window that was expected did not come up";
        EXPECT_EQ(MsgBoxTest::pending(), 0) << "a message box that was expected did not come up";
        EXPECT_EQ(FileDialogTest::pending(), 0) << "a file dialog that was expected did not come up";
        MsgBoxTest::disable();
        FileDialogTest::disable();
        ClearStepOpeners();
        SetEndProgramHook({});
        CloseHelpWindow();
        QDir::setCurrent(cwd_);
        ResetGlobals();
    }

    // The message boxes shown so far, as "title: text".
    static QStringList messages()
    {
        QStringList out;
        for (const MsgBoxRecord& r : MsgBoxTest::shown())
            out << r.title + ": " + r.text;
        return out;
    }

    ProgramFolder folder_;
    QString cwd_;
    int ended_ = 0;
};

}  // namespace vesk::test
