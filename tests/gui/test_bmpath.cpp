// The bitmap-folder dialog.
#include "shell/bmpath.h"

#include "program_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vesk;

namespace {

class BMPathDialog : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.BmpPath = ss(pics_.path());
    }
    static void click(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }
    static QString path(QWidget* w) { return w->findChild<QLabel*>("LbPath")->text(); }
    QTemporaryDir pics_;
};

}  // namespace

TEST_F(BMPathDialog, ShowsTheFolderInForceOrFallsBackOnTheProgramFolder)
{
    {
        BMPath d;
        EXPECT_EQ(d.findChild<QLineEdit*>("Dir1")->text(), pics_.path());
        EXPECT_EQ(path(&d), pics_.path());
    }
    G.BmpPath = ss(pics_.filePath("gone"));
    {
        BMPath d;
        EXPECT_EQ(G.BmpPath, G.AppPath);
        EXPECT_EQ(path(&d), folder_.path());
    }
    G.BmpPath = ss(pics_.filePath("gone"));
    G.AppPath = ss(folder_.file("gone too"));
    BMPath d;
    EXPECT_EQ(qs(G.BmpPath), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    EXPECT_EQ(path(&d), qs(G.BmpPath));
}

TEST_F(BMPathDialog, OkStoresTheChosenFolderWithRegionAndUnitsCancelNothing)
{
    ASSERT_TRUE(QDir(pics_.path()).mkdir("figures"));
    const QString chosen = pics_.filePath("figures");
    G.EasternMines = 0;
    G.MetricUnits = -1;
    {
        BMPath d;
        click(&d, "ComDefault");
        click(&d, "ComCancel");
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_EQ(qs(G.BmpPath), pics_.path());
        EXPECT_FALSE(QFileInfo::exists(folder_.file("bmpath.txt")));
    }
    BMPath d;
    click(&d, "ComDefault");
    EXPECT_EQ(path(&d), folder_.path());
    FileDialogTest::queue(chosen + "/");
    click(&d, "ComBrowse");
    EXPECT_EQ(FileDialogTest::shown().value(0).kind, FileDialogRecord::Folder);
    EXPECT_EQ(path(&d), chosen);
    click(&d, "ComBrowse");  // cancelled: the folder stays
    EXPECT_EQ(path(&d), chosen);
    click(&d, "ComOk");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(qs(G.BmpPath), chosen);  // without a trailing separator
    EXPECT_EQ(folder_.read("bmpath.txt"), (chosen + "\r\n1,1\r\n").toUtf8());
    EXPECT_TRUE(MsgBoxTest::shown().isEmpty());
}

TEST_F(BMPathDialog, AFailedWriteIsReportedAndTheDialogStillCloses)
{
    G.AppPath = ss(folder_.file("missing"));
    BMPath d;
    d.show();
    click(&d, "ComOk");
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Error saving bitmap path");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(qs(G.BmpPath), pics_.path());
}
