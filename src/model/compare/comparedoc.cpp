#include "model/compare/comparedoc.h"

#include "model/globals.h"
#include "model/numfmt.h"
#include "model/supportlist.h"
#include "model/units.h"
#include "model/vbmath.h"

#include <algorithm>
#include <cfloat>
#include <functional>

namespace vesk {

namespace {

constexpr const char* kTitle = "VESK - Quendril";

std::size_t at(int i) { return static_cast<std::size_t>(i); }

int numSupports() { return std::clamp<int>(G.NumCases, 0, kMaxColumns); }

// A number that the program's single-precision fields cannot hold shows as
// nothing rather than ending the rendering.
std::string safeText(const std::function<std::string()>& format)
{
    try {
        return format();
    } catch (const ArithError&) {
        return "";
    }
}

// F(v, n), U(n) and N(v): a quantity in display units, its unit after a
// blank, and a number with decimals by magnitude.
std::string F(double v, int code)
{
    return safeText([&] { return FormatMetric(v, code); });
}
std::string U(int code) { return " " + UnitLabel(code); }
std::string N(double v)
{
    return safeText([&] { return FormatNum(v); });
}
std::string whole(double v) { return FormatPattern(v, "0"); }

std::string region() { return G.EasternMines != 0 ? "ea" : "we"; }
bool metric() { return G.MetricUnits != 0; }
bool flag(const CaseRec& r, int w) { return r.Warn[at(w)] != 0; }

// The text of a list by index, or nothing for an index outside it.
template <std::size_t N>
std::string pick(const std::array<const char*, N>& texts, int i)
{
    return i >= 0 && at(i) < N ? texts[at(i)] : "";
}

// The arrangement text of a cable bolt's chosen model; nothing when the model
// index is outside the list.
std::string arrangement(const CaseRec& r)
{
    const int m = r.SizeIdx + 1;
    return m >= 0 && at(m) < r.CabSeq.size() ? r.CabSeq[at(m)] : "";
}

std::string columnName(int k)
{
    return k == 1 ? std::string("Base support") : "Support " + std::to_string(k - 1);
}

// The best-value rule of a row: the largest value, the smallest, or none.
enum Sense { kNone, kMax, kMin };

// Warning rows in the order the table shows them, with the warning flag and
// the group it belongs to.
enum Group { kStanding, kCable, kAny };
struct WarnRow {
    int row, warn;
    Group group;
};
constexpr std::array<WarnRow, 15> kWarnRows{{{25, 3, kStanding}, {29, 8, kStanding}, {30, 9, kStanding},
                                             {34, 3, kCable},    {23, 1, kAny},      {24, 2, kStanding},
                                             {26, 4, kAny},      {27, 5, kStanding}, {28, 6, kStanding},
                                             {37, 8, kCable},    {35, 2, kCable},    {36, 7, kCable},
                                             {38, 5, kCable},    {39, 6, kCable},    {33, 10, kAny}}};

bool groupHas(const SupportGroups& g, const WarnRow& w)
{
    const bool std = g.stdWarn[at(w.warn)], cab = g.cabWarn[at(w.warn)];
    return w.group == kStanding ? std : w.group == kCable ? cab : std || cab;
}

// Collects the items of one rendering.
class Writer {
public:
    explicit Writer(std::vector<DocItem>& items) : items_(items) {}

    DocItem& line(std::string text, int style = kPlain)
    {
        DocItem it;
        it.text = std::move(text);
        it.style = style;
        items_.push_back(std::move(it));
        return items_.back();
    }
    void heading(std::string text) { line(std::move(text), kHeading); }
    void row(int r, int style = kPlain)
    {
        DocItem it;
        it.kind = DocItem::Row;
        it.row = r;
        it.style = style;
        items_.push_back(it);
    }
    void warning(std::string text)
    {
        DocItem it;
        it.kind = DocItem::Warning;
        it.text = std::move(text);
        items_.push_back(std::move(it));
    }

