#include "modal_helpers.h"
#include "platform/filedialogs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vesk;

namespace {

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

// Types a name as the user would: QFileDialog::selectFile leaves the name box
// alone while it has the focus.
void TypeFileName(QFileDialog* dlg, const QString& name)
{
    auto* box = dlg->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(box, nullptr);
    box->setText(name);
}

}  // namespace

TEST(FileDialogFilter, ConvertsPairsToQtForm)
{
    EXPECT_EQ(ConvertVbFilter("Project files (*.pro)|*.pro|All files (*.*)|*.*"),
              "Project files (*.pro);;All files (*)");
    EXPECT_EQ(ConvertVbFilter("Bitmap files (*.bmp)|*.bmp|Metafiles (*.wmf)|*.wmf|All files (*.*)|*.*"),
              "Bitmap files (*.bmp);;Metafiles (*.wmf);;All files (*)");
    // The patterns of the entry count, not those its description shows.
    EXPECT_EQ(ConvertVbFilter("Support files (*.pro)|*.sup"), "Support files (*.sup)");
    // Several patterns; a description without patterns; blanks around the parts.
    EXPECT_EQ(ConvertVbFilter("Pictures|*.bmp;*.wmf"), "Pictures (*.bmp *.wmf)");
    EXPECT_EQ(ConvertVbFilter(" Text files (*.txt) | *.txt |"), "Text files (*.txt)");
    // A description without its pattern part admits every file.
    EXPECT_EQ(ConvertVbFilter("Everything"), "Everything (*)");
    EXPECT_EQ(ConvertVbFilter(""), "");
}

TEST(FileDialogFilter, StartPathFromFolderAndProposedName)
{
    EXPECT_EQ(DialogStartPath("/app", "/app/*.pro"), "/app");
    EXPECT_EQ(DialogStartPath("", "/data/mine/north.pro"), "/data/mine/north.pro");
    EXPECT_EQ(DialogStartPath("/data", "north.pro"), "/data/north.pro");
    EXPECT_EQ(DialogStartPath("/data", "old/north.pro"), "/data/old/north.pro");
    EXPECT_EQ(DialogStartPath("", ""), QDir::currentPath());
    EXPECT_EQ(DialogStartPath("", "*.sup"), QDir::currentPath());
}

TEST(FileDialogScripted, QueueAnswersInOrderThenCancelsAndRecordsCalls)
{
    FileDialogTest::enable();
    FileDialogTest::queue("/tmp/a.pro");
    FileDialogTest::queue("/tmp/b.sup");
    EXPECT_EQ(GetSaveFileName(nullptr, "Save project", "Project files (*.pro)|*.pro|All files (*.*)|*.*", {},
                              "/app/*.pro"),
              "/tmp/a.pro");
    EXPECT_EQ(GetOpenFileName(nullptr, "Open support", "Support files (*.sup)|*.sup|All files (*.*)|*.*", "/app"),
              "/tmp/b.sup");
    EXPECT_EQ(FileDialogTest::pending(), 0);
    EXPECT_EQ(GetFolder(nullptr, "Bitmap folder", "/app/bmp"), "");

    const QList<FileDialogRecord> shown = FileDialogTest::shown();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].kind, FileDialogRecord::Save);
    EXPECT_EQ(shown[0].title, "Save project");
    EXPECT_EQ(shown[0].filter, "Project files (*.pro)|*.pro|All files (*.*)|*.*");
    EXPECT_EQ(shown[0].proposedName, "/app/*.pro");
    EXPECT_EQ(shown[1].kind, FileDialogRecord::Open);
    EXPECT_EQ(shown[1].initialDir, "/app");
    EXPECT_EQ(shown[2].kind, FileDialogRecord::Folder);
    EXPECT_EQ(shown[2].initialDir, "/app/bmp");
    EXPECT_TRUE(shown[2].filter.isEmpty());

    FileDialogTest::clear();
    EXPECT_TRUE(FileDialogTest::shown().isEmpty());
    FileDialogTest::disable();
}

TEST(FileDialogReal, OpenShowsConvertedFiltersInProposedFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Touch(dir.filePath("north.pro"));
    Touch(dir.filePath("README"));

    QStringList filters;
    QString folder;
    test::AnswerNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        filters = dlg->nameFilters();
        folder = dlg->directory().absolutePath();
        TypeFileName(dlg, "north.pro");
        static_cast<QDialog*>(dlg)->accept();
    });
    const QString chosen = GetOpenFileName(nullptr, "Open project", "Project files (*.pro)|*.pro|All files (*.*)|*.*",
                                           {}, dir.filePath("*.pro"));
    EXPECT_EQ(test::DropModalAnswers(), 0);
    EXPECT_EQ(chosen, dir.filePath("north.pro"));
    EXPECT_EQ(filters, QStringList({"Project files (*.pro)", "All files (*)"}));
    EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
}

TEST(FileDialogReal, SaveAsksBeforeReplacingAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Touch(dir.filePath("north.pro"));

    QString question;
    test::AnswerNextModal([](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->acceptMode(), QFileDialog::AcceptSave);
        static_cast<QDialog*>(dlg)->accept();  // asks about the existing file before it closes
    });
    test::AnswerNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w))
            question = box->text();
        EXPECT_TRUE(test::ClickButton(w, "Yes"));
    });
    const QString chosen = GetSaveFileName(nullptr, "Save project", "Project files (*.pro)|*.pro|All files (*.*)|*.*",
                                           {}, dir.filePath("north.pro"));
    EXPECT_EQ(test::DropModalAnswers(), 0);
    EXPECT_EQ(chosen, dir.filePath("north.pro"));
    EXPECT_TRUE(question.contains("north.pro")) << question.toStdString();
}
