#include "model/costs/storedcosts.h"

#include "model/costs/cabcosts.h"
#include "model/costs/concretecosts.h"
#include "model/costs/cribcosts.h"
#include "model/costs/linkcosts.h"
#include "model/costs/postcosts.h"
#include "model/supportlist.h"

#include <algorithm>
#include <exception>

namespace vesk {

namespace {

// What the cost dialog of the type takes besides the frame's boxes, with its
// own boxes holding what the record holds.
struct Member {
    int k = 1;
    std::vector<MemberCostBox> boxes;
    CostQuantities quantities;
    CostRules rules;
    CostReadOrder order;
};

Member memberOf(const CaseRec& c, int type, float entryHt)
{
    Member m;
    if (type == 1) {
        m.boxes = CribTransportBoxes(c.FixVol()[1]);
        m.quantities = CribCostQuantities(c, entryHt);
    } else if (type == 2) {
        m.boxes = PostTransportBoxes({c.PostShape()[1] != 0, c.HtAdj[1], c.SecWid[1], c.SecLen[1], c.SecThick[1]});
        m.quantities = PostCostQuantities(c, entryHt, c.PostShape()[1] != 0);
    } else if (type >= 3 && type <= 6) {
        m.boxes = ConcreteTransportBoxes(c.FixVol()[1]);
        m.quantities = ConcreteCostQuantities(c, type, entryHt);
        m.order = ConcreteReadOrder();
    } else {
        m.k = std::clamp(c.SizeIdx + 1, 0, 20);
        const auto k = static_cast<std::size_t>(m.k);
        if (IsCableType(type)) {
            const CabFields f = CabFieldsOf(c);
            CabCostInputs in;
            in.resinCost = (c.*f.resinCost)[k], in.plateCost = (c.*f.plateCost)[k], in.matCost = c.CabMatCost()[k];
            in.drillTime = (c.*f.drillTime)[k];
            in.pkgWid = c.PkgWid[k], in.pkgLen = c.PkgLen[k], in.perPkg = static_cast<float>(c.CabPerPkg()[k]);
            in.matWt = c.CabMatWt()[k], in.plateWt = (c.*f.plateWt)[k], in.drillWork = c.CabDrillWork()[k];
            m.boxes = CabCostBoxes(c, in);
            m.quantities = CabCostQuantities(c, m.k);
            m.rules = CabCostRules();
            m.order = CabReadOrder(c);
        } else {
            m.boxes = LinkTransportBoxes({c.PkgWid[k], c.PkgLen[k], c.HtAdj[k], c.PackFactor[k], c.SecWid[k],
                                          c.SecLen[k], c.SecThick[k]});
            m.quantities = LinkCostQuantities(c, m.k, entryHt);
            m.rules = LinkCostRules(entryHt);
        }
    }
    return m;
}

}  // namespace

bool RecomputeStoredCosts(CaseRec& c, int type, float entryHt)
{
    const CaseRec before = c;
    try {
        for (bool onOk : {false, true}) {
            // The boxes are read before the quantities are formed from the record.
            Member m = memberOf(c, type, entryHt);
            const auto k = static_cast<std::size_t>(m.k);
            CommonCostInputs in = StoredCostInputs(c, m.k);
            in.unitCost = (c.*m.order.unitCostField)[k];
            if (onOk)  // the typed-cost boxes show the costs in force after the first run
                in.userMat = c.MatCost, in.userConstr = c.ConstrCost, in.userTrans = c.TransCost;
            if (!ReadCostInputs(c, m.k, in, m.boxes, m.order).ok()) {
                c = before;
                return false;
            }
            m = memberOf(c, type, entryHt);
            RunCostPipeline(c, m.k, m.quantities, entryHt, m.rules);
        }
    } catch (const std::exception&) {
        c = before;
        return false;
    }
    return true;
}

}  // namespace vesk
