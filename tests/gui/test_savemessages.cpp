// The messages of failed saves shown by the windows: the first line as it was, the reason in save wording on a
// second line (the comparison's pictures and text, the project and support files), or the reason alone where the
// window's title names what failed (the bitmap path and the default project name).
#include "compare/compare.h"
#include "shell/bmpath.h"
#include "shell/projectname.h"

#include "designed_project.h"
#include "program_folder.h"

#include <QPushButton>

using namespace vesk;
using namespace vesk::test;

namespace {

class SaveMessages : public WindowTest {
protected:
    // A folder that does not exist, and one whose "folder" is a regular file.
    QString missing() const { return folder_.file("no such folder"); }
    QString underAFile()
    {
        EXPECT_TRUE(folder_.write("plain", "x"));
        return folder_.file("plain");
    }
    static constexpr const char* kMissing = "The folder does not exist.";
    static constexpr const char* kUnderAFile = "A name in the path is a file, not a folder.";
};

TEST_F(SaveMessages, ComparisonPicturesAndTextSayWhyTheyWereNotSaved)
{
    ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
    MainForm main;
    main.formLoad();
    main.navigationTimer()->stop();
    DesignEveryShippedType(main);
    ASSERT_TRUE(MsgBoxTest::shown().isEmpty()) << messages().join('|').toStdString();

    // The view, the name saved under, and the first line of its message.
    const std::tuple<int, QString, QString> saves[] = {{0, "table.txt", "Error saving table.txt"},
                                                       {2, "plot.bmp", "Error saving plot.bmp"},
                                                       {3, "chart.bmp", "Error saving chart.bmp"},
                                                       {3, "chart.wmf", "Error saving chart.wmf"}};
    for (const auto& [view, name, first] : saves) {
        G.CompareView = static_cast<int16_t>(view);
        if (view >= 2)
            AnswerNextModal([](QWidget* dlg) { ClickButton(dlg, "Ok"); });
        Compare w;
        w.show();
        w.activate();
        for (const auto& [where, reason] : {std::pair(missing(), kMissing), std::pair(underAFile(), kUnderAFile)}) {
            MsgBoxTest::clear();
            FileDialogTest::queue(where + "/" + name);
            w.saveView();
            EXPECT_EQ(messages(), QStringList("Error: " + first + "\n" + reason)) << name.toStdString();
        }
    }
}

TEST_F(SaveMessages, BitmapPathAndDefaultNameShowTheReasonUnderTheirTitles)
{
    for (const auto& [where, reason] : {std::pair(missing(), kMissing), std::pair(underAFile(), kUnderAFile)}) {
        G.AppPath = ss(where);
        MsgBoxTest::clear();
        {
            BMPath d;
            d.show();
            d.findChild<QPushButton*>("ComOk")->click();
        }
        {
            ProjectName d;
            d.findChild<QLineEdit*>("TxName")->setText("North mains");
            d.findChild<QPushButton*>("ComSave")->click();
        }
        EXPECT_EQ(messages(), QStringList({"Error saving bitmap path: " + QString(reason),
                                           "Error saving default: " + QString(reason)}));
    }
}

}  // namespace