    // The title, the project name when there is one, and an empty line that
    // the clipboard does not get.
    void header()
    {
        line(kTitle, kBold).centred = true;
        if (G.ProjName.find_first_not_of(' ') != std::string::npos)
            line(G.ProjName).centred = true;
        line("").toClipboard = false;
    }

private:
    std::vector<DocItem>& items_;
};

// The table's cells of one support.
class TableFiller {
public:
    TableFiller(CompareDoc& d, int k) : d_(d), k_(k) {}

    void put(int row, std::string text) { d_.text[at(row)][at(k_)] = std::move(text); }

    // A numeric cell: its text and, for a row with a best value, the rule.
    void put(int row, std::string text, double value, Sense sense)
    {
        put(row, std::move(text));
        if (sense == kNone)
            return;
        // The best values are held as the single-precision values they are.
        const float v = static_cast<float>(std::clamp(value, static_cast<double>(-FLT_MAX), static_cast<double>(FLT_MAX)));
        float& best = d_.bestVal[at(row)];
        if (k_ == 1 || (sense == kMax && v > best) || (sense == kMin && v < best)) {
            best = v;
            d_.bestCol[at(row)] = static_cast<int16_t>(k_);
        }
    }
    void metric(int row, double value, int code, Sense sense) { put(row, F(value, code), value, sense); }
    void number(int row, double value, Sense sense) { put(row, N(value), value, sense); }
    void count(int row, double value, Sense sense) { put(row, whole(value), value, sense); }

private:
    CompareDoc& d_;
    int k_;
};

void fillColumn(CompareDoc& d, int k, const CaseRec& r, bool cable)
{
    TableFiller t(d, k);
    const double R = r.Rows;
    const double L = cable ? r.Spacing : r.Spacing / 12.0;  // ft along the entry
    if (cable)
        t.metric(1, r.CabBoltSpac() * 12.0, 6, kMax);
    else
        t.metric(1, r.Spacing, 6, kMax);
    t.put(2, cable && r.CabSets >= 2 ? arrangement(r) : whole(R), R, kMin);
    t.metric(3, r.ActTpf * L / R, 1, kMax);
    t.metric(4, r.ActTpf, 2, kMax);
    t.metric(5, r.ActConv, 5, kMin);
    t.number(6, r.TotCost, kMin);
    t.number(7, r.MatCost, kMin);
    t.number(8, r.TransCost, kMin);
    t.number(9, r.ConstrCost, kMin);
    t.metric(10, r.TotCost * R / L, 20, kMin);
    t.metric(11, r.MatCost * R / L, 20, kMin);
    t.metric(12, r.TransCost * R / L, 20, kMin);
    t.metric(13, r.ConstrCost * R / L, 20, kMin);
    t.number(14, r.InstTime, kMin);
    t.number(15, r.ConstrRate, kMax);
    t.metric(16, L * r.ConstrRate / R, 11, kMax);
    t.count(17, r.TotPieces, kMin);
    t.metric(18, r.PieceWt, 9, kMin);
    t.metric(19, r.TotWork, 12, kMin);
    // Work per length of entry: converted per length first, then as work; the
    // best is judged on the English value.
    const double work = r.TotWork / L * R;
    t.put(20, safeText([&] { return FormatMetric(ToMetric(work, 20), 12); }), work, kMin);
    t.metric(21, r.SuppVol, 15, kMin);
    t.count(22, r.SuppPerTrip, kMax);
    t.number(31, r.SafetyFactor, kMax);
    t.number(32, r.Coverage, kMax);
    for (const WarnRow& w : kWarnRows) {
        if (!groupHas(d.groups, w))
            continue;
        const bool member = w.group == kAny || (w.group == kCable) == cable;
        t.put(w.row, member && flag(r, w.warn) ? "X" : "-");
    }
}

void tableItems(CompareDoc& d)
{
    Writer out(d.items);
    out.header();
    for (int k = 1; k <= d.numColumns; ++k) {
        const std::string& name = G.CaseName[at(d.colCase[at(k)])];
        DocItem& it = out.line(k == 1 ? "Base support - " + name : "Support " + std::to_string(k - 1) + " - " + name);
        it.rightHalf = k % 2 == 0;
    }
    out.line("");
    out.row(0, kHeading);
    out.line("");
    auto section = [&](const char* heading, std::initializer_list<int> rows) {
        out.heading(heading);
        for (int r : rows)
            out.row(r);
        out.line("");
    };
    section("Support layout", {1, 2, 32});
    section("Ground Control", {3, 4, 5, 31});
    out.heading("Warnings");
    if (!d.groups.anyStdWarn && !d.groups.anyCabWarn)
        out.line("None");
    for (const WarnRow& w : kWarnRows)
        if (groupHas(d.groups, w))
            out.row(w.row);
    out.line("");
    section("Unit Support Costs", {6, 7, 8, 9});
    section("Normalized Support Costs", {10, 11, 12, 13});
    section("Installation Assessment", {14, 15, 16});
    section("Material Handling Assessment", {17, 18, 19, 20, 21, 22});
}

CompareDoc startDoc(int16_t baseCase)
{
    CompareDoc d;
    d.colCase = MakeColumnOrder(baseCase);
    d.groups = CountGroups();
    d.numColumns = static_cast<int16_t>(numSupports());
    return d;
}

// ---- The summary ----

constexpr std::array<const char*, 4> kLoadBases = {"Detached block", "Ground reaction curve",
                                                   "Capacity of current system", "Arbitrary criteria"};
constexpr std::array<const char*, 5> kInterlayers = {"Every layer", "Every 2nd layer", "Every 3rd layer",
                                                     "Every 4th layer", "Roof and floor only"};

std::string failureType(int16_t flags) { return (flags & 1) != 0 ? "arch" : "shear"; }

void criteriaLines(Writer& out, const SupportGroups& g)
{
    const CritRec& c = G.DesignCrit;
    if (g.numStd >= 1) {
        out.heading(std::string("Design Criteria") + (g.numCab > 0 ? ": Standing Supports" : ""));
        out.line("Required support load density: " + F(G.DesignTpf, 2) + U(2) +
                 " of entry at design convergence: " + F(G.DesignConv, 5) + U(5));
        out.line("Load basis: " + pick(kLoadBases, c.Basis));
        if (c.Basis == 0)
            out.line("Failure height: " + F(c.FailHt, 11) + U(11) + ", Roof density: " + F(c.RockDens, 10) + U(10) +
                     ", Failure type: " + failureType(c.BlockFlags) + ", Yield zone width: " + F(c.YieldZone, 11) +
                     U(11));
        if (c.Basis == 1 && G.NumCurves >= 1) {
            std::string name = G.DesignCurve.Name;
            name.erase(name.find_last_not_of(' ') + 1);
            out.line("Ground reaction curve: " + name);
        }
        out.line("Roof bearing strength: " + F(c.RoofBearing, 7) + U(7) + ", Floor bearing strength: " +
                 F(c.FloorBearing, 7) + U(7));
        std::string unc = "Uncontrolled convergence: " + F(c.UncontrolledConv, 5) + U(5);
        if (c.UncontrolledConv > 0)
            unc += std::string(", Convergence timing: ") + (c.Timing != 0 ? "Concurrent" : "Independent");
        out.line(unc);
    }
    if (g.numCab > 0) {
        out.heading(std::string("Design Criteria") + (g.numStd > 0 ? ": Cable Bolts" : ""));
        out.line("Required support load density: " + F(c.CabTpf, 2) + U(2) + " of entry at design displacement: " +
                 F(c.CabConv, 5) + U(5));
        out.line("Failure height: " + F(c.CabFailHt, 11) + U(11) + ", Roof density: " + F(c.CabRockDens, 10) + U(10) +
                 ", Failure type: " + failureType(c.CabBlockFlags));
        out.line("Yield zone width: " + F(c.CabYieldZone, 11) + U(11) + ", Design safety factor: " + N(c.CabSF));
    }
    out.line("Entry height: " + F(G.EntryHt, 6) + U(6) + ",  Entry width: " + F(G.EntryWid, 11) + U(11));
    out.line("Using defaults for " + region() + "stern U.S.");
    out.line("");
}

// The name of the model a file-defined support uses; nothing when its index
// is outside the type's models.
std::string modelName(int16_t type, int16_t sizeIdx)
{
    const int m = sizeIdx + 1;
    const int count = at(type) < G.NumModels.size() ? G.NumModels[at(type)] : 0;
    if (m < 1 || m > count || !G.ModelName.inBounds(type, m))
        return "";
    return G.ModelName(type, m);
}

std::string plateText(const CaseRec& r)
{
    if (r.CabPlate == 1)
        return metric() ? "20-cm plate" : "8-in plate";
    std::string s = metric() ? "15-cm plate" : "6-in plate";
    if (r.CabPlate == 2)
        s += "s and " + F(r.Par[2], 11) + (metric() ? " m of mat" : " ft of mat");
    return s;
}

std::string holeText(const CaseRec& r)
{
    if (r.CabHole() != 0)
        return metric() ? "35 mm" : "1-3/8 in";
    return metric() ? "25 mm" : "1 in";
}

void typeLines(Writer& out, int16_t type, const CaseRec& r)
{
    const auto& p = r.Par;
    if (type == 1) {
        out.line("Wood strength: " + F(p[4], 7) + U(7) + ", Wood hardness: " + F(p[5], 17) + U(17) +
                 ", No. layers/row: " + whole(r.NumPerLayer()));
        out.line("Width: " + F(p[0], 5) + U(5) + ", Thickness: " + F(p[1], 5) + U(5) + ", Length: " + F(p[2], 5) +
                 U(5) + ", Overhang: " + F(p[3], 5) + U(5));
    } else if (type == 2) {
        out.line("Post diameter: " + F(p[0], 5) + U(5) + ", Post fails by " + (flag(r, 7) ? "buckling." : "crushing."));
        out.line("Post strength: " + F(p[1], 7) + U(7) + ", Elastic modulus: " + F(p[2], 8) + U(8));
        out.line("Cap strength: " + F(p[4], 7) + U(7) + ", Cap hardness: " + F(p[5], 17) + U(17) +
                 ", Cap thickness: " + F(p[3], 5) + U(5));
    } else if (type >= 3 && type <= 6) {
        out.line("Concrete strength: " + F(p[5], 7) + U(7) + ", Wood thickness: " + F(p[6], 5) + U(5));
        if (type == 3)
            out.line("Inner diameter: " + F(p[0], 5) + U(5) + ", Outer diameter: " + F(p[1], 5) + U(5));
        else if (type == 4)
            out.line("Element width: " + F(p[0], 5) + U(5) + ", Thickness: " + F(p[1], 5) + U(5) + ", Length: " +
                     F(p[2], 5) + U(5));
        else
            out.line("Crib width: " + F(p[0], 5) + U(5) + ", Crib length: " + F(p[1], 5) + U(5));
        out.line("Wood interlayer condition: " + pick(kInterlayers, r.Interlayer));
    } else if (type >= 7 && type <= G.NumTypes) {
        std::string model = "Model: " + modelName(type, r.SizeIdx);
        if (!IsCableType(type)) {
            out.line(model);
            return;
        }
        out.line(model + ", " + (r.CabCoated() != 0 ? "coated" : "uncoated") + ", " + plateText(r) +
                 ", Preload: " + F(p[6], 1) + U(1));
        out.line("Cable length: " + F(p[0], 11) + U(11) + ", Hole diameter: " + holeText(r) + ", Resin length: " +
                 F(p[1], 11) + U(11));
    }
}

void warningLines(Writer& out, int16_t type, const CaseRec& r, bool cable)
{
    using Texts = std::vector<std::pair<int, std::string>>;
    auto each = [&](const Texts& texts) {
        for (const auto& [w, text] : texts)
            if (flag(r, w))
                out.warning(text);
    };
    each({{1, "Support has yielded using this design."}});
    if (cable) {
        each({{7, "Design exceeds ultimate bolt strength."},
              {8, "Safety factor is less than 1.25. (recommended minimum)"},
              {2, "Safety factor is less than design criteria."},
              {4, "Roof displacement is greater than design criteria."},
              {5, std::string("Resin length is less than ") +
                      (metric() ? "1.5 m. (Minimum 1.2 to 1.5 m" : "5 ft. (Minimum 4 to 5 ft") + " recommended)"},
              {6, "Free length is less than failure height. (Anchor located in failed zone)"},
              {3, "Design uses more than 4 bolts across the entry."}});
    } else {
        each({{2, "Support fails security-check requirement."},
              {3, "Spacing exceeds 1/2 the entry width."},
              {4, "Convergence exceeds the design convergence."}});
        if (flag(r, 5) || flag(r, 6))
            out.warning(std::string(flag(r, 5) && flag(r, 6) ? "Roof and floor bearing strengths"
                                    : flag(r, 5)             ? "Roof bearing strength"
                                                             : "Floor bearing strength") +
                        " exceeded.");
        if (flag(r, 8))
            out.warning(type == 2 ? "Post diameter is < MSHA requirements."
                                  : "Support is too short/small for specified entry height.");
        else if (flag(r, 9))
            out.warning("Support is too tall/large for specified entry height.");
    }
    each({{10, "Support not available in " + region() + "stern U.S."}});
}

void supportBlock(CompareDoc& d, Writer& out, int k)
{
    const int i = d.colCase[at(k)];
    const int16_t type = G.CaseType[at(i)];
    const CaseRec& r = G.Cases[at(i)];
    const bool cable = d.groups.caseIsCable[at(i)] == 1;
    const std::string number = std::to_string(k - 1);
    out.line(k == 1 ? "Base support - " + G.CaseName[at(i)] : "Support " + number + " - " + G.CaseName[at(i)], kBold);

    int R = r.Rows;
    if (R < 1) {
        d.notices.push_back("Invalid no. rows for " + (k == 1 ? std::string("base support") : "support " + number) +
                            "\nNo. rows reset to 1");
        R = 1;
    }
    const std::string tail = ", Cost: $ " + N(r.TotCost) + ", Time: " + N(r.InstTime) + " min";
    if (cable) {
        std::string bolts = "No. cable bolts: " + std::to_string(R);
        if (r.CabSets > 1)
            bolts += " " + arrangement(r);
        out.line(bolts + ", No. cable sets/bolt set: " + std::to_string(r.CabSets) + ", Bolt spacing: " +
                 F(r.CabBoltSpac(), 11) + U(11));
        out.line("Displacement: " + F(r.ActConv, 5) + U(5) + ", Load: " + F(static_cast<double>(r.ActTpf) * r.Spacing / R, 1) +
                 U(1) + tail);
    } else {
        out.line("Spacing: " + F(r.Spacing, 6) + U(6) + ", No. rows: " + std::to_string(R) + ", Convergence: " +
                 F(r.ActConv, 5) + U(5) + ", Load: " + F(static_cast<double>(r.ActTpf) * r.Spacing / R / 12, 1) + U(1) +
                 tail);
    }
    typeLines(out, type, r);
    out.line("Safety factor: " + N(r.SafetyFactor) + ", Roof coverage: " + N(r.Coverage) + " %");
    warningLines(out, type, r, cable);
    out.line("");
}

}  // namespace

ColumnOrder MakeColumnOrder(int16_t baseCase)
{
    ColumnOrder c{};
    const int n = numSupports();
    if (n == 0)
        return c;
    if (baseCase < 1 || baseCase > n)
        baseCase = 1;
    c[1] = baseCase;
    std::size_t k = 2;
    for (int16_t i = 1; i <= n; ++i)
        if (i != baseCase)
            c[k++] = i;
    return c;
}

SupportGroups CountGroups()
{
    SupportGroups g;
    for (int i = 1; i <= numSupports(); ++i) {
        const bool cable = IsCableType(G.CaseType[at(i)]);
        g.caseIsCable[at(i)] = cable ? 1 : 0;
        ++(cable ? g.numCab : g.numStd);
        auto& warn = cable ? g.cabWarn : g.stdWarn;
        for (int w = 1; w <= 10; ++w)
            if (flag(G.Cases[at(i)], w)) {
                warn[at(w)] = true;
                (cable ? g.anyCabWarn : g.anyStdWarn) = true;
            }
    }
    return g;
}

std::array<std::string, kTableRows + 1> TableRowLabels()
{
    const std::string length = metric() ? "meters" : "feet";
    return {"Description",
            "Support spacing(c-c), " + UnitLabel(6),
            "No. rows across entry",
            "Unit load, " + UnitLabel(1) + "/support",
            "Load density, " + UnitLabel(2) + " of entry",
            "Convergence/displacement, " + UnitLabel(5),
            "Total installed cost, $/support",
            "Material cost, $/support",
            "Transport cost, $/support",
            "Labor cost, $/support",
            "Total installed cost, " + UnitLabel(20) + " of entry",
            "Material cost, " + UnitLabel(20) + " of entry",
            "Transport cost, " + UnitLabel(20) + " of entry",
            "Labor cost, " + UnitLabel(20) + " of entry",
            "Install rate, min/support",
            "Install rate, supports/shift",
            "Install rate, " + length + " of entry/shift",
            "No. pieces per support",
            "Max lifting weight per support, " + UnitLabel(9),
            "Physical work, " + UnitLabel(12) + "/support",
            "Normalized work, " + UnitLabel(12) + "/" + UnitLabel(11) + " of entry",
            "Transport volume, " + UnitLabel(15) + "/support",
            "Supply car capacity, supports/car",
            "Support yielded",
            "Fails security-check requirement",
            "Spacing too large",
            "Exceeds design conv/disp",
            "Exceeds roof bearing capacity",
            "Exceeds floor bearing capacity",
            "Support too short/small",
            "Support too high/large",
            "Safety factor",
            "Roof coverage, %",
            "Not available in " + region() + "stern U.S.",
            "More than 4 cables per set",
            "Less than design safety factor",
            "Exceeds ultimate strength",
            "Cable safety factor < 1.25",
            std::string("Resin length < ") + (metric() ? "1.5 m" : "5 ft"),
            "Cable free length < failure height",
            ""};
}

CompareDoc BuildTableDoc(int16_t baseCase)
{
    CompareDoc d = startDoc(baseCase);
    const auto labels = TableRowLabels();
    for (int row = 0; row <= kTableRows; ++row)
        d.text[at(row)][0] = labels[at(row)];
    for (int k = 1; k <= d.numColumns; ++k) {
        const int i = d.colCase[at(k)];
        const CaseRec& r = G.Cases[at(i)];
        if (!(r.Spacing > 0)) {
            d.abortMessage = "Support " + std::to_string(k - 1) + " spacing invalid";
            return d;
        }
        if (r.Rows < 1) {
            d.abortMessage = "No. rows for support " + std::to_string(k - 1) + " are invalid";
            return d;
        }
        fillColumn(d, k, r, d.groups.caseIsCable[at(i)] == 1);
    }
    for (int k = 1; k <= d.numColumns; ++k)
        d.text[0][at(k)] = columnName(k);
    tableItems(d);
    return d;
}

CompareDoc BuildSummaryDoc(int16_t baseCase)
{
    CompareDoc d = startDoc(baseCase);
    Writer out(d.items);
    out.header();
    criteriaLines(out, d.groups);
    for (int k = 1; k <= d.numColumns; ++k)
        supportBlock(d, out, k);
    return d;
}

std::string CompareClipText(const CompareDoc& doc)
{
    std::string s;
    for (const DocItem& it : doc.items) {
        if (it.kind == DocItem::Row) {
            const auto& cells = doc.text[at(it.row)];
            s += cells[0];
            for (int k = 1; k <= doc.numColumns; ++k)
                s += "\t" + cells[at(k)];
        } else if (!it.toClipboard) {
            continue;
        } else {
            s += (it.kind == DocItem::Warning ? "Warning: " : "") + it.text;
        }
        s += "\r\n";
    }
    return s;
}

}  // namespace vesk
