// The binary files: project, support and curve library. Layouts, byte-exact round trips, what opening and saving
// set, files refused whole, and saves that fail without harming the old file.
#include "core_helpers.h"
#include "files/comparetext.h"
#include "files/curvefile.h"
#include "files/datafiles.h"
#include "files/defaults.h"
#include "files/projectfile.h"
#include "files/safesave.h"
#include "files/supportfile.h"
#include "model/criteria/summary.h"

#include <chrono>
#include <csignal>
#include <functional>
#include <future>
#include <limits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vesk;

namespace {

void setI16(std::string& s, std::size_t off, int16_t v) { std::memcpy(s.data() + off, &v, 2); }

std::string padded(const std::string& s, std::size_t n) { return s + std::string(n - s.size(), ' '); }

// Runs fn in a child process: true when it returned true there.
bool inChild(const std::function<bool()>& fn)
{
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(fn() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs fn as an unprivileged user when the tests run as root, for whom no folder is write-protected.
bool runUnprivileged(const std::function<bool()>& fn)
{
    if (::geteuid() != 0)
        return fn();
    return inChild([&] { return ::setgid(65534) == 0 && ::setuid(65534) == 0 && fn(); });
}

// Runs fn on another thread: false when it has not returned within 5 s. A writer then opens the
// pipe, so that a reader waiting for one sees the end of the data and the test goes on.
bool returnsPromptly(const std::string& fifo, const std::function<void()>& fn)
{
    auto done = std::async(std::launch::async, fn);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    return false;
}

// Everything that opening a project or a support may change.
auto snapshot()
{
    return std::make_tuple(G.DesignCrit, G.PlotSet, G.DesignCurve, G.NumCases, G.CaseName, G.CaseType, G.Cases,
                           G.DefCases, G.ProjName, G.ProjectPath, G.DesignConv, G.DesignTpf, G.EntryWid, G.EntryHt,
                           G.GrcDefined, G.CurCaseNo, G.CurType, G.DesignNow, G.RecalcAll, G.NextStep);
}

CurveRec curve(int16_t id, int16_t pts)
{
    CurveRec c;
    c.Name = padded("Curve " + std::to_string(id), CurveRec::NameLen);  // as read back from a file
    c.Id = id;
    c.NumPts = pts;
    c.Conv.fill(0.5f * id);
    return c;
}

// A library file with the given curves and no filler.
std::string libraryFile(int16_t nextId, int16_t count, int16_t firstId)
{
    BinWriter w;
    w.i16(nextId);
    w.i16(count);
    for (int16_t k = 0; k < count; ++k)
        WriteRec(w, curve(static_cast<int16_t>(firstId + k), 3));
    return w.take();
}

class BinaryFiles : public ScratchFolder {
protected:
    void SetUp() override
    {
        ScratchFolder::SetUp();
        G.NumTypes = 8;
        G.MaxCurves = 50;
        G.GRCurves.resize(51);
    }

    // Two supports with distinct values, reserved bytes and no texts.
    static void twoSupports()
    {
        G.NumCases = 2;
        std::tie(G.CaseName[1], G.CaseType[1], G.CaseName[2], G.CaseType[2]) = std::tuple("Crib A", 1, "Post B", 2);
        G.Cases[1].SizeIdx = 3;
        G.Cases[1].Updated = 1;
        G.Cases[1].Reserved22[5] = 0xAB;
        G.DefCases[1].Rows = 2;
        G.Cases[2].PlotColor = 9;
    }
};

}  // namespace

TEST_F(BinaryFiles, SaveReplacesWholeFileAndKeepsModeAndLinks)
{
    const std::string target = at("a.pro");
    Put(target, std::string(5000, 'x'));
    fs::permissions(target, fs::perms(0600));
    ASSERT_TRUE(SaveFileAtomically(target, std::string("short\0bytes", 11)));
    EXPECT_EQ(Slurp(target), std::string("short\0bytes", 11));  // no old tail
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0600));
    fs::create_symlink(target, at("link.pro"));
    ASSERT_TRUE(SaveFileAtomically(at("link.pro"), "via link"));
    EXPECT_TRUE(fs::is_symlink(at("link.pro")));
    EXPECT_EQ(Slurp(target), "via link");
    fs::create_symlink("later.pro", at("dangling.pro"));  // names a file not there yet
    ASSERT_TRUE(SaveFileAtomically(at("dangling.pro"), "through"));
    EXPECT_TRUE(fs::is_symlink(at("dangling.pro")));
    EXPECT_EQ(Slurp(at("later.pro")), "through");
    EXPECT_EQ(Count(dir), 4);  // no temporary left
}

