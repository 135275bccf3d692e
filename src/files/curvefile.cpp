#include "files/curvefile.h"

#include "model/globals.h"
#include "files/textfile.h"

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace vesk {

namespace {

constexpr int16_t kMaxCurvePoints = 10;

// Reads the curve file, creating it empty when it is missing.
std::optional<std::string> readOrCreate(const std::string& path, std::string& why)
{
    std::error_code ec;
    auto bytes = ReadBinaryFile(path, &ec);
    if (bytes)
        return bytes;
    if (ec == std::errc::no_such_file_or_directory) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return std::string();
        }
        why = SaveReason({errno, std::generic_category()});  // the file could not be created
        return std::nullopt;
    }
    why = PlainReason(ec);
    return std::nullopt;
}

// Puts the curves of lib into GRCurves 1..n, growing the library when the file
// holds more curves than it has room for.
void takeOver(const CurveLibrary& lib)
{
    const auto n = static_cast<int16_t>(lib.Curves.size());
    G.MaxCurves = std::max(G.MaxCurves, n);
    if (G.GRCurves.size() < static_cast<std::size_t>(G.MaxCurves) + 1)
        G.GRCurves.resize(static_cast<std::size_t>(G.MaxCurves) + 1);
    std::copy(lib.Curves.begin(), lib.Curves.end(), G.GRCurves.begin() + 1);
    G.NumCurves = n;
    G.NextCurveId = lib.NextCurveId;
}

}  // namespace

std::string CurveFilePath() { return AppFilePath(kCurveFileName); }

CurveRec BlankCurve()
{
    CurveRec c;
    c.Name = std::string(CurveRec::NameLen, ' ');
    c.Spacing.fill(1);
    c.Width.fill(1);
    return c;
}

CurveLibrary DecodeCurves(std::string_view bytes)
{
    CurveLibrary lib;
    if (bytes.empty())
        return lib;
    BinReader rd(bytes);
    try {
        lib.NextCurveId = std::max<int16_t>(rd.readI16(), 1);
        const int16_t n = std::max<int16_t>(rd.readI16(), 0);
        lib.Curves.reserve(static_cast<std::size_t>(std::min<std::size_t>(n, rd.remaining() / kCurveRecSize)));
        for (int k = 1; k <= n; ++k) {
            CurveRec c;
            ReadRec(rd, c);
            if (c.NumPts < 0 || c.NumPts > kMaxCurvePoints)
                throw ReadError("Curve " + std::to_string(k) + " has " + std::to_string(c.NumPts) +
                                " points; a curve holds at most 10.");
            RequireFinite(c, "Curve " + std::to_string(k) + " holds");
            lib.Curves.push_back(std::move(c));
        }
    } catch (const ReadError& e) {
        lib.complete = false;
        lib.error = e.what();
    }
    return lib;
}

std::string EncodeCurves()
{
    if (G.NumCurves < 0 || (G.NumCurves > 0 && static_cast<std::size_t>(G.NumCurves) >= G.GRCurves.size()))
        throw WriteError("The curve count lies outside the library.");
    BinWriter w;
    w.reserve(4 + kCurveRecSize * static_cast<std::size_t>(std::max({0, int{G.MaxCurves}, int{G.NumCurves}})));
    w.i16(G.NextCurveId);
    w.i16(G.NumCurves);
    for (int k = 1; k <= G.NumCurves; ++k)
        WriteRec(w, G.GRCurves[k]);
    const CurveRec blank = BlankCurve();
    for (int k = G.NumCurves; k < G.MaxCurves; ++k)
        WriteRec(w, blank);
    return w.take();
}

int16_t ReadCurves(const std::string& path)
{
    G.GRCurves.assign(static_cast<std::size_t>(std::max<int16_t>(G.MaxCurves, 0)) + 1, CurveRec{});
    G.NumCurves = 0;
    G.NextCurveId = 1;
    std::string why;
    auto bytes = readOrCreate(path, why);
    if (!bytes)
        return -1;
    CurveLibrary lib = DecodeCurves(*bytes);
    takeOver(lib);
    if (!lib.complete)
        return -1;
    if (G.NumCurves > 0)
        G.DesignCurve = G.GRCurves[1];
    return 0;
}

int16_t ReadCurves() { return ReadCurves(CurveFilePath()); }

FileCommandResult ReloadCurves(const std::string& path)
{
    G.NextCurveId = 1;
    std::string why;
    auto bytes = readOrCreate(path, why);
    CurveLibrary lib = bytes ? DecodeCurves(*bytes) : CurveLibrary{};
    takeOver(lib);
    if (!bytes || !lib.complete) {
        G.NumCurves = 0;
        return ReadFailure(path, bytes ? lib.error : why);
    }
    return {};
}

FileCommandResult SaveCurves(const std::string& path)
{
    G.WorkCurve = BlankCurve();
    return SaveEncoded(path, [] { return EncodeCurves(); });
}

}  // namespace vesk
