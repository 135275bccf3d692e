// File dialogs: filters and start paths, and the real dialogs.
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

// A folder holding north.pro.
class FileDialogReal : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile f(dir_.filePath("north.pro"));
        ASSERT_TRUE(dir_.isValid() && f.open(QIODevice::WriteOnly) && f.write("x") == 1);
    }
    void TearDown() override { EXPECT_EQ(test::DropModalAnswers(), 0) << "a queued answer found no dialog"; }
    QTemporaryDir dir_;
};

}  // namespace

TEST(FileDialogFilter, ConvertsPairsToQtFormAndStartsFromFolderAndName)
{
    EXPECT_EQ(ConvertVbFilter(kProjectFilter), "Project files (*.pro);;All files (*)");
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