TEST_F(BinaryFiles, InterruptedSaveLeavesATemporaryNoMoreOpenThanItsTargetWhichTheNextSaveRemoves)
{
    const std::string target = at("a.pro");
    Put(target, "old");
    fs::permissions(target, fs::perms(0600));
    Put(at(".b.pro.vesk-abc123"), "another file's");
    const std::string big(64 << 20, 'x');
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(SaveFileAtomically(target, big) ? 0 : 1);
    // Killed as soon as its temporary file appears, half-way through the write.
    fs::path tmp;
    while (tmp.empty() && ::waitpid(pid, nullptr, WNOHANG) == 0)
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().filename().string().starts_with(".a.pro."))
                tmp = e.path();
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_TRUE(fs::exists(tmp)) << "the save ended before it could be interrupted";
    EXPECT_EQ(fs::status(tmp).permissions() & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);

    // A temporary file still locked belongs to a save under way and stays.
    const std::string busy = at(".a.pro.vesk-zzzzzz");
    const int busyFd = ::open(busy.c_str(), O_WRONLY | O_CREAT, 0600);
    ::flock(busyFd, LOCK_EX);
    ASSERT_TRUE(SaveFileAtomically(target, "new"));
    ::close(busyFd);
    EXPECT_FALSE(fs::exists(tmp));
    EXPECT_TRUE(fs::exists(busy) && fs::exists(at(".b.pro.vesk-abc123")));
    EXPECT_EQ(Count(dir), 3);
}

TEST_F(BinaryFiles, FailedSavesKeepTheOldFileAndLeaveNoTemporary)
{
    fs::create_directory(at("folder.pro"));
    EXPECT_FALSE(SaveFileAtomically(at("folder.pro"), "data"));
    EXPECT_TRUE(fs::is_directory(at("folder.pro")));
    EXPECT_FALSE(SaveFileAtomically(at("missing/a.pro"), "data"));
    EXPECT_EQ(Count(dir), 1);

    // A write-protected folder holding the old file, which alone would allow the write.
    const std::string old = at("ro/a.pro");
    fs::create_directory(at("ro"));
    Put(old, "old content");
    fs::permissions(old, fs::perms(0666));
    fs::permissions(at("ro"), fs::perms(0555));
    EXPECT_TRUE(runUnprivileged([&] { return !SaveFileAtomically(old, "new content"); }));
    EXPECT_EQ(Slurp(old), "old content");
    EXPECT_EQ(Count(at("ro")), 1);
    fs::permissions(at("ro"), fs::perms(0755));

    // A disk that fills up during the write: a file size limit, whose signal would end the program.
    EXPECT_TRUE(inChild([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 5;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::error_code ec;
        return !SaveFileAtomically(old, "much longer content", &ec) && ec == std::errc::file_too_large;
    }));
    EXPECT_EQ(Slurp(old), "old content");
    EXPECT_EQ(Count(at("ro")), 1);
}

