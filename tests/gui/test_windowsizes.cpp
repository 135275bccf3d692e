// The sizes of the large windows: each fits, with the window manager's frame,
// on a 1024 × 768 screen, and none changes its size while it is used.
#include "cablebolts/cablecriteria.h"
#include "cablebolts/perfcab.h"
#include "compare/chartset.h"
#include "compare/plotsetup.h"
#include "costs/matcab.h"
#include "costs/matcrete.h"
#include "costs/matcrib.h"
#include "costs/matlink.h"
#include "costs/matpost.h"
#include "criteria/edcurves.h"
#include "criteria/edpoints.h"
#include "criteria/formmine.h"
#include "criteria/maxyield.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/infolists.h"
#include "files/modelfile.h"
#include "model/criteria/curvelib.h"
#include "model/criteria/summary.h"
#include "model/supportlist.h"
#include "platform/numbox.h"
#include "shell/editcases.h"
#include "shell/failplot.h"
#include "shell/forminfo.h"
#include "shell/formpic.h"
#include "supports/concrete.h"
#include "supports/dsgncrib.h"
#include "supports/dsgnlink.h"
#include "supports/headfoot.h"
#include "supports/perfcrib.h"
#include "supports/perflink.h"
#include "supports/perfpost.h"
#include "supports/woodform.h"

#include "program_folder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>

#include <ostream>

// Sizes in the messages as width x height.
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << " x " << s.height(); }

using namespace vesk;
using namespace vesk::test;

namespace {

// A 1024 × 768 screen less what a window manager takes around a window (its
// borders and title bar) and for a panel along one edge.
constexpr QSize kRoom(1024 - 24, 768 - 64);

class WindowSizes : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder_.copy(ShippedDataFiles()));
        ASSERT_EQ(ReadDefaults(), 0);
        ASSERT_FALSE(ReadConfig());
        ASSERT_EQ(ReadWoodData(), 0);
        // Two ground reaction curves, the second with a name that fills its field.
        G.GRCurves.resize(51);
        for (int k : {1, 2}) {
            CurveRec& c = G.GRCurves[static_cast<std::size_t>(k)];
            c.Name = k == 1 ? "Tailgate" : std::string(CurveRec::NameLen, 'W');
            c.Id = static_cast<int16_t>(k), c.NumPts = 3;
            c.Conv[1] = 1, c.Conv[2] = 2, c.Conv[3] = 4;
            c.Intensity[1] = 3, c.Intensity[2] = 1.5f, c.Intensity[3] = 1;
        }
        G.NumCurves = 2;
        G.EntryHt = G.DesignCrit.EntryHt;
        G.EntryWid = G.DesignCrit.EntryWid;
        SetDesignBasis(G.DesignCrit.Basis);
        RefreshWorkingValues();
    }

    // A support of a built-in type, or of the first file-defined type of the
    // catalogue that is (or is not) cable bolts with its model read, as the
    // current support.
    static void support(int16_t type)
    {
        G.NumCases = 0;  // the only one
        const int n = AppendSupport(type, "Support");
        ASSERT_GT(n, 0);
        G.CurCaseNo = static_cast<int16_t>(n);
        G.CurCase = G.Cases[static_cast<std::size_t>(n)];
    }
    static void fileDefinedSupport(bool cable)
    {
        int16_t type = 0;
        for (int16_t t = 7; t <= G.NumTypes && type == 0; ++t)
            if (IsCableType(t) == cable)
                type = t;
        ASSERT_GT(type, 0);
        support(type);
        ASSERT_TRUE(LoadModelFile(type));
    }

    // Shows the window and lets its opening run; it fits. Then the mouse
    // moves over its plot and `use` works it: it keeps its size.
    static void check(QWidget* w, const std::string& what, const std::function<void()>& use = {})
    {
        w->show();
        settle();
        const QSize opened = w->frameGeometry().size();
        EXPECT_LE(opened.width(), kRoom.width()) << what;
        EXPECT_LE(opened.height(), kRoom.height()) << what;
        EXPECT_TRUE(w->layout()->totalMinimumSize().boundedTo(w->size()) == w->layout()->totalMinimumSize())
            << what << ": its controls have less room than they need";
        textsWhole(w, what);
        hover(w);
        if (use)
            use();
        settle();
        EXPECT_EQ(w->frameGeometry().size(), opened) << what;
        textsWhole(w, what);
    }

    // The window's queued opening has run and its layout has followed what
    // it shows, however slowly the machine runs.
    static void settle()
    {
        QTest::qWait(20);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // Every label and read-out shown in the window shows its text whole: on
    // its lines, within the room inside its frame and margins, less the
    // indent by which a framed label sets its text in from the side it is
    // aligned to (half an "x", as Qt draws it).
    static void textsWhole(const QWidget* w, const std::string& what)
    {
        for (const QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty() || l->textFormat() == Qt::RichText ||
                (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
                continue;
            const int m = l->margin();
            QRect room = l->contentsRect().marginsRemoved(QMargins(m, m, m, m));
            int indent = l->indent();
            if (indent < 0 && l->frameWidth() > 0)
                indent = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - m;
            if (indent > 0) {
                const Qt::Alignment a = l->alignment();
                room.adjust(a & Qt::AlignLeft ? indent : 0, a & Qt::AlignTop ? indent : 0,
                            a & Qt::AlignRight ? -indent : 0, a & Qt::AlignBottom ? -indent : 0);
            }
            int flags = Qt::AlignLeft | Qt::AlignTop;
            if (l->wordWrap())
                flags |= Qt::TextWordWrap;
            if (l->buddy())
                flags |= Qt::TextShowMnemonic;
            const QRect text = l->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000), flags, l->text());
            EXPECT_TRUE(text.width() <= room.width() && text.height() <= room.height())
                << what << ": " << l->objectName().toStdString() << " cuts \"" << l->text().toStdString() << "\" ("
                << text.width() << " x " << text.height() << " in " << room.width() << " x " << room.height() << ")";
        }
    }

    // The mouse over each picture of the window.
    static void hover(QWidget* w)
    {
        for (QWidget* pic : w->findChildren<QWidget*>()) {
            if (!pic->hasMouseTracking() || !pic->isVisible())
                continue;
            const QPointF at(pic->width() / 3.0, pic->height() / 3.0);
            QMouseEvent move(QEvent::MouseMove, at, pic->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pic, &move);
        }
    }

    template <class W = QWidget>
    static W* child(const QWidget* w, const QString& name)
    {
        auto* c = w->findChild<W*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    // A number typed into a box, with Enter.
    static void enter(const QWidget* w, const char* box, const QString& text)
    {
        NumBox* b = child<NumBox>(w, box);
        b->setText(text);
        b->pressEnter();
    }
    static void click(const QWidget* w, const QString& button)
    {
        if (auto* b = child<QAbstractButton>(w, button))
            b->click();
    }
    static void eachRow(QListWidget* list)
    {
        for (int i = 0; i < list->count(); ++i)
            list->setCurrentRow(i);
    }
    // Runs the body in English and then in metric units, with the units'
    // suffix for its messages.
    static void inEachUnitSystem(const std::function<void(const std::string& units)>& body)
    {
        for (int metric : {0, -1}) {
            G.MetricUnits = static_cast<int16_t>(metric);
            body(metric ? " (metric)" : "");
        }
    }
    static void eachTab(const QWidget* w)
    {
        auto* tabs = w->findChild<QTabWidget*>();
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setCurrentIndex(i);
    }
};

