#include "files/datafiles.h"

#include "model/globals.h"
#include "files/fieldreader.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vesk {

// ---- Wood species -------------------------------------------------------

namespace {

struct BuiltInWood {
    const char* name;
    float cribStrength, cribHardness;
    float wetStrength, wetE, dryStrength, dryE;
};

// Names are held padded to the width of the longest one.
const BuiltInWood kWoods[kBuiltInWoods] = {
    {"Yellow Birch    ", 723, 1020, 3380, 1500, 8170, 2010},
    {"Rock Elm        ", 1012, 1130, 3780, 1190, 7050, 1540},
    {"Black Locust    ", 1886, 1635, 6800, 1850, 10180, 2050},
    {"Black Maple     ", 997, 1010, 3270, 1330, 6680, 1620},
    {"Red Maple       ", 686, 825, 3280, 1390, 6540, 1640},
    {"Northern Red Oak", 987, 1145, 3440, 1350, 6760, 1820},
    {"Pin Oak         ", 1179, 1290, 3680, 1320, 6820, 1730},
    {"White Oak       ", 1109, 1210, 3560, 1250, 7440, 1780},
    {"Yellow Poplar   ", 720, 490, 2660, 1220, 5540, 1580},
    {"Douglas Fir     ", 723, 585, 3610, 1610, 7260, 1970},
    {"Western Larch   ", 867, 670, 3760, 1460, 7620, 1870},
    {"Jack Pine       ", 575, 485, 2950, 1070, 5660, 1350},
    {"Lodgepole Pine  ", 443, 405, 2610, 1080, 5370, 1340},
    {"Ponderosa Pine  ", 597, 390, 2450, 1000, 5320, 1290},
    {"Tamarack        ", 699, 485, 3480, 1240, 7160, 1640},
};

struct WoodTables {
    int16_t numCrib = 0, numPost = 0;
    std::vector<std::string> cribName, postName;
    Table2D<float> cribProp, postProp;
};

WoodTables readWoods(FieldReader& rd)
{
    WoodTables w;
    w.numCrib = rd.integer();
    rd.endLine();
    if (w.numCrib < 0)
        throw ReadError("negative number of crib species");
    w.cribName.assign(static_cast<std::size_t>(w.numCrib) + 1, std::string());
    w.cribProp.redim(w.numCrib, 2);
    for (int i = 1; i <= w.numCrib; ++i) {
        w.cribName[static_cast<std::size_t>(i)] = rd.line();
        w.cribProp(i, 1) = rd.single();
        w.cribProp(i, 2) = rd.single();
        rd.endLine();
    }
    w.numPost = rd.integer();
    rd.endLine();
    if (w.numPost < 0)
        throw ReadError("negative number of post species");
    w.postName.assign(static_cast<std::size_t>(w.numPost) + 1, std::string());
    w.postProp.redim(w.numPost, 4);
    for (int j = 1; j <= w.numPost; ++j) {
        w.postName[static_cast<std::size_t>(j)] = rd.line();
        for (int k = 1; k <= 4; ++k)
            w.postProp(j, k) = rd.single();
        rd.endLine();
    }
    return w;
}

}  // namespace

void SetBuiltInWoods()
{
    constexpr int kSize = 20;
    G.CribWoodName.assign(kSize + 1, std::string());
    G.PostWoodName.assign(kSize + 1, std::string());
    G.CribWoodProp.redim(kSize, 2);
    G.PostWoodProp.redim(kSize, 4);
    for (int i = 1; i <= kBuiltInWoods; ++i) {
        const BuiltInWood& w = kWoods[i - 1];
        G.CribWoodName[static_cast<std::size_t>(i)] = w.name;
        G.PostWoodName[static_cast<std::size_t>(i)] = w.name;
        G.CribWoodProp(i, 1) = w.cribStrength;
        G.CribWoodProp(i, 2) = w.cribHardness;
        G.PostWoodProp(i, 1) = w.wetStrength;
        G.PostWoodProp(i, 2) = w.wetE;
        G.PostWoodProp(i, 3) = w.dryStrength;
        G.PostWoodProp(i, 4) = w.dryE;
    }
    G.NumCribWoods = kBuiltInWoods;
    G.NumPostWoods = kBuiltInWoods;
}