TEST_F(BinaryFiles, ProjectLayoutSizesAndOffsets)
{
    G.DesignCrit.EntryWid = 20;
    G.PlotSet.XMax = 6;
    G.DesignCurve.Name = "Main entry";
    G.ProjName = "Test Mine";
    std::string s = EncodeProject(ProjectFromGlobals());
    ASSERT_EQ(s.size(), 592u);
    EXPECT_EQ(At<float>(s, 28), 20.0f);
    EXPECT_EQ(At<float>(s, 144 + 6), 6.0f);
    EXPECT_EQ(s.substr(178, 32), padded("Main entry", 32));
    EXPECT_EQ(s.substr(528), padded("Test Mine", 64));

    twoSupports();
    G.ProjName = std::string(70, 'x');  // cut to 64
    s = EncodeProject(ProjectFromGlobals());
    ASSERT_EQ(s.size(), 16884u);
    EXPECT_EQ(At<int16_t>(s, 526), 2);
    EXPECT_EQ(s.substr(528, 64), padded("Crib A", 64));
    EXPECT_EQ(At<int16_t>(s, 592), 1);                       // type
    EXPECT_EQ(At<int16_t>(s, 594), 3);                       // Cases(1).SizeIdx
    EXPECT_EQ(static_cast<uint8_t>(s[594 + 22 + 5]), 0xAB);  // reserved bytes kept
    EXPECT_EQ(At<int16_t>(s, 4634 + 42), 2);                 // DefCases(1).Rows
    EXPECT_EQ(s.substr(8674, 64), padded("Post B", 64));
    EXPECT_EQ(At<int16_t>(s, 8740 + 4038), 9);
    EXPECT_EQ(s.substr(16820), std::string(64, 'x'));

    G.Cases[1].CabSeq[3] = "(0-4-4)";  // every later byte moves by 7
    s = EncodeProject(ProjectFromGlobals());
    EXPECT_EQ(s.size(), 16891u);
    EXPECT_EQ(s.substr(8674 + 7, 64), padded("Post B", 64));
}

TEST_F(BinaryFiles, ProjectOpenedAndSavedAgainIsByteIdentical)
{
    twoSupports();
    G.Cases[2].CabSeq[0] = "(0-2-2) caf\xc3\xa9";
    G.DesignCrit.Reserved20 = 7.25f;
    G.DesignCurve.NumPts = 10;
    G.ProjName = "Quarry \xe2\x82\xac";
    ASSERT_TRUE(SaveProjectFile(at("a.pro")).ok());
    const auto cases = G.Cases;
    ResetGlobals();
    G.NumTypes = 8;
    ASSERT_TRUE(OpenProjectFile(at("a.pro")).ok());
    EXPECT_EQ(G.ProjName, "Quarry \xe2\x82\xac");
    EXPECT_EQ(G.CaseName[2], "Post B");
    EXPECT_TRUE(G.Cases == cases);
    ASSERT_TRUE(SaveProjectFile(at("b.pro")).ok());
    EXPECT_EQ(Slurp(at("b.pro")), Slurp(at("a.pro")));

    // The name at the end is optional, and an old tail after it is ignored.
    const std::string full = Slurp(at("a.pro"));
    for (std::size_t cut : {64u, 10u}) {
        Put(at("c.pro"), full.substr(0, full.size() - cut));
        ASSERT_TRUE(OpenProjectFile(at("c.pro")).ok());
        EXPECT_EQ(G.ProjName, "");
    }
    Put(at("c.pro"), full + "stale tail");
    ASSERT_TRUE(OpenProjectFile(at("c.pro")).ok());
    EXPECT_EQ(G.ProjName, "Quarry \xe2\x82\xac");
}

TEST_F(BinaryFiles, ProjectOpenSetsWorkingValuesAndNewProjectKeepsCriteria)
{
    twoSupports();
    std::tie(G.DesignCrit.Conv, G.DesignCrit.Tpf, G.DesignCrit.EntryWid, G.DesignCrit.EntryHt) =
        std::tuple(2.5f, 30.f, 18.f, 84.f);
    ASSERT_TRUE(SaveProjectFile(at("p.pro")).ok());
    ASSERT_TRUE(OpenProjectFile(at("p.pro")).ok());
    EXPECT_EQ(std::tie(G.DesignConv, G.DesignTpf, G.EntryWid, G.EntryHt), std::make_tuple(2.5f, 30.f, 18.f, 84.f));
    EXPECT_EQ(std::tie(G.CurCaseNo, G.CurType, G.DesignNow, G.RecalcAll, G.NextStep),
              std::make_tuple(int16_t(1), int16_t(1), int16_t(0), int16_t(-1), int16_t(3)));
    ASSERT_TRUE(SaveProjectFile(at("other.pro")).ok());  // a save keeps the path
    EXPECT_EQ(G.ProjectPath, at("p.pro"));

    // A new project drops the supports and a current-system basis; criteria, curves, name and path stay.
    std::tie(G.CurCaseNo, G.DesignCrit.Basis, G.NumCurves, G.ProjName) = std::tuple(2, 2, 1, "Mine");
    NewProject();
    EXPECT_EQ(std::tie(G.NumCases, G.CurCaseNo, G.DesignCrit.Basis, G.DesignCrit.Tpf, G.NumCurves, G.ProjName,
                       G.ProjectPath),
              std::make_tuple(int16_t(0), int16_t(0), int16_t(0), 30.f, int16_t(1), std::string("Mine"), at("p.pro")));
    G.DesignCrit.Basis = 1;
    NewProject();
    EXPECT_EQ(G.DesignCrit.Basis, 1);

    // Without supports the support list stays closed.
    ASSERT_TRUE(SaveProjectFile(at("empty.pro")).ok());
    EXPECT_EQ(fs::file_size(at("empty.pro")), 592u);
    twoSupports();
    G.CurCaseNo = 2;
    G.NextStep = 0;
    ASSERT_TRUE(OpenProjectFile(at("empty.pro")).ok());
    EXPECT_EQ(std::tie(G.NumCases, G.CurCaseNo, G.NextStep), std::make_tuple(int16_t(0), int16_t(0), int16_t(0)));
}

