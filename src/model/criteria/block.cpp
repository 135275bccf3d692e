#include "model/criteria/block.h"

#include "model/vbmath.h"

#include <cmath>

namespace vesk {

const BlockRules kStandingBlock = {
    &CritRec::FailHt, &CritRec::RockDens, &CritRec::CMRR,  &CritRec::YieldZone,
    &CritRec::Depth,  &CritRec::Conv,     &CritRec::BlockConv, &CritRec::BlockFlags,
    &CritRec::Tpf,    true,               "design convergence", "Depth must be non-zero",
    false,
};

const BlockRules kCableBlock = {
    &CritRec::CabFailHt, &CritRec::CabRockDens, &CritRec::CabCMRR, &CritRec::CabYieldZone,
    &CritRec::CabDepth,  &CritRec::CabConv,     &CritRec::CabConv, &CritRec::CabBlockFlags,
    &CritRec::CabTpf,    false,                 "design displacement", "Depth must be non-zero.",
    true,
};

BlockLoads BlockLoadDensity(double yieldZone, double entryWid, double failHt, double rockDens)
{
    const float shear = CSng((yieldZone / 2 + entryWid) * failHt * rockDens / 2000);
    return {shear, CSng(0.7854 * shear)};
}

float FailHtFromCMRR(double cmrr, double entryWid)
{
    const double h = (100 - cmrr) / 100 * entryWid;
    return CSng(Int(h * 10 + 0.5) / 10);
}

float YieldZoneFromDepth(double depth, double entryHt)
{
    if (depth < 500)
        return 0;
    double y = (std::pow(2 * depth, 0.168) - 1) * entryHt / 24;
    if (y < 0)
        y = 0;
    return CSng(Int(y + 0.5));
}

void CopyBlockInputs(CritRec& c, const BlockRules& from, const BlockRules& to)
{
    for (auto field : {&BlockRules::failHt, &BlockRules::rockDens, &BlockRules::cmrr, &BlockRules::yieldZone,
                       &BlockRules::depth, &BlockRules::blockConv})
        c.*(to.*field) = c.*(from.*field);
    c.*to.flags = c.*from.flags;
}

bool ValidCMRR(std::optional<float> v) { return v && *v > 0 && *v <= 100; }

BlockResult CalcBlock(CritRec& c, const BlockInputs& in, const BlockRules& r, float entryWid)
{
    const auto bad = [](BlockBox box, const char* name) {
        return BlockResult{box, std::string("Invalid ") + name, {}};
    };
    if (!in.failHt || *in.failHt <= 0)
        return bad(BlockBox::FailHt, "failure height");
    c.*r.failHt = *in.failHt;
    if (!in.dens || *in.dens <= 0)
        return bad(BlockBox::Dens, "density");
    c.*r.rockDens = *in.dens;
    if (r.cmrrAtMost100 ? ValidCMRR(in.cmrr) : (in.cmrr && *in.cmrr > 0))
        c.*r.cmrr = *in.cmrr;
    if (!in.yieldZone || *in.yieldZone < 0)
        return bad(BlockBox::YieldZone, "yield zone width");
    c.*r.yieldZone = *in.yieldZone;
    if (in.depth && *in.depth > 0)
        c.*r.depth = *in.depth;
    if (!in.conv || *in.conv <= 0)
        return bad(BlockBox::Conv, r.convName);
    c.*r.conv = *in.conv;
    if (r.safetyFactor) {
        if (!in.sf || *in.sf < 1 || *in.sf > 10)
            return bad(BlockBox::SF, "safety factor");
        c.CabSF = *in.sf;
    }

    BlockResult res;
    res.loads = BlockLoadDensity(c.*r.yieldZone, entryWid, c.*r.failHt, c.*r.rockDens);
    c.*r.tpf = in.shear ? res.loads.shear : res.loads.arch;
    c.*r.blockConv = *in.conv;
    int16_t flags = c.*r.flags & ~(kBlockArch | kBlockFromCMRR | kBlockFromDepth);
    if (!in.shear)
        flags |= kBlockArch;
    if (in.fromCMRR)
        flags |= kBlockFromCMRR;
    if (in.fromDepth)
        flags |= kBlockFromDepth;
    c.*r.flags = flags;
    return res;
}

}  // namespace vesk