int16_t ReadWoodDataFrom(std::string bytes)
{
    try {
        FieldReader rd(std::move(bytes));
        WoodTables w = readWoods(rd);
        G.NumCribWoods = w.numCrib;
        G.NumPostWoods = w.numPost;
        G.CribWoodName = std::move(w.cribName);
        G.PostWoodName = std::move(w.postName);
        G.CribWoodProp = std::move(w.cribProp);
        G.PostWoodProp = std::move(w.postProp);
        return 0;
    } catch (const ReadError&) {
    }
    SetBuiltInWoods();
    return -1;
}

int16_t ReadWoodData()
{
    FileBytes f = ReadFileBytes(AppFilePath(kWoodFile));
    if (f.status != FileStatus::Ok) {
        SetBuiltInWoods();
        return -1;
    }
    return ReadWoodDataFrom(std::move(f.bytes));
}

// ---- Type catalogue -----------------------------------------------------

namespace {

struct Catalogue {
    int16_t numTypes = 0;
    std::vector<int16_t> cat;
    std::vector<std::string> name, file;
    int figures = 0, models = 0, photos = 0;
};

// The categories the program gives the built-in types 1..6: wood crib and
// timber post are wood supports, the four others concrete cribs.
constexpr std::array<int16_t, kBuiltInTypes + 1> kBuiltInCat = {0, 1, 1, 2, 2, 2, 2};

int16_t count(FieldReader& rd, const char* what)
{
    int16_t n = rd.integer();
    if (n < 0)
        throw ReadError(std::string("negative number of ") + what);
    return n;
}

Catalogue readCatalogue(FieldReader& rd)
{
    Catalogue c;
    c.numTypes = rd.integer();
    rd.endLine();
    // Codes 1..6 are the built-in types, whatever the file says.
    if (c.numTypes < kBuiltInTypes)
        throw ReadError("fewer types than the built-in ones");
    const std::size_t n = static_cast<std::size_t>(c.numTypes) + 1;
    c.cat.assign(n, 0);
    c.name.assign(n, std::string());
    c.file.assign(n, std::string());
    for (std::size_t t = 0; t < n; ++t) {
        rd.skipLine();  // the entry's label
        c.cat[t] = rd.integer();
        c.name[t] = rd.text();
        c.file[t] = rd.text();
        rd.endLine();
        if (t >= 1) {
            // Every type belongs to one of the seven categories; the built-in
            // ones keep theirs, so that code and category agree.
            if (c.cat[t] < 1 || c.cat[t] > kCableBoltCategory)
                throw ReadError("category outside 1 to 7");
            if (t <= kBuiltInTypes && c.cat[t] != kBuiltInCat[t])
                throw ReadError("a built-in type in another category");
        }
        rd.integer();  // section of the manufacturer list
        rd.integer();  // section of the design considerations
        const int16_t figures = count(rd, "figures");
        const int16_t models = count(rd, "loading models");
        rd.endLine();
        // The information center numbers figures, loading models and photos
        // across the catalogue with 16-bit indexes.
        if (c.figures + figures > INT16_MAX || c.models + models > INT16_MAX)
            throw ReadError("more figures or loading models than the catalogue can number");
        c.figures += figures;
        rd.skipLines(2 * figures);  // bitmap file and caption of each
        c.models += models;
        for (int m = 0; m < models; ++m) {
            rd.integer();  // the model's number inside its file
            const int16_t photos = count(rd, "photos");
            rd.endLine();
            rd.skipLines(2);  // the model's data file and display name
            if (c.photos + photos > INT16_MAX)
                throw ReadError("more photos than the catalogue can number");
            c.photos += photos;
            for (int s = 0; s < photos; ++s) {
                rd.number();  // convergence of the photo
                rd.line();    // its bitmap file, on the same line or the next
            }
        }
    }
    return c;
}

void sizeTypeTables(int figures, int models, int photos)
{
    const int n = G.NumTypes;
    G.MaxModels = kMaxModels;
    G.NumModels.assign(static_cast<std::size_t>(n) + 1, 0);
    G.ModelName.redim(n, G.MaxModels);
    G.InfoTable.redim(n, 5);
    G.FigFile.assign(static_cast<std::size_t>(figures) + 1, std::string());
    G.FigCaption.assign(static_cast<std::size_t>(figures) + 1, std::string());
    G.FotoCount.redim(models, 2);
    G.FailModelFile.assign(static_cast<std::size_t>(models) + 1, std::string());
    G.FailModelName.assign(static_cast<std::size_t>(models) + 1, std::string());
    G.FotoFile.assign(static_cast<std::size_t>(photos) + 1, std::string());
    G.FotoConv.assign(static_cast<std::size_t>(photos) + 1, 0.0f);
}

}  // namespace

