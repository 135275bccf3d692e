// The loading models of the information center over arbitrary model files:
// the curve read into FailConv and FailLoad, its axes, and the load at steps
// along it. The first byte chooses the model number (bits 0 to 4, less 1)
// and metric display (bit 5); the rest is the file.
#include "model/globals.h"
#include "files/loadingmodel.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace {

// A program folder of its own, holding the model file under test; in memory
// where there is /dev/shm, as a file is written for every input. Removed
// when the run ends.
struct Folder {
    static std::filesystem::path base()
    {
        std::error_code ec;
        return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                              : std::filesystem::temp_directory_path();
    }
    std::filesystem::path path = base() / ("vesk-fuzz-loading-" + std::to_string(::getpid()));
    Folder() { std::filesystem::create_directories(path); }
    ~Folder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vesk;
    if (size == 0)
        return 0;
    static const Folder folder;
    {
        std::ofstream f(folder.path / "model.dat", std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data) + 1, static_cast<std::streamsize>(size - 1));
        if (!f)
            std::abort();
    }
    // Reading a loading model changes FailConv and FailLoad only.
    static const bool reset = (ResetGlobals(), true);
    (void)reset;
    G.AppPath = folder.path.string();
    G.MetricUnits = data[0] & 0x20 ? -1 : 0;
    G.FailModelFile = {"model.dat"};
    G.FotoCount.redim(0, 2);
    G.FotoCount(0, 0) = static_cast<int16_t>((data[0] & 0x1F) - 1);
    LoadingAxes axes;
    std::string reason;
    const bool read = ReadLoadingCurve(0, axes, &reason);
    const auto& conv = G.FailConv;
    const auto& load = G.FailLoad;
    if (!(axes.loadMax > 0 && axes.convMax > 0 && std::isfinite(axes.loadMax) && std::isfinite(axes.convMax)) ||
        axes.loadText.empty() || axes.convText.empty())
        std::abort();
    if (!read) {
        if (reason.empty() || conv.size() != 2 || load.size() != 2 || conv[0] != 0 || LoadAtStep(0.5))
            std::abort();
        return 0;
    }
    const std::size_t n = conv.size() - 1;
    if (n < 1 || load.size() != n + 1 || conv[0] != static_cast<float>(n))
        std::abort();
    // At every point, and halfway to the next, the load is a number or none.
    for (std::size_t i = 1; i <= n; ++i)
        for (const double c : {static_cast<double>(conv[i]), i < n ? (static_cast<double>(conv[i]) + conv[i + 1]) / 2 : -1.0})
            if (const auto l = LoadAtStep(c); l && !std::isfinite(*l))
                std::abort();
    return 0;
}