TEST_F(WindowSizes, PerformanceDialogsFitAndKeepTheirSize)
{
    // In both units and under each basis, with the security check of
    // Independent timing but for the last basis.
    G.DesignCrit.Timing = 0;
    inEachUnitSystem([&](const std::string& unitSystem) {
        for (int16_t basis = 0; basis <= 3; ++basis) {
            SetDesignBasis(basis);
            G.DesignCrit.UncontrolledConv = basis == 3 ? 0 : 0.5f;
            const std::string units = " basis " + std::to_string(basis) + unitSystem;
            // User-defined spacing: the results change.
            const auto spacing = [](PerfFrame* d) {
                return [d] {
                    child<QRadioButton>(d, "Option2")->click();
                    enter(d, "TextSpacing", "30");
                    enter(d, "TextRows", "3");
                };
            };
            support(1);
            PerfCrib crib;
            check(&crib, "PerfCrib" + units, spacing(&crib));
            support(2);
            PerfPost post;
            check(&post, "PerfPost" + units, spacing(&post));
            for (int16_t t = 3; t <= 6; ++t) {
                support(t);
                Concrete concrete;
                check(&concrete, "Concrete " + std::to_string(t) + units, spacing(&concrete));
            }
            fileDefinedSupport(false);
            PerfLink link;
            check(&link, "PerfLink" + units, spacing(&link));
            fileDefinedSupport(true);
            PerfCab cab;
            check(&cab, "PerfCab" + units, [&cab] {
                child<QRadioButton>(&cab, "Option2")->click();
                enter(&cab, "TextSpacing", "6");
                enter(&cab, "TextSets", "3");  // the sequence of the cables in a set is shown
            });
        }
    });
}