TEST_F(BinaryFiles, CurveBasisIsTakenUpAndHoldsOnlyWithTheCurveInTheLocalLibrary)
{
    G.DesignCrit.Basis = 1;
    G.DesignCrit.CurveId = 7;
    ASSERT_TRUE(SaveProjectFile(at("grc.pro")).ok());
    auto openWith = [&](int16_t numCurves, int16_t libId, int16_t libPts) {
        G.NumCurves = numCurves;
        G.GRCurves[1] = curve(3, 5);
        G.GRCurves[2] = curve(libId, libPts);
        G.GrcDefined = 99;
        EXPECT_TRUE(OpenProjectFile(at("grc.pro")).ok());
        return G.GrcDefined;
    };
    // The project's basis is in force at once, whether its curve is found or not.
    const auto basisInForce = [] { return std::make_tuple(G.DesignBasis, G.BasisName); };
    const auto curveBasis = std::make_tuple(int16_t(1), std::string("Ground reaction curve"));
    EXPECT_EQ(openWith(2, 7, 3), -1);
    EXPECT_EQ(basisInForce(), curveBasis);
    SetDesignBasis(0);
    EXPECT_EQ(openWith(2, 8, 3), 0);  // not in this computer's library
    EXPECT_EQ(basisInForce(), curveBasis);
    EXPECT_EQ(openWith(2, 7, 1), 0);  // a single point is no curve
    EXPECT_EQ(openWith(0, 7, 3), 0);
}

TEST_F(BinaryFiles, ProjectsThatCannotBeReadWholeChangeNothing)
{
    twoSupports();
    G.Cases[2].CabSeq[4] = "(0-4-4)";
    const std::string good = EncodeProject(ProjectFromGlobals());
    const std::string cut = "The file ends too soon: it is cut short or not a file of this kind.";
    std::vector<std::tuple<std::string, std::string, std::string>> bad;  // what, bytes, reason shown
    auto patched = [&](const char* what, std::size_t off, int16_t v, const std::string& reason) {
        std::string s = good;
        setI16(s, off, v);
        bad.emplace_back(what, s, reason);
    };
    BinWriter eleven;
    WriteRec(eleven, CritRec{});
    WriteRec(eleven, PlotRec{});
    WriteRec(eleven, CurveRec{});
    eleven.i16(int16_t(11));
    for (int i = 0; i < 11; ++i)
        WriteSupportBlock(eleven, {"S", 1, {}, {}});
    eleven.fixedStr("Eleven", 64);
    bad.emplace_back("eleven supports", eleven.take(), "The file names 11 supports; a project holds 0 to 10.");
    patched("negative count", 526, -1, "The file names -1 supports; a project holds 0 to 10.");
    patched("type 0", 8738, 0, "Support \"Post B\" is of type 0, but config.txt defines only types 1 to 8.");
    patched("type beyond NumTypes", 8738, 9, "Support \"Post B\" is of type 9, but config.txt defines only types 1 to 8.");
    patched("design curve of 11 points", 178 + 34, 11, "The design curve has 11 points; a curve holds at most 10.");
    patched("text past the end", 8740 + 880 + 8, 20000, cut);
    bad.emplace_back("cut in a default record", good.substr(0, 8000), cut);
    bad.emplace_back("empty", "", cut);

    G.ProjName = "Before";
    G.ProjectPath = "/old/path.pro";
    const auto before = snapshot();
    for (const auto& [what, bytes, reason] : bad) {
        Put(at("bad.pro"), bytes);
        FileCommandResult r = OpenProjectFile(at("bad.pro"));
        EXPECT_EQ(std::tie(r.status, r.message, r.title),
                  std::make_tuple(FileCommandStatus::ReadFailed, "Error reading bad.pro\n" + reason,
                                  std::string("Error")))
            << what;
        EXPECT_TRUE(snapshot() == before) << what;
    }
    EXPECT_EQ(OpenProjectFile(at("none.pro")).status, FileCommandStatus::NotFound);
    EXPECT_FALSE(fs::exists(at("none.pro")));
    EXPECT_TRUE(snapshot() == before);
}

