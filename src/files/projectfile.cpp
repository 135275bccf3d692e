#include "files/projectfile.h"

#include "model/criteria/summary.h"
#include "model/globals.h"

namespace vesk {

namespace {

constexpr int16_t kMaxCurvePoints = 10;

// Position 1..NumCurves of the library curve with this identifier, -1 when
// the library has none.
int libraryIndexOf(int16_t id)
{
    for (int k = 1; k <= G.NumCurves && k < static_cast<int>(G.GRCurves.size()); ++k)
        if (G.GRCurves[k].Id == id)
            return k;
    return -1;
}

}  // namespace

ProjectData ProjectFromGlobals()
{
    if (G.NumCases < 0 || G.NumCases > kMaxCases)
        throw WriteError("The project has " + std::to_string(G.NumCases) + " supports; a project holds 0 to 10.");
    ProjectData p{G.DesignCrit, G.PlotSet, G.DesignCurve, {}, G.ProjName};
    p.Supports.reserve(static_cast<std::size_t>(G.NumCases));
    for (int i = 1; i <= G.NumCases; ++i)
        p.Supports.push_back({G.CaseName[i], G.CaseType[i], G.Cases[i], G.DefCases[i]});
    return p;
}

std::string EncodeProject(const ProjectData& p)
{
    if (p.Supports.size() > kMaxCases)
        throw WriteError("The project has more than 10 supports; a project holds 0 to 10.");
    std::size_t size = kProjectHeadSize + 2 + kProjNameLen;
    for (const auto& b : p.Supports)
        size += EncodedSize(b);
    BinWriter w;
    w.reserve(size);
    WriteRec(w, p.DesignCrit);
    WriteRec(w, p.PlotSet);
    WriteRec(w, p.DesignCurve);
    w.i16(static_cast<int16_t>(p.Supports.size()));
    for (const auto& b : p.Supports)
        WriteSupportBlock(w, b);
    w.fixedStr(p.ProjName, kProjNameLen);
    return w.take();
}

ProjectData DecodeProject(std::string_view bytes, int numTypes)
{
    BinReader rd(bytes);
    ProjectData p;
    ReadRec(rd, p.DesignCrit);
    RequireFinite(p.DesignCrit, "The design criteria hold");
    ReadRec(rd, p.PlotSet);
    RequireFinite(p.PlotSet, "The plot settings hold");
    ReadRec(rd, p.DesignCurve);
    RequireFinite(p.DesignCurve, "The design curve holds");
    if (p.DesignCurve.NumPts < 0 || p.DesignCurve.NumPts > kMaxCurvePoints)
        throw ReadError("The design curve has " + std::to_string(p.DesignCurve.NumPts) +
                        " points; a curve holds at most 10.");
    const int16_t n = rd.readI16();
    if (n < 0 || n > kMaxCases)
        throw ReadError("The file names " + std::to_string(n) + " supports; a project holds 0 to 10.");
    for (int i = 0; i < n; ++i)
        p.Supports.push_back(ReadSupportBlock(rd, numTypes));
    if (rd.remaining() >= kProjNameLen) {
        rd.fixedStr(p.ProjName, kProjNameLen);
        p.ProjName = TrimTrailingBlanks(std::move(p.ProjName));
    }
    return p;
}

void TakeOverProject(ProjectData&& p, const std::string& path)
{
    G.DesignCrit = p.DesignCrit;
    G.PlotSet = p.PlotSet;
    G.DesignCurve = std::move(p.DesignCurve);
    G.NumCases = static_cast<int16_t>(p.Supports.size());
    for (int i = 1; i <= G.NumCases; ++i) {
        SupportBlock& b = p.Supports[i - 1];
        G.CaseName[i] = std::move(b.Name);
        G.CaseType[i] = b.Type;
        G.Cases[i] = std::move(b.Rec);
        G.DefCases[i] = std::move(b.Def);
    }
    G.ProjName = std::move(p.ProjName);

    G.DesignConv = G.DesignCrit.Conv;
    G.DesignTpf = G.DesignCrit.Tpf;
    G.EntryWid = G.DesignCrit.EntryWid;
    G.EntryHt = G.DesignCrit.EntryHt;
    // Every evaluation checks against the project's own basis from the start.
    SetDesignBasis(G.DesignCrit.Basis);

    // The curve basis holds only when the local library has the project's
    // design curve with a usable number of points.
    G.GrcDefined = 0;
    if (G.DesignCrit.Basis == 1 && G.NumCurves >= 1 && G.DesignCrit.CurveId >= 1) {
        int k = libraryIndexOf(G.DesignCrit.CurveId);
        if (k >= 1 && k <= G.NumCurves && G.GRCurves[k].NumPts > 1)
            G.GrcDefined = -1;
    }

    G.ProjectPath = path;
    if (G.NumCases > 0) {
        G.CurCaseNo = 1;
        G.CurType = G.CaseType[1];
        G.DesignNow = 0;
        G.RecalcAll = -1;
        G.NextStep = 3;
    } else {
        G.CurCaseNo = 0;
    }
}

FileCommandResult SaveProjectFile(const std::string& path)
{
    return SaveEncoded(path, [] { return EncodeProject(ProjectFromGlobals()); });
}

FileCommandResult OpenProjectFile(const std::string& path)
{
    std::string bytes;
    if (FileCommandResult r = ReadFileForOpen(path, bytes); !r.ok())
        return r;
    ProjectData p;
    try {
        p = DecodeProject(bytes, G.NumTypes);
    } catch (const ReadError& e) {
        return ReadFailure(path, e.what());
    }
    TakeOverProject(std::move(p), path);
    return {};
}

void NewProject()
{
    G.NumCases = 0;
    G.CurCaseNo = 0;
    if (G.DesignCrit.Basis == 2)
        G.DesignCrit.Basis = 0;
}

}  // namespace vesk
