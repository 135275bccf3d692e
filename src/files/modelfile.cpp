#include "files/modelfile.h"

#include "model/globals.h"
#include "model/vbmath.h"
#include "files/datafiles.h"
#include "files/fieldreader.h"
#include "files/safesave.h"
#include "files/textfile.h"

namespace vesk {

namespace {

// The regional cost pair: the line of the region in force is read, the other
// skipped.
template <class F>
void costPair(FieldReader& rd, F&& readLine)
{
    if (G.EasternMines != 0) {
        readLine();
        rd.skipLine();
    } else {
        rd.skipLine();
        readLine();
    }
}

void readStandingBlock(FieldReader& rd, CaseRec& r, int m)
{
    r.MinHt[m] = rd.single();
    r.MaxHt[m] = rd.single();
    rd.endLine();
    r.RoofArea[m] = rd.single();
    r.FloorArea[m] = rd.single();
    rd.endLine();
    r.PlanWid[m] = rd.single();
    r.PlanLen[m] = rd.single();
    rd.endLine();
    costPair(rd, [&] {
        r.CostBasis[m] = rd.integer();
        r.UnitCost[m] = rd.single();
        r.PieceQty[m] = rd.single();
        r.PcsPerFt[m] = rd.single();
        r.FabrCost[m] = rd.single();
        r.FixCost[m] = rd.single();
        r.LoadCost[m] = rd.single();
        r.UnloadCost[m] = rd.single();
        r.ShipCost[m] = rd.single();
        rd.endLine();
    });
    r.PkgWid[m] = rd.single();
    r.PkgLen[m] = rd.single();
    r.HtAdj[m] = rd.single();
    r.SecWid[m] = rd.single();
    r.SecLen[m] = rd.single();
    r.SecThick[m] = rd.single();
    r.PackFactor[m] = rd.single();
    rd.endLine();
    r.TimeBasis[m] = rd.integer();
    r.PieceTime[m] = rd.single();
    r.FixTime[m] = rd.single();
    rd.endLine();
    r.WtBasis[m] = rd.integer();
    r.UnitWt[m] = rd.single();
    r.FixWt[m] = rd.single();
    r.SecWt[m] = rd.single();
    r.NoFixPiece[m] = rd.integer();
    rd.endLine();
}

void readCableBlock(FieldReader& rd, CaseRec& r, int m)
{
    costPair(rd, [&] {
        r.UnitCost[m] = rd.single();
        r.CabCoatCost()[m] = rd.single();
        r.FabrCost[m] = rd.single();
        r.FixCost[m] = rd.single();
        r.LoadCost[m] = rd.single();
        r.UnloadCost[m] = rd.single();
        r.ShipCost[m] = rd.single();
        rd.endLine();
    });
    r.CabPerPkg()[m] = rd.integer();
    r.PkgWid[m] = rd.single();
    r.PkgLen[m] = rd.single();
    rd.endLine();
    r.PieceTime[m] = rd.single();
    r.FixTime[m] = rd.single();
    rd.endLine();
    r.UnitWt[m] = rd.single();
    float refLen = rd.single();
    rd.endLine();
    r.CabRefLen()[m] = refLen > 0 ? refLen : kDefaultCabRefLen;
}

void readModels(FieldReader& rd, const ModelFileRead& how)
{
    const int16_t numModels = rd.integer();
    const int16_t maxPts = rd.integer();
    const bool cable = rd.integer() != 0;
    rd.endLine();
    if (cable != how.cable)
        throw ReadError(cable ? "a cable-bolt file for a standing support" : "a standing-support file for cable bolts");
    if (numModels < 1 || numModels > G.MaxModels || numModels > kMaxModels)
        throw ReadError("number of models outside 1 to 20");
    if (maxPts < 1)
        throw ReadError("largest point count below 1");
    if (!how.record && how.sizeIdx >= numModels)
        throw ReadError("the chosen model is not in the file");
    // The type must have its row in the catalogue's tables.
    if (!G.ModelName.inBounds(how.type, numModels) || static_cast<std::size_t>(how.type) >= G.NumModels.size())
        throw ReadError("type outside the catalogue");

    CaseRec* rec = how.record;
    if (rec)
        rec->SizeIdx = 0;
    G.NumModels[static_cast<std::size_t>(how.type)] = numModels;
    G.PerfConv.redim(numModels, maxPts);
    G.PerfLoad.redim(numModels, maxPts);
    G.ModelYMax.redim(numModels);
    G.ModelXMax.redim(numModels);

    for (int m = 1; m <= numModels; ++m) {
        G.ModelName(how.type, m) = rd.line();
        G.ModelYMax[m] = rd.single();
        G.ModelXMax[m] = rd.single();
        rd.endLine();
        double factor = 1.0;
        if (cable) {
            if (rec) {
                rec->Avail[m] = rd.integer();
                rd.endLine();
                readCableBlock(rd, *rec, m);
            } else {
                rd.skipLines(6);
            }
        } else {
            const int16_t avail = rd.integer();
            const float htA = rd.single();
            const float htB = rd.single();
            rd.endLine();
            if (how.scaleByHeight)
                factor = HeightFactor(htA, htB, G.EntryHt);
            if (rec) {
                rec->Avail[m] = avail;
                readStandingBlock(rd, *rec, m);
            } else {
                rd.skipLines(8);
            }
        }
        const int16_t numPts = rd.integer();
        const float yield = rd.single();
        rd.endLine();
        if (numPts < 1 || numPts > maxPts)
            throw ReadError("point count outside 1 to the largest count");
        if (rec)
            rec->Yield[m] = yield;
        for (int p = 1; p <= numPts; ++p) {
            G.PerfConv(m, p) = rd.single();
            G.PerfLoad(m, p) = CSng(rd.single() * factor);
            rd.endLine();
        }
        G.PerfConv(m, 0) = numPts;
    }
}

void readCurve(FieldReader& rd, int model, bool clampToLast, ModelCurve& out)
{
    const int16_t numModels = rd.integer();
    const int16_t maxPts = rd.integer();
    out.cable = rd.integer() != 0;
    rd.endLine();
    if (numModels < 1 || numModels > kMaxModels)
        throw ReadError("number of models outside 1 to 20");
    if (maxPts < 1)
        throw ReadError("largest point count below 1");
    if (model < 0)
        model = 0;
    if (model >= numModels) {
        if (!clampToLast)
            throw ReadError("the chosen model is not in the file");
        model = numModels - 1;
    }
    out.numModels = numModels;
    out.model = static_cast<int16_t>(model);
    for (int m = 0; m <= model; ++m) {
        rd.skipLine();  // name
        const float yMax = rd.single();
        const float xMax = rd.single();
        rd.endLine();
        if (m == model) {
            out.yMax = yMax;
            out.xMax = xMax;
        }
        if (out.cable) {
            rd.skipLines(5);
            rd.single();  // unit weight
            const float refLen = rd.single();
            rd.endLine();
            if (m == model)
                out.refLen = refLen;
        } else {
            rd.integer();  // availability
            const float htA = rd.single();
            const float htB = rd.single();
            rd.endLine();
            rd.skipLines(8);
            if (m == model) {
                out.htA = htA;
                out.htB = htB;
            }
        }
        const int16_t numPts = rd.integer();
        rd.single();  // yield
        rd.endLine();
        if (numPts < 1 || numPts > maxPts)
            throw ReadError("point count outside 1 to the largest count");
        if (m < model) {
            rd.skipLines(numPts);
            continue;
        }
        for (int p = 1; p <= numPts; ++p) {
            out.conv.push_back(rd.single());
            out.load.push_back(rd.single());
            rd.endLine();
        }
    }
}

std::string unusable(const std::string& why)
{
    return "It is not a model file the program can use (" + why + ").";
}

}  // namespace

bool ReadModelCurveData(std::string bytes, int model, bool clampToLast, ModelCurve& out, std::string* reason)
{
    out = ModelCurve{};
    std::string why;
    try {
        FieldReader rd(std::move(bytes));
        readCurve(rd, model, clampToLast, out);
        return true;
    } catch (const ReadError& e) {
        why = e.what();
    } catch (const ArithError&) {
        why = "a value too large to hold";
    }
    out = ModelCurve{};
    if (reason)
        *reason = unusable(why);
    return false;
}

bool ReadModelCurve(const std::string& path, int model, bool clampToLast, ModelCurve& out, std::string* reason)
{
    out = ModelCurve{};
    std::error_code ec;
    auto bytes = ReadBinaryFile(path, &ec);
    if (!bytes) {
        if (reason)
            *reason = PlainReason(ec);
        return false;
    }
    return ReadModelCurveData(std::move(*bytes), model, clampToLast, out, reason);
}

bool ReadModelData(std::string bytes, const ModelFileRead& how)
{
    std::string why;
    try {
        FieldReader rd(std::move(bytes));
        readModels(rd, how);
        return true;
    } catch (const ReadError& e) {
        why = e.what();
    } catch (const ArithError&) {
        why = "a value too large to hold";
    } catch (const IndexError&) {
        why = "a value outside the program's tables";
    }
    if (how.reason)
        *how.reason = unusable(why);
    return false;
}

bool ReadModelFile(const std::string& path, const ModelFileRead& how)
{
    std::error_code ec;
    auto bytes = ReadBinaryFile(path, &ec);
    if (!bytes) {
        if (how.reason)
            *how.reason = PlainReason(ec);
        return false;
    }
    return ReadModelData(std::move(*bytes), how);
}

bool LoadModelFile(int16_t type, std::string* reason)
{
    const int n = G.CurCaseNo;
    if (n < 0 || n > kMaxCases || type < 0 || static_cast<std::size_t>(type) >= G.TypeFile.size() ||
        static_cast<std::size_t>(type) >= G.TypeCat.size())
        return false;
    CaseRec& rec = G.Cases[static_cast<std::size_t>(n)];
    ModelFileRead how;
    how.type = type;
    how.reason = reason;
    how.cable = G.TypeCat[static_cast<std::size_t>(type)] == kCableBoltCategory;
    const bool full = rec.SizeIdx < 0;
    if (full)
        how.record = &rec;
    else
        how.sizeIdx = rec.SizeIdx;
    if (!ReadModelFile(AppFilePath(G.TypeFile[static_cast<std::size_t>(type)]), how))
        return false;
    if (full)
        G.DefCases[static_cast<std::size_t>(n)] = rec;
    return true;
}

}  // namespace vesk