TEST_F(BinaryFiles, ANumberThatIsNotFiniteMakesAProjectOrSupportUnreadable)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const auto withSingle = [](std::string s, std::size_t off, float v) {
        std::memcpy(s.data() + off, &v, 4);
        return s;
    };
    const std::string damaged = " a value that is not a finite number: the file is damaged.";
    twoSupports();
    const std::string project = EncodeProject(ProjectFromGlobals());
    ASSERT_TRUE(SaveSupportFile(at("crib.sup"), 1).ok());
    const std::string support = Slurp(at("crib.sup"));
    // Offsets: in a support file the record starts at 66 and its default record at 66 + 4,040;
    // UserSpacing lies 70 bytes into a record and Par(0) 82.
    const std::vector<std::tuple<std::string, std::string, std::string>> bad = {
        {"a.sup", withSingle(support, 66 + 82, nan), "Support \"Crib A\" holds" + damaged},
        {"b.sup", withSingle(support, 4106 + 70, inf), "The default values of support \"Crib A\" hold" + damaged},
        {"c.sup", withSingle(support, 66 + 70, -inf), "Support \"Crib A\" holds" + damaged},
        {"a.pro", withSingle(project, 24, nan), "The design criteria hold" + damaged},  // EntryHt
        {"b.pro", withSingle(project, 144 + 6, inf), "The plot settings hold" + damaged},  // XMax
        {"c.pro", withSingle(project, 178 + 64, nan), "The design curve holds" + damaged},  // Conv(1)
        {"d.pro", withSingle(project, 528 + 8146 + 66 + 82, inf), "Support \"Post B\" holds" + damaged},
        {"e.pro", withSingle(project, 528 + 66 + 4040 + 70, nan),
         "The default values of support \"Crib A\" hold" + damaged},
    };
    const auto before = snapshot();
    for (const auto& [name, bytes, reason] : bad) {
        Put(at(name), bytes);
        const bool isProject = name.ends_with(".pro");
        FileCommandResult r = isProject ? OpenProjectFile(at(name)) : OpenSupportFile(at(name));
        EXPECT_EQ(std::tie(r.status, r.message, r.title),
                  std::make_tuple(FileCommandStatus::ReadFailed, "Error reading " + name + "\n" + reason,
                                  std::string("Error")))
            << name;
        EXPECT_TRUE(snapshot() == before) << name;
    }
}

TEST_F(BinaryFiles, ACurveHoldingANumberThatIsNotFiniteEndsTheLibraryBeforeIt)
{
    const std::string file = at("grcurves.bin");
    std::string lib = libraryFile(4, 4, 1);
    const float inf = std::numeric_limits<float>::infinity();
    std::memcpy(lib.data() + 4 + 2 * 348 + 108 + 4 * 2, &inf, 4);  // Tons(2) of curve 3
    Put(file, lib);
    G.DesignCurve = curve(77, 2);
    EXPECT_EQ(ReadCurves(file), -1);
    ASSERT_EQ(G.NumCurves, 2);
    EXPECT_EQ(G.GRCurves[1], curve(1, 3));
    EXPECT_EQ(G.GRCurves[2], curve(2, 3));
    EXPECT_EQ(G.DesignCurve, curve(77, 2));

    FileCommandResult r = ReloadCurves(file);
    EXPECT_EQ(r.message,
              "Error reading grcurves.bin\nCurve 3 holds a value that is not a finite number: the file is damaged.");
    EXPECT_EQ(G.NumCurves, 0);
}

