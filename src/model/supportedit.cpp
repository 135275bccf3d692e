#include "model/supportedit.h"

#include "model/globals.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vesk {

namespace {

std::size_t ix(int i) { return static_cast<std::size_t>(i); }

bool isSupport(int caseNo) { return caseNo >= 1 && caseNo <= G.NumCases && caseNo <= kMaxCases; }

std::vector<int16_t*>& heldNumbers()
{
    static std::vector<int16_t*> held;
    return held;
}

// A number of a support in a list of oldCount from which support removed was
// taken: the same support's new number, or 0 when it was the one removed.
void renumber(int16_t& number, int removed, int oldCount)
{
    if (number == removed)
        number = 0;
    else if (number > removed && number <= oldCount)
        --number;
}

}  // namespace

const char* UpdatedText(int caseNo)
{
    return isSupport(caseNo) && G.Cases[ix(caseNo)].Updated != 0 ? "Yes" : "No";
}

bool AllSupportsUpdated()
{
    for (int i = 1; i <= G.NumCases && i <= kMaxCases; ++i)
        if (G.Cases[ix(i)].Updated == 0)
            return false;
    return true;
}

int DuplicateSupport(int caseNo)
{
    if (!isSupport(caseNo) || G.NumCases >= kMaxCases)
        return 0;
    const int n = G.NumCases + 1;
    G.CaseType[ix(n)] = G.CaseType[ix(caseNo)];
    G.CaseName[ix(n)] = G.CaseName[ix(caseNo)];
    G.Cases[ix(n)] = G.Cases[ix(caseNo)];
    G.DefCases[ix(n)] = G.DefCases[ix(caseNo)];
    G.NumCases = static_cast<int16_t>(n);
    G.CurCaseNo = static_cast<int16_t>(n);
    return n;
}

bool DeleteSupport(int caseNo)
{
    if (!isSupport(caseNo))
        return false;
    const int oldCount = G.NumCases;
    for (int i = caseNo; i < oldCount; ++i) {
        G.CaseType[ix(i)] = G.CaseType[ix(i + 1)];
        G.CaseName[ix(i)] = G.CaseName[ix(i + 1)];
        G.Cases[ix(i)] = G.Cases[ix(i + 1)];
        G.DefCases[ix(i)] = G.DefCases[ix(i + 1)];
    }
    G.NumCases = static_cast<int16_t>(oldCount - 1);
    if (G.CurCaseNo > G.NumCases)
        G.CurCaseNo = G.NumCases;

    renumber(G.DesignCrit.SysCase, caseNo, oldCount);
    for (int16_t* held : heldNumbers())
        renumber(*held, caseNo, oldCount);
    return true;
}

SupportNumberHold::SupportNumberHold(int16_t& number) : number_(&number) { heldNumbers().push_back(number_); }

SupportNumberHold::~SupportNumberHold()
{
    auto& held = heldNumbers();
    held.erase(std::find(held.begin(), held.end(), number_));
}

}  // namespace vesk