TEST_F(WindowSizes, CostDialogsFitAndKeepTheirSize)
{
    inEachUnitSystem([&](const std::string& units) {
        support(1);
        MatCrib crib;
        check(&crib, "MatCrib" + units, [&crib] {
            eachTab(&crib);
            // A unit cost at the top of single precision: its 40-digit costs stay within their panels.
            crib.findChild<QTabWidget*>()->setCurrentIndex(0);
            enter(&crib, "TxCost", "3e38");
        });
        support(2);
        MatPost post;
        check(&post, "MatPost" + units, [&post] {
            eachTab(&post);
            child<QRadioButton>(&post, "OptSquare")->click();
        });
        for (int16_t t = 3; t <= 6; ++t) {
            support(t);
            MatCrete crete;
            check(&crete, "MatCrete " + std::to_string(t) + units, [&crete] { eachTab(&crete); });
        }
        fileDefinedSupport(false);
        MatLink link;
        check(&link, "MatLink" + units, [&link] { eachTab(&link); });
        fileDefinedSupport(true);
        // Each bearing plate: the mat shows more fields.
        for (int16_t plate : {0, 2}) {
            G.Cases[static_cast<std::size_t>(G.CurCaseNo)].CabPlate = plate;
            MatCab cab;
            check(&cab, "MatCab plate " + std::to_string(plate) + units, [&cab] { eachTab(&cab); });
        }
    });
}

TEST_F(WindowSizes, CriteriaDialogsFitAndKeepTheirSizeWhateverTheyShow)
{
    // A support whose name takes the whole of its field, for the current-system basis.
    support(2);
    G.CaseName[static_cast<std::size_t>(G.CurCaseNo)] = std::string(64, 'W');
    inEachUnitSystem([&](const std::string& units) {
        for (int16_t basis = 0; basis <= 3; ++basis) {
            G.DesignBasis = basis;
            G.DesignCrit.UncontrolledConv = 0;
            if (basis == 2)  // the support list opens at once: the support is chosen
                AnswerNextModal([](QWidget* w) { ClickButton(w, "Ok"); });
            FormMine d;
            check(&d, "FormMine basis " + std::to_string(basis) + units, [&d, basis] {
                // The uncontrolled convergence brings the security check.
                AnswerNextModal([](QWidget* w) {
                    child<NumBox>(w, "TxUconv")->setText("0.5");
                    ClickButton(w, "Ok");
                });
                child<QPushButton>(&d, QString("ComHeave(%1)").arg(basis))->click();
                // Another curve; the ends of the curve.
                auto* curves = child<QComboBox>(&d, "Combo1");
                curves->setCurrentIndex(curves->count() - 1);
                emit curves->activated(curves->count() - 1);
                if (basis == 1)
                    child<QRadioButton>(&d, "Option1(2)")->click();
                if (basis == 0)
                    child<QCheckBox>(&d, "ChkCMRR")->click();
            });
        }
        CableCriteria cable;
        check(&cable, "CableCriteria" + units, [&cable] {
            child<QCheckBox>(&cable, "ChkCMRR")->click();
            child<QCheckBox>(&cable, "ChkDepth")->click();
        });
    });
    EXPECT_EQ(DropModalAnswers(), 0);
}

TEST_F(WindowSizes, CriteriaEditorsFitAndKeepTheirSize)
{
    inEachUnitSystem([&](const std::string& units) {
        // Points added one by one: the list, the plot and its axes fill.
        G.NextCurveId = 3;
        NewWorkCurve();
        EdPoints points;
        check(&points, "EdPoints" + units, [&points] {
            for (const char* conv : {"0.5", "1.5", "3", "7.5", "12"}) {
                enter(&points, "TxConv", conv);
                enter(&points, "TxTons", QString::number(120 - 8 * std::stof(conv)));
                click(&points, "ComAddPts");
            }
            eachRow(child<QListWidget>(&points, "ListPoints"));
            enter(&points, "TxWidth", "18");  // the mismatch warning
        });
        EdCurves curves;
        check(&curves, "EdCurves" + units, [&curves] { eachRow(child<QListWidget>(&curves, "ListCurves")); });
        UconvExchange x{0, 0.5f, 2.0f};
        MaxYield yield(nullptr, x);
        check(&yield, "MaxYield" + units, [&yield] {
            enter(&yield, "TxUconv", "3");  // more than the design convergence: Independent only
            enter(&yield, "TxUconv", "1");
            click(&yield, "Option2");
        });
    });
}

