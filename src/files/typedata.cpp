#include "files/typedata.h"

#include "model/concretecurve.h"
#include "model/cribmodel.h"
#include "model/globals.h"
#include "model/postcurve.h"
#include "model/vbmath.h"
#include "files/modelfile.h"

#include <cstddef>
#include <exception>

namespace vesk {

TypeDataRefresh SelectSupport(int caseNo, bool selectMode)
{
    TypeDataRefresh r;
    if (caseNo < 1 || caseNo > G.NumCases || caseNo > kMaxCases)
        return r;
    const auto n = static_cast<std::size_t>(caseNo);
    G.CurCaseNo = static_cast<int16_t>(caseNo);
    G.CurType = G.CaseType[n];
    const int16_t type = G.CurType;

    if (type == 1) {
        try {
            UpdateCrib(G.CurCaseNo);
        } catch (const ArithError&) {
            // Coefficients beyond single precision: the crib keeps its old ones,
            // and its performance dialog reports the inputs.
        }
    } else if (type == 2) {
        if (selectMode) {
            G.CurCase = G.Cases[n];
            CalcPostCurve();
        }
    } else if (type >= 3 && type <= 6) {
        if (selectMode) {
            G.CurCase = G.Cases[n];
            CalcConcreteCurve();
        }
    } else if (type >= 7) {
        r.fullRead = G.Cases[n].SizeIdx < 0;
        if (static_cast<std::size_t>(type) < G.TypeFile.size())
            r.modelFile = G.TypeFile[static_cast<std::size_t>(type)];
        bool ok = false;
        try {
            ok = LoadModelFile(type, &r.reason);
        } catch (const std::exception& e) {
            ok = false;
            r.reason = e.what();
        }
        r.modelFileFailed = !ok;
    }
    return r;
}

}  // namespace vesk
