// Helpers of the core tests: file bytes, fields at byte offsets, closeness in ulps, a scratch program folder.
#pragma once

#include "files/defaults.h"
#include "model/globals.h"
#include "model/supportlist.h"
#include "model/supports/perfframe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <stdlib.h>

namespace vesk {

namespace fs = std::filesystem;

inline std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void Put(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

inline long Count(const fs::path& dir) { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }

// The value of type T stored at byte `off` of s.
template <class T>
T At(const std::string& s, std::size_t off)
{
    T v;
    std::memcpy(&v, s.data() + off, sizeof v);
    return v;
}

inline ::testing::AssertionResult WithinUlp(float got, float want)
{
    if (got == want || std::nextafter(want, got) == got)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " is more than 1 ulp from " << want;
}

using Points = std::vector<std::pair<float, float>>;

// A ground reaction curve from its slots 0..n+1 (in, tons/ft²).
inline CurveRec GrCurve(const Points& slots)
{
    CurveRec c;
    c.NumPts = static_cast<int16_t>(slots.size() - 2);
    for (std::size_t k = 0; k < slots.size(); ++k)
        std::tie(c.Conv[k], c.Intensity[k]) = slots[k];
    return c;
}

// The requirement from this ground reaction curve.
inline void UseDesignCurve(const Points& slots)
{
    G.DesignBasis = 1;
    G.GrcDefined = -1;
    G.DesignCurve = GrCurve(slots);
}

// A performance dialog's layout boxes: user-defined spacing or calculate mode, the spacing and rows typed.
inline LayoutInputs Layout(bool user, std::optional<float> spacing, int16_t rows, bool staggered = false)
{
    LayoutInputs l;
    l.userSpacing = user, l.spacing = spacing, l.rows = rows, l.staggered = staggered;
    return l;
}

// The same boxes in selection mode: the support alone, no design.
inline LayoutInputs Selection()
{
    LayoutInputs l;
    l.selectMode = true;
    return l;
}

// The flags of a recompute's warnings, in their order.
inline std::vector<int> Flags(const std::vector<Warning>& warnings)
{
    std::vector<int> f;
    for (const Warning& w : warnings)
        f.push_back(w.flag);
    return f;
}

// Globals reset around each test, with the built-in defaults, a catalogue of
// the built-in types and one file-defined type, the criteria's working
// values, and support 1 of `type` made from its template as the current
// support.
template <int16_t Type>
class TemplateSupport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        SetBuiltInDefaults();
        G.NumTypes = 7;
        G.TypeCat.assign(8, 1);
        make();
        G.DesignTpf = G.DesignCrit.Tpf;
        G.DesignConv = G.DesignCrit.Conv;
        G.EntryHt = G.DesignCrit.EntryHt;
        G.EntryWid = G.DesignCrit.EntryWid;
        G.SecFactor = 0.95f;
    }
    void TearDown() override { ResetGlobals(); }

    // Support 1 of the type, afresh, as the current support.
    void make(int16_t type = Type)
    {
        G.NumCases = 0;
        ASSERT_EQ(AppendSupport(type, "Support"), 1);
        G.CurCase = G.Cases[1];
    }
};

// Globals reset around each test, with a fresh folder as the program folder.
class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        char tmpl[] = "/tmp/vesk-test-XXXXXX";
        dir = ::mkdtemp(tmpl);
        fs::permissions(dir, fs::perms(0755));
        G.AppPath = dir;
    }
    void TearDown() override
    {
        fs::remove_all(dir);
        ResetGlobals();
    }
    std::string at(const std::string& name) const { return dir + "/" + name; }
    std::string dir;
};

}  // namespace vesk