TEST_F(WindowSizes, DesignAndDetailDialogsFitAndKeepTheirSize)
{
    inEachUnitSystem([&](const std::string& units) {
        support(1);
        DsgnCrib crib;
        check(&crib, "DsgnCrib" + units, [&crib] {
            enter(&crib, "TextRows", "2");
            enter(&crib, "TextMaxW", "14");
            enter(&crib, "TextSpace", "90");
        });
        fileDefinedSupport(false);
        DsgnLink link;
        check(&link, "DsgnLink" + units, [&link] {
            enter(&link, "TextRows", "3");
            enter(&link, "TextSpace", "100");
        });
        HeadFoot head;
        check(&head, "HeadFoot" + units, [&head] {
            enter(&head, "TxRoof", "12345");
            click(&head, "ComDefArea");
        });
        for (int16_t table : {-1, 0}) {  // the posts' species, then the cribs'
            G.WoodTable = table;
            WoodForm wood;
            check(&wood, "WoodForm " + std::to_string(table) + units, [&wood] {
                auto* list = child<QTreeWidget>(&wood, "ListView1");
                for (int i = 0; i < list->topLevelItemCount(); ++i)
                    list->setCurrentItem(list->topLevelItem(i));
                click(&wood, "OptWet");
            });
        }
    });
}

TEST_F(WindowSizes, SupportListAndInformationWindowsFitAndKeepTheirSize)
{
    ASSERT_TRUE(ReadInfoLists().ok);
    G.BmpPath = G.AppPath;
    inEachUnitSystem([&](const std::string& units) {
        // Ten supports, every type, with names that fill their field.
        G.NumCases = 0;
        for (int k = 0; k < kMaxCases; ++k)
            AppendSupport(static_cast<int16_t>(1 + k % G.NumTypes), std::string(64, 'W'));
        G.CurCaseNo = 1;
        EditCases list;
        check(&list, "EditCases" + units, [&list] {
            auto* rows = child<QTreeWidget>(&list, "ListView1");
            for (int i = 0; i < rows->topLevelItemCount(); ++i)
                rows->setCurrentItem(rows->topLevelItem(i));
        });
        for (int16_t addMode : {0, -1}) {
            G.AddMode = addMode;
            FormInfo info;
            check(&info, "FormInfo " + std::to_string(addMode) + units, [&info] {
                for (int i = 0; i < FormInfo::kCategories; ++i) {
                    auto* types = child<QComboBox>(&info, QString("Combo1(%1)").arg(i));
                    for (int at = 0; at < types->count(); ++at) {
                        types->setCurrentIndex(at);
                        emit types->activated(at);
                    }
                }
            });
        }
        FormInfo::resetInfoWindows();
        // The figures and the loadings of every type that has them, stepped through.
        const auto steps = [](QWidget* w) {
            return [w] {
                for (const char* b : {"ComLast", "ComPrev", "ComFirst", "ComNext"})
                    if (auto* step = child<QPushButton>(w, b); step->isEnabled())
                        step->click();
            };
        };
        for (int16_t t = 1; t <= G.NumTypes; ++t) {
            G.InfoType = t;
            const std::string type = " of type " + std::to_string(t) + units;
            if (G.InfoTable(t, 2) > 0) {
                FormPic pic;
                check(&pic, "FormPic" + type, steps(&pic));
            }
            if (G.InfoTable(t, 4) > 0) {
                FailPlot plot;
                check(&plot, "FailPlot" + type, [&plot, &steps] {
                    auto* models = child<QComboBox>(&plot, "ComboModel");
                    for (int at = 0; at < models->count(); ++at) {
                        models->setCurrentIndex(at);
                        emit models->activated(at);
                        steps(&plot)();
                    }
                });
            }
        }
    });
}

TEST_F(WindowSizes, ComparisonSettingsFitAndKeepTheirSize)
{
    G.NumCases = 0;
    for (int k = 0; k < kMaxCases; ++k)
        AppendSupport(static_cast<int16_t>(1 + k % 6), std::string(64, 'W'));
    inEachUnitSystem([&](const std::string& units) {
        PlotSetup plot;
        check(&plot, "PlotSetup" + units, [&plot] {
            eachRow(child<QListWidget>(&plot, "List1"));
            click(&plot, "Option1(0)");  // the load axis

            enter(&plot, "TxXmax", "123456");
            click(&plot, "ComDefLine");
        });
        ChartSet chart;
        check(&chart, "ChartSet" + units, [&chart] {
            auto* categories = child<QListWidget>(&chart, "ListCat");
            for (int i = 0; i < categories->count(); ++i) {
                categories->setCurrentRow(i);
                eachRow(child<QListWidget>(&chart, "ListParm"));
            }
        });
    });
}

}  // namespace
