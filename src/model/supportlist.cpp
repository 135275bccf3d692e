#include "model/supportlist.h"

#include "model/costs/storedcosts.h"
#include "model/globals.h"

namespace vesk {

bool IsCableType(int type)
{
    return type >= 1 && type < static_cast<int>(G.TypeCat.size()) && G.TypeCat[static_cast<std::size_t>(type)] == kCableCategory;
}

int TemplateIndex(int type)
{
    if (type < 1 || type > G.NumTypes)
        return 0;
    if (type <= 6)
        return type;
    return IsCableType(type) ? kTemplateCable : kTemplateFileDefined;
}

int AppendSupport(int16_t type, const std::string& name)
{
    int t = TemplateIndex(type);
    if (t == 0 || G.NumCases >= kMaxCases)
        return 0;
    int n = ++G.NumCases;
    G.CaseType[static_cast<std::size_t>(n)] = type;
    G.CaseName[static_cast<std::size_t>(n)] = name;
    G.Cases[static_cast<std::size_t>(n)] = G.TypeDefaults[static_cast<std::size_t>(t)];
    G.DefCases[static_cast<std::size_t>(n)] = G.TypeDefaults[static_cast<std::size_t>(t)];
    G.CurCaseNo = static_cast<int16_t>(n);
    G.CurType = type;
    return n;
}

int16_t RunUpdateProtocol(int caseNo, const std::function<void()>& performanceDialog,
                          const std::function<void()>& costDialog)
{
    CaseRec& rec = G.Cases.at(static_cast<std::size_t>(caseNo));
    G.ChangeCount = rec.Updated != 0 ? 2 : 0;  // any nonzero mark, as a file may hold -1
    const int16_t start = G.ChangeCount;
    if (performanceDialog)
        performanceDialog();
    if (G.SelectMode == 0) {
        if (start >= 2 && G.ChangeCount > start) {
            // A new design of a support whose costs were accepted: its costs
            // follow the design at once, or it needs its costs accepted anew.
            CaseRec& designed = G.Cases.at(static_cast<std::size_t>(caseNo));
            if (!RecomputeStoredCosts(designed, G.CaseType.at(static_cast<std::size_t>(caseNo)), G.EntryHt)) {
                designed.Updated = 0;
                G.ChangeCount = static_cast<int16_t>(G.ChangeCount - 2);
            }
        }
        if (costDialog)
            costDialog();
        // The dialogs may have replaced the record; look it up again.
        CaseRec& after = G.Cases.at(static_cast<std::size_t>(caseNo));
        after.Updated = G.ChangeCount >= 2 ? 1 : 0;
    }
    return G.Cases.at(static_cast<std::size_t>(caseNo)).Updated;
}

}  // namespace vesk
