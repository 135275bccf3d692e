#include "files/infolists.h"

#include "model/binstream.h"
#include "model/globals.h"
#include "model/vbmath.h"
#include "files/datafiles.h"
#include "files/fieldreader.h"
#include "files/textfile.h"

#include <algorithm>

namespace vesk {

namespace {

// A running index of one list: it starts at 0 and, once at the list's last
// element, stays there.
class RunningIndex {
public:
    explicit RunningIndex(std::size_t size) : last_(size == 0 ? -1 : static_cast<int>(size) - 1) {}
    int value() const
    {
        if (last_ < 0)
            throw ReadError("information list without elements");
        return value_;
    }
    void advance() { value_ = std::min(value_ + 1, std::max(last_, 0)); }

private:
    int last_;
    int value_ = 0;
};

std::size_t ux(int i) { return static_cast<std::size_t>(i); }

std::string withoutLeadingBlanks(std::string s)
{
    const auto b = s.find_first_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b);
}

}  // namespace

InfoListsRead ReadInfoListsFrom(std::string bytes)
{
    InfoListsRead r;
    const int numTypes = G.NumTypes;
    r.entryComplete.assign(ux(std::max(numTypes, -1) + 1), false);
    try {
        FieldReader rd(std::move(bytes));
        RunningIndex fig(std::min(G.FigFile.size(), G.FigCaption.size()));
        RunningIndex model(std::min({G.FailModelFile.size(), G.FailModelName.size(),
                                     ux(G.FotoCount.maxRow() + 1)}));
        RunningIndex step(std::min(G.FotoConv.size(), G.FotoFile.size()));
        auto& info = G.InfoTable;

        rd.skipLine();  // the type count: the catalogue read at start-up rules
        for (int t = 0; t <= numTypes; ++t) {
            rd.skipLines(2);  // the entry's label, its category, name and model file
            info(t, 0) = rd.integer();
            info(t, 1) = rd.integer();
            info(t, 2) = rd.integer();
            info(t, 4) = rd.integer();
            for (int i = 0; i < info(t, 2); ++i) {
                if (i == 0)
                    info(t, 3) = static_cast<int16_t>(fig.value());
                G.FigFile[ux(fig.value())] = rd.line();
                G.FigCaption[ux(fig.value())] = rd.line();
                fig.advance();
            }
            for (int m = 0; m < info(t, 4); ++m) {
                if (m == 0)
                    info(t, 5) = static_cast<int16_t>(model.value());
                const int mi = model.value();
                G.FotoCount(mi, 0) = rd.integer();
                G.FotoCount(mi, 1) = rd.integer();
                G.FailModelFile[ux(mi)] = rd.line();
                G.FailModelName[ux(mi)] = rd.line();
                for (int s = 0; s < G.FotoCount(mi, 1); ++s) {
                    if (s == 0)
                        G.FotoCount(mi, 2) = static_cast<int16_t>(step.value());
                    G.FotoConv[ux(step.value())] = rd.single();
                    // The file name may follow the convergence on its line.
                    G.FotoFile[ux(step.value())] = withoutLeadingBlanks(rd.line());
                    step.advance();
                }
                model.advance();
            }
            r.entryComplete[ux(t)] = true;
        }
        r.ok = true;
    } catch (const ReadError&) {
    } catch (const IndexError&) {
        // InfoTable smaller than the catalogue: nothing more can be placed.
    }
    return r;
}

int InfoOfShown(int k) { return G.InfoTable.inBounds(G.InfoType, k) ? G.InfoTable(G.InfoType, k) : 0; }

InfoListsRead ReadInfoLists()
{
    FileBytes f = ReadFileBytes(AppFilePath(kConfigFile));
    if (f.status != FileStatus::Ok) {
        InfoListsRead r;
        r.entryComplete.assign(ux(std::max<int>(G.NumTypes, -1) + 1), false);
        return r;
    }
    return ReadInfoListsFrom(std::move(f.bytes));
}

}  // namespace vesk
