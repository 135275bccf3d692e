// File dialogs: filters and start paths, the scripted queue, and the real dialogs.
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

const char* const kProjectFilter = "Project files (*.pro)|*.pro|All files (*.*)|*.*";

// A folder holding north.pro and README.
class FileDialogReal : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"north.pro", "README"}) {
            QFile f(dir_.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
    }
    void TearDown() override { EXPECT_EQ(test::DropModalAnswers(), 0) << "a queued answer found no dialog"; }
    QTemporaryDir dir_;
};

}  // namespace

TEST(FileDialogFilter, ConvertsPairsToQtFormAndStartsFromFolderAndName)
{
    EXPECT_EQ(ConvertVbFilter(kProjectFilter), "Project files (*.pro);;All files (*)");
    EXPECT_EQ(ConvertVbFilter("Bitmap files (*.bmp)|*.bmp|Metafiles (*.wmf)|*.wmf|All files (*.*)|*.*"),
              "Bitmap files (*.bmp);;Metafiles (*.wmf);;All files (*)");
    // The entry's patterns count, not those its description shows; blanks around the parts go.
    EXPECT_EQ(ConvertVbFilter("Support files (*.pro)|*.sup"), "Support files (*.sup)");
    EXPECT_EQ(ConvertVbFilter("Pictures|*.bmp;*.wmf"), "Pictures (*.bmp *.wmf)");
    EXPECT_EQ(ConvertVbFilter(" Text files (*.txt) | *.txt |"), "Text files (*.txt)");
    EXPECT_EQ(ConvertVbFilter("Everything"), "Everything (*)");  // no pattern part: every file
    EXPECT_EQ(ConvertVbFilter(""), "");

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
    EXPECT_EQ(GetSaveFileName(nullptr, "Save project", kProjectFilter, {}, "/app/*.pro"), "/tmp/a.pro");
    EXPECT_EQ(GetOpenFileName(nullptr, "Open support", "Support files (*.sup)|*.sup", "/app"), "/tmp/b.sup");
    EXPECT_EQ(FileDialogTest::pending(), 0);
    EXPECT_EQ(GetFolder(nullptr, "Bitmap folder", "/app/bmp"), "");

    const QList<FileDialogRecord> shown = FileDialogTest::shown();
    FileDialogTest::clear();
    EXPECT_TRUE(FileDialogTest::shown().isEmpty());
    FileDialogTest::disable();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].kind, FileDialogRecord::Save);
    EXPECT_EQ(shown[0].title + "|" + shown[0].filter + "|" + shown[0].proposedName,
              QString("Save project|") + kProjectFilter + "|/app/*.pro");
    EXPECT_EQ(shown[1].kind, FileDialogRecord::Open);
    EXPECT_EQ(shown[1].initialDir, "/app");
    EXPECT_EQ(shown[2].kind, FileDialogRecord::Folder);
    EXPECT_EQ(shown[2].initialDir, "/app/bmp");
    EXPECT_TRUE(shown[2].filter.isEmpty());
}

TEST_F(FileDialogReal, OpenShowsConvertedFiltersInProposedFolder)
{
    QStringList filters;
    QString folder;
    test::AnswerNextModal([&](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        filters = dlg->nameFilters();
        folder = dlg->directory().absolutePath();
        // Typed as the user would: selectFile leaves the name box alone while it has the focus.
        dlg->findChild<QLineEdit*>("fileNameEdit")->setText("north.pro");
        static_cast<QDialog*>(dlg)->accept();
    });
    EXPECT_EQ(GetOpenFileName(nullptr, "Open project", kProjectFilter, {}, dir_.filePath("*.pro")),
              dir_.filePath("north.pro"));
    EXPECT_EQ(filters, QStringList({"Project files (*.pro)", "All files (*)"}));
    EXPECT_EQ(folder, QDir(dir_.path()).absolutePath());
}

// Types name, with the filter chosen when one is given, and saves.
static void typeNameAndSave(const QString& name, const QString& filter = {})
{
    test::AnswerNextModal([=](QWidget* w) {
        auto* dlg = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(dlg->acceptMode(), QFileDialog::AcceptSave);
        if (!filter.isEmpty())
            dlg->selectNameFilter(filter);
        dlg->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        static_cast<QDialog*>(dlg)->accept();
    });
}

TEST_F(FileDialogReal, SaveAddsTheFiltersExtensionAndAsksBeforeReplacingAFile)
{
    QString question;
    typeNameAndSave("north");  // the extension is added before the question
    test::AnswerNextModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w))
            question = box->text();
        EXPECT_TRUE(test::ClickButton(w, "Yes"));
    });
    EXPECT_EQ(GetSaveFileName(nullptr, "Save project", kProjectFilter, {}, dir_.filePath("north.pro")),
              dir_.filePath("north.pro"));
    EXPECT_TRUE(question.contains("north.pro")) << question.toStdString();

    typeNameAndSave("notes", "All files (*)");
    EXPECT_EQ(GetSaveFileName(nullptr, "Save project", kProjectFilter, {}, dir_.filePath("*.pro")),
              dir_.filePath("notes"));
    typeNameAndSave("south.txt");
    EXPECT_EQ(GetSaveFileName(nullptr, "Save project", kProjectFilter, {}, dir_.filePath("*.pro")),
              dir_.filePath("south.txt"));
}
