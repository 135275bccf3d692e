// The project-name dialog.
#include "files/datafiles.h"
#include "shell/projectname.h"

#include "program_folder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace vesk;

namespace {

class ProjectNameDialog : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        G.ProjName = "North Portal";
        G.DefProjName = "XYZ Mine";
    }
    static void click(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }
    static QLineEdit* box(QWidget* w) { return w->findChild<QLineEdit*>("TxName"); }
    static QString shownDefault(QWidget* w) { return w->findChild<QLabel*>("LbDefault")->text(); }
};

}  // namespace

TEST_F(ProjectNameDialog, ShowsBothNamesOkTakesTheNameCancelDropsIt)
{
    for (const char* button : {"ComCancel", "ComDone"}) {
        ProjectName d;
        EXPECT_EQ(box(&d)->maxLength(), 64);  // the project name's field in the files
        EXPECT_EQ(box(&d)->text(), qs(G.ProjName));
        EXPECT_EQ(shownDefault(&d), "XYZ Mine");
        click(&d, "ComUse");
        EXPECT_EQ(box(&d)->text(), "XYZ Mine");
        box(&d)->setText("South Mains, panel 3");
        click(&d, button);
        EXPECT_EQ(G.ProjName, button == std::string("ComDone") ? "South Mains, panel 3" : "North Portal");
    }
    EXPECT_EQ(G.DefProjName, "XYZ Mine");
}

TEST_F(ProjectNameDialog, SavedDefaultIsTheNextStartsNameAFailedSaveKeepsTheOldOne)
{
    {
        ProjectName d;
        box(&d)->setText("Test Mine");
        click(&d, "ComSave");
        EXPECT_EQ(shownDefault(&d), "Test Mine");
        EXPECT_EQ(G.DefProjName, "Test Mine");
    }
    G.DefProjName = G.ProjName = "";
    ReadDefName();
    EXPECT_EQ(G.DefProjName, "Test Mine");
    EXPECT_EQ(G.ProjName, "Test Mine");

    G.AppPath = ss(folder_.file("missing"));
    ProjectName d;
    box(&d)->setText("Other Mine");
    click(&d, "ComSave");
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Error saving default");
    EXPECT_FALSE(MsgBoxTest::shown()[0].text.isEmpty());
    EXPECT_EQ(G.DefProjName, "Test Mine");
    EXPECT_EQ(shownDefault(&d), "Test Mine");
}

TEST_F(ProjectNameDialog, NameBoxTakesOnlyWhatTheFilesCanHold)
{
    ProjectName d;
    box(&d)->setText("Mine ");
    box(&d)->insert(QString::fromUtf8("\xE4\xB8\xAD"));  // not in Windows-1252
    box(&d)->insert(QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(box(&d)->text(), QString::fromUtf8("Mine \xC3\xA9"));
}
