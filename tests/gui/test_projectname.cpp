// The project-name dialog.
#include "model/globals.h"
#include "platform/msgbox.h"
#include "platform/qtext.h"
#include "shell/io/datafiles.h"
#include "shell/projectname.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vesk;

namespace {

class ProjectNameDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        G.AppPath = ss(app_.path());
        G.ProjName = "North Portal";
        G.DefProjName = "XYZ Mine";
        MsgBoxTest::enable();
    }
    void TearDown() override
    {
        MsgBoxTest::disable();
        ResetGlobals();
    }
    static void click(QWidget* w, const char* name) { w->findChild<QPushButton*>(name)->click(); }
    static QLineEdit* box(QWidget* w) { return w->findChild<QLineEdit*>("TxName"); }
    static QString shownDefault(QWidget* w) { return w->findChild<QLabel*>("LbDefault")->text(); }
    QTemporaryDir app_;
};

}  // namespace

TEST_F(ProjectNameDialog, ControlsCaptionsAndLoad)
{
    ProjectName d;
    EXPECT_EQ(d.windowTitle(), "Enter/Edit project name");
    QStringList labels;
    for (auto* l : d.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_TRUE(labels.contains("Enter the name to be used for this project.  You can use the previously saved "
                                "default name (mine or project name) and save the current project name as the "
                                "default, to be used for subsequent projects."));
    EXPECT_TRUE(labels.contains("Project name"));
    EXPECT_TRUE(labels.contains("Default project name"));
    for (auto [name, caption] : {std::pair{"ComSave", "&Save as default"}, {"ComUse", "&Use default"},
                                 {"ComDone", "&Ok"}, {"ComCancel", "&Cancel"}, {"ComHelp", "&Help"}}) {
        auto* b = d.findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), caption);
    }
    EXPECT_EQ(box(&d)->text(), "North Portal");
    EXPECT_EQ(shownDefault(&d), "XYZ Mine");
}

TEST_F(ProjectNameDialog, OkTakesTheNameCancelDropsIt)
{
    for (const char* button : {"ComCancel", "ComDone"}) {
        ProjectName d;
        click(&d, "ComUse");
        EXPECT_EQ(box(&d)->text(), "XYZ Mine");
        box(&d)->setText("South Mains, panel 3");
        click(&d, button);
    }
    EXPECT_EQ(G.ProjName, "South Mains, panel 3");
    EXPECT_EQ(G.DefProjName, "XYZ Mine");
}

TEST_F(ProjectNameDialog, SavedDefaultIsTheNextStartsName)
{
    ProjectName d;
    box(&d)->setText("Test Mine");
    click(&d, "ComSave");
    EXPECT_EQ(shownDefault(&d), "Test Mine");
    EXPECT_EQ(G.DefProjName, "Test Mine");
    G.DefProjName = G.ProjName = "";
    ReadDefName();
    EXPECT_EQ(G.DefProjName, "Test Mine");
    EXPECT_EQ(G.ProjName, "Test Mine");
}

TEST_F(ProjectNameDialog, AFailedSaveIsReportedAndKeepsTheOldDefault)
{
    G.AppPath = ss(app_.filePath("missing"));
    ProjectName d;
    box(&d)->setText("Test Mine");
    click(&d, "ComSave");
    ASSERT_EQ(MsgBoxTest::shown().size(), 1);
    EXPECT_EQ(MsgBoxTest::shown()[0].title, "Error saving default");
    EXPECT_FALSE(MsgBoxTest::shown()[0].text.isEmpty());
    EXPECT_EQ(G.DefProjName, "XYZ Mine");
    EXPECT_EQ(shownDefault(&d), "XYZ Mine");
}

TEST_F(ProjectNameDialog, NameBoxTakesOnlyWhatTheFilesCanHold)
{
    ProjectName d;
    box(&d)->setText("Mine ");
    box(&d)->insert(QString::fromUtf8("\xE4\xB8\xAD"));  // not in Windows-1252
    box(&d)->insert(QString::fromUtf8("\xC3\xA9"));
    EXPECT_EQ(box(&d)->text(), QString::fromUtf8("Mine \xC3\xA9"));
}