TEST_F(BinaryFiles, FailedProjectSaveReportsAndKeepsTheOldFile)
{
    twoSupports();
    ASSERT_TRUE(SaveProjectFile(at("keep.pro")).ok());
    const std::string old = Slurp(at("keep.pro"));
    G.CaseName[1] = "\xe6\xbc\xa2";  // not in the Windows code page
    FileCommandResult r = SaveProjectFile(at("keep.pro"));
    EXPECT_EQ(std::tie(r.status, r.message),
              std::make_tuple(FileCommandStatus::WriteFailed,
                              std::string("Error saving keep.pro\nThe text \"\xe6\xbc\xa2\" holds characters that "
                                          "the file's character set cannot store.")));
    EXPECT_EQ(Slurp(at("keep.pro")), old);
}

TEST_F(BinaryFiles, SupportSavedNotUpdatedOnFileAndClearedOnlyAfterASuccessfulWrite)
{
    twoSupports();
    ASSERT_TRUE(SaveSupportFile(at("crib.sup"), 1).ok());
    const std::string s = Slurp(at("crib.sup"));
    ASSERT_EQ(s.size(), 8146u);
    EXPECT_EQ(s.substr(0, 64), padded("Crib A", 64));
    EXPECT_EQ(At<int16_t>(s, 64), 1);
    EXPECT_EQ(At<int16_t>(s, 66), 3);      // SizeIdx
    EXPECT_EQ(At<int16_t>(s, 66 + 8), 0);  // Updated, 1 in memory before the save
    EXPECT_EQ(At<int16_t>(s, 4106 + 42), 2);
    EXPECT_EQ(G.Cases[1].Updated, 0);

    G.Cases[1].Updated = 1;
    fs::create_directory(at("dir.sup"));
    EXPECT_EQ(SaveSupportFile(at("dir.sup"), 1).message, "Error saving dir.sup\nIt is a folder, not a file.");
    EXPECT_EQ(G.Cases[1].Updated, 1);
    FileCommandResult r = SaveSupportFile(at("crib.sup"), 0);
    EXPECT_EQ(std::tie(r.status, r.message),
              std::make_tuple(FileCommandStatus::Refused, std::string("Select support, then press Save.")));
}

TEST_F(BinaryFiles, OpenedSupportIsAppendedCurrentAndNotUpdated)
{
    twoSupports();
    G.Cases[2].Updated = 1;
    G.Cases[2].CabSeq[7] = "(0-4-4)";
    G.Cases[2].Reserved14 = {1, 2};
    ASSERT_TRUE(SaveSupportFile(at("post.sup"), 2).ok());
    Put(at("post.sup"), Slurp(at("post.sup")) + "old tail");  // left by an in-place save of a longer support
    ASSERT_TRUE(OpenSupportFile(at("post.sup")).ok());
    EXPECT_EQ(std::tie(G.NumCases, G.CurCaseNo, G.CurType), std::make_tuple(int16_t(3), int16_t(3), int16_t(2)));
    EXPECT_EQ(G.CaseName[3], "Post B");
    EXPECT_TRUE(G.Cases[3] == G.Cases[2] && G.DefCases[3] == G.DefCases[2]);
    ASSERT_TRUE(SaveSupportFile(at("again.sup"), 3).ok());
    EXPECT_EQ(Slurp(at("again.sup")) + "old tail", Slurp(at("post.sup")));

    const auto before = snapshot();
    std::string bad = Slurp(at("again.sup"));
    setI16(bad, 64, 9);
    Put(at("bad.sup"), bad);
    EXPECT_EQ(OpenSupportFile(at("bad.sup")).message,
              "Error reading bad.sup\nSupport \"Post B\" is of type 9, but config.txt defines only types 1 to 8.");
    Put(at("bad.sup"), bad.substr(0, 8000));
    EXPECT_EQ(OpenSupportFile(at("bad.sup")).status, FileCommandStatus::ReadFailed);
    EXPECT_EQ(OpenSupportFile(at("none.sup")).status, FileCommandStatus::NotFound);
    EXPECT_FALSE(fs::exists(at("none.sup")));
    EXPECT_TRUE(snapshot() == before);

    G.NumCases = 10;
    FileCommandResult r = OpenSupportFile(at("post.sup"));
    EXPECT_EQ(std::tie(r.status, r.message, r.title),
              std::make_tuple(FileCommandStatus::Refused, std::string("A maximum of 10 supports may be defined."),
                              std::string("Attention")));
    EXPECT_EQ(G.NumCases, 10);
}