void SetBuiltInTypes()
{
    G.NumTypes = kBuiltInTypes;
    const std::size_t n = kBuiltInTypes + 1;
    G.TypeCat.assign(kBuiltInCat.begin(), kBuiltInCat.end());
    G.SupTypeName = {"", "Wood cribs", "Timber posts", "Donut crib", "4-point concrete crib", "Solid concrete crib",
                     "Stopping block crib"};
    G.TypeFile.assign(n, std::string());
    sizeTypeTables(100, 200, 200);
}

bool ReadConfigFrom(std::string bytes)
{
    try {
        FieldReader rd(std::move(bytes));
        Catalogue c = readCatalogue(rd);
        G.NumTypes = c.numTypes;
        G.TypeCat = std::move(c.cat);
        G.SupTypeName = std::move(c.name);
        G.TypeFile = std::move(c.file);
        sizeTypeTables(c.figures, c.models, c.photos);
        return false;
    } catch (const ReadError&) {
    }
    SetBuiltInTypes();
    return true;
}

bool ReadConfig()
{
    FileBytes f = ReadFileBytes(AppFilePath(kConfigFile));
    if (f.status != FileStatus::Ok) {
        SetBuiltInTypes();
        return true;
    }
    return ReadConfigFrom(std::move(f.bytes));
}

// ---- Bitmap folder, cost region and units --------------------------------

BmpPathSettings ParseBmpPathSettings(std::string bytes)
{
    BmpPathSettings s;
    s.status = FileStatus::Ok;
    FieldReader rd(std::move(bytes));
    try {
        s.folder = rd.line();
        s.region = rd.integer();
        if (rd.hasField())
            s.units = rd.integer();
    } catch (const ReadError&) {
        s.status = FileStatus::Error;
    }
    return s;
}

BmpPathSettings ReadBmpPathSettings()
{
    FileBytes f = ReadFileBytes(AppFilePath(kBmpPathFile));
    if (f.status != FileStatus::Ok) {
        BmpPathSettings s;
        s.status = f.status;
        return s;
    }
    return ParseBmpPathSettings(std::move(f.bytes));
}

std::string WriteBmpPathFile(const std::string& folder, int region, int units)
{
    return WriteTextFile(AppFilePath(kBmpPathFile),
                         {folder, std::to_string(region) + "," + std::to_string(units)});
}

int16_t ReadBmpPath()
{
    G.BmpPath = G.AppPath;
    BmpPathSettings s = ReadBmpPathSettings();
    if (s.status == FileStatus::NotFound)
        return WriteBmpPathFile(G.AppPath, 0, G.MetricUnits != 0 ? 1 : 0).empty() ? 0 : -1;
    // The region code must be there, though EasternMines comes from the
    // cost-region note.
    if (!s.folder || !s.region)
        return -1;
    G.BmpPath = *s.folder;
    return 0;
}

std::string SaveBmpPath()
{
    return WriteBmpPathFile(G.BmpPath, G.EasternMines != 0 ? 0 : 1, G.MetricUnits != 0 ? 1 : 0);
}

// ---- Default project name -------------------------------------------------

bool ReadDefNameFrom(std::string bytes)
{
    FieldReader rd(std::move(bytes));
    if (rd.atEnd())
        return false;
    // The whole line, so that a name with commas or outer blanks comes back
    // as it was saved.
    G.DefProjName = rd.line();
    G.ProjName = G.DefProjName;
    return true;
}

void ReadDefName()
{
    FileBytes f = ReadFileBytes(AppFilePath(kDefNameFile));
    if (f.status == FileStatus::Ok && ReadDefNameFrom(std::move(f.bytes)))
        return;
    G.DefProjName = " ";
    G.ProjName = G.DefProjName;
    SaveDefName(G.DefProjName);
}

std::string SaveDefName(const std::string& name) { return WriteTextFile(AppFilePath(kDefNameFile), {name}); }

}  // namespace vesk
