#include "model/costs/costpipeline.h"

namespace vesk {

const char* CostGroupName(CostGroup group)
{
    switch (group) {
    case CostGroup::Cost: return "Cost";
    case CostGroup::Time: return "Time";
    case CostGroup::Transport: return "Transport";
    case CostGroup::Work: return "Work";
    case CostGroup::None: break;
    }
    return "";
}

std::string CostReadResult::message() const { return std::string("Error in ") + CostGroupName(bad) + " tab."; }

CostReadResult ReadCostInputs(CaseRec&, int, const CommonCostInputs&, const std::vector<MemberCostBox>&,
                              const CostReadOrder&)
{
    return {};
}

CostResults RunCostPipeline(CaseRec&, int, const CostQuantities&, float, const CostRules&) { return {}; }

void ResetCostDefaults(CaseRec&, const CaseRec&, int, int, const std::vector<SizeF CaseRec::*>&) {}

}  // namespace vesk