TEST_F(BinaryFiles, CurveLibraryOfFiftyIs17404BytesWithBlankFiller)
{
    const std::string file = CurveFilePath();
    EXPECT_EQ(file, at("grcurves.bin"));
    Put(file, libraryFile(9, 2, 4));
    ASSERT_EQ(ReadCurves(), 0);
    EXPECT_EQ(G.DesignCurve, curve(4, 3));
    ASSERT_TRUE(SaveCurves(file).ok());
    const std::string s = Slurp(file);
    ASSERT_EQ(s.size(), 17404u);
    EXPECT_EQ(std::tie(s[0], s[2]), std::make_tuple('\x09', '\x02'));
    EXPECT_EQ(s.substr(4, 32), padded("Curve 4", 32));
    EXPECT_EQ(At<int16_t>(s, 4 + 348 + 32), 5);
    const std::size_t filler = 4 + 2 * 348;
    EXPECT_EQ(s.substr(filler, 34), std::string(32, ' ') + std::string(2, '\0'));
    for (int slot : {0, 11})  // load, spacing, width
        EXPECT_EQ(std::make_tuple(At<float>(s, filler + 108 + 4 * slot), At<float>(s, filler + 156 + 4 * slot),
                                  At<float>(s, filler + 204 + 4 * slot)),
                  std::make_tuple(0.f, 1.f, 1.f));
    EXPECT_EQ(s.substr(s.size() - 348), s.substr(filler, 348));
    EXPECT_EQ(G.WorkCurve, BlankCurve());
    ASSERT_EQ(ReadCurves(), 0);
    ASSERT_TRUE(SaveCurves(file).ok());
    EXPECT_EQ(Slurp(file), s);
}

TEST_F(BinaryFiles, CurveLibraryStartUpReadingAndItsFailures)
{
    const std::string file = at("grcurves.bin");
    EXPECT_EQ(ReadCurves(file), 0);  // created empty
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(std::tie(G.NumCurves, G.NextCurveId), std::make_tuple(int16_t(0), int16_t(1)));
    Put(file, libraryFile(0, -3, 1));
    ASSERT_EQ(ReadCurves(file), 0);
    EXPECT_EQ(std::tie(G.NumCurves, G.NextCurveId), std::make_tuple(int16_t(0), int16_t(1)));

    // A failure keeps the curves read before it and leaves the design curve.
    G.DesignCurve = curve(77, 2);
    std::string three = libraryFile(4, 3, 1);
    Put(file, three.substr(0, 4 + 2 * 348 + 100));
    EXPECT_EQ(ReadCurves(file), -1);
    EXPECT_EQ(G.NumCurves, 2);
    three[4 + 2 * 348 + 34] = 11;  // a curve of 11 points
    Put(file, three);
    EXPECT_EQ(ReadCurves(file), -1);
    EXPECT_EQ(G.NumCurves, 2);
    EXPECT_EQ(G.DesignCurve, curve(77, 2));

    // Reading again from the curve list: a failure empties the library.
    FileCommandResult r = ReloadCurves(file);
    EXPECT_EQ(std::tie(r.status, r.message),
              std::make_tuple(FileCommandStatus::ReadFailed,
                              std::string("Error reading grcurves.bin\nCurve 3 has 11 points; a curve holds at most 10.")));
    EXPECT_EQ(G.NumCurves, 0);
}

TEST_F(BinaryFiles, MoreCurvesThanMaxCurvesAreAllKept)
{
    const std::string file = at("grcurves.bin");
    G.MaxCurves = 5;
    Put(file, libraryFile(30, 7, 20));
    ASSERT_EQ(ReadCurves(file), 0);
    EXPECT_EQ(std::tie(G.NumCurves, G.MaxCurves), std::make_tuple(int16_t(7), int16_t(7)));
    EXPECT_EQ(G.GRCurves[7], curve(26, 3));
    ASSERT_TRUE(SaveCurves(file).ok());
    EXPECT_EQ(Slurp(file), libraryFile(30, 7, 20));

    G.MaxCurves = 5;  // the curve list's reload grows the library as well
    G.DesignCurve = {};
    ASSERT_TRUE(ReloadCurves(file).ok());
    EXPECT_EQ(std::tie(G.NumCurves, G.MaxCurves, G.NextCurveId), std::make_tuple(int16_t(7), int16_t(7), int16_t(30)));
    EXPECT_EQ(G.DesignCurve, CurveRec{});

    // A failed save keeps the file and the library.
    G.GRCurves[1].Name = "\xe6\xbc\xa2";
    EXPECT_EQ(SaveCurves(file).message, "Error saving grcurves.bin\nThe text \"\xe6\xbc\xa2\" holds characters "
                                        "that the file's character set cannot store.");
    EXPECT_EQ(Slurp(file), libraryFile(30, 7, 20));
    EXPECT_EQ(G.NumCurves, 7);
}

TEST_F(BinaryFiles, EverySaveAndCreateFailureGivesItsReasonInSaveWording)
{
    twoSupports();
    G.MaxCurves = 2;
    const CompareDoc doc;
    // The message of every save, and of creating the curve library, into the folder `folder`.
    const auto messages = [&](const std::string& folder) {
        G.AppPath = folder;
        std::string compare;
        SaveCompareText(folder + "/table.txt", doc, &compare);
        return std::vector<std::string>{SaveProjectFile(folder + "/a.pro").message,
                                        SaveSupportFile(folder + "/a.sup", 1).message,
                                        SaveCurves(folder + "/grcurves.bin").message,
                                        ReloadCurves(folder + "/grcurves.bin").message,
                                        compare,
                                        SaveBmpPath(),
                                        SaveDefName("Mine")};
    };
    const auto expected = [](const std::string& reason) {
        return std::vector<std::string>{"Error saving a.pro\n" + reason, "Error saving a.sup\n" + reason,
                                        "Error saving grcurves.bin\n" + reason, "Error reading grcurves.bin\n" + reason,
                                        reason, reason, reason};
    };
    EXPECT_EQ(messages(at("missing")), expected("The folder does not exist."));
    Put(at("file"), "x");
    EXPECT_EQ(messages(at("file")), expected("A name in the path is a file, not a folder."));

    // A write-protected folder, as a user who is not its owner (root writes anywhere).
    fs::create_directory(at("locked"));
    fs::permissions(at("locked"), fs::perms(0555));
    EXPECT_TRUE(runUnprivileged([&] {
        const auto shown = messages(at("locked"));
        const bool same = shown == expected("You have no permission to write there.");
        for (std::size_t i = 0; i < shown.size() && !same; ++i)
            std::fprintf(stderr, "shown: %s\n", shown[i].c_str());
        return same;
    }));
}

TEST_F(BinaryFiles, NamedPipesAreRefusedWithoutWaitingForAWriter)
{
    for (const char* name : {"pipe.pro", "pipe.sup", "grcurves.bin", "defaults.txt"})
        ASSERT_EQ(::mkfifo(at(name).c_str(), 0600), 0);
    FileCommandResult project, support;
    int16_t curves = 0, defaults = 0;
    EXPECT_TRUE(returnsPromptly(at("pipe.pro"), [&] { project = OpenProjectFile(at("pipe.pro")); }));
    EXPECT_TRUE(returnsPromptly(at("pipe.sup"), [&] { support = OpenSupportFile(at("pipe.sup")); }));
    EXPECT_TRUE(returnsPromptly(at("grcurves.bin"), [&] { curves = ReadCurves(); }));
    EXPECT_TRUE(returnsPromptly(at("defaults.txt"), [&] { defaults = ReadDefaults(); }));
    EXPECT_EQ(project.message, "Error reading pipe.pro\nIt is not a regular file.");
    EXPECT_EQ(support.message, "Error reading pipe.sup\nIt is not a regular file.");
    EXPECT_EQ(std::tie(curves, defaults), std::make_tuple(int16_t(-1), int16_t(-1)));
}
