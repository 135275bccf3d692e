// The small data files of the program's folder: the wood species
// (wooddat.txt), the catalogue of support types (config.txt, the start-up
// pass), the bitmap folder with the cost region and units (bmpath.txt) and
// the default project name (defname.txt).
//
// Each reader fills the globals and falls back on built-in values when its
// file cannot be read whole; the main window collects one message line per
// failed file.
#pragma once

#include "files/textfile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

inline constexpr const char* kWoodFile = "wooddat.txt";
inline constexpr const char* kConfigFile = "config.txt";
inline constexpr const char* kBmpPathFile = "bmpath.txt";
inline constexpr const char* kDefNameFile = "defname.txt";

// ---- Wood species -------------------------------------------------------

// Reads the crib and post species tables. 0 on success; -1 when the built-in
// species were put in place ("Error reading wooddat.txt").
int16_t ReadWoodData();
int16_t ReadWoodDataFrom(std::string bytes);
// Both lists sized 0..20 afresh with the 15 built-in species.
void SetBuiltInWoods();
inline constexpr int kBuiltInWoods = 15;

// ---- Type catalogue -----------------------------------------------------

// The start-up pass over config.txt: the number of types, each type's
// category, name and model file, and the sizes of the model and information
// tables. True when the file could not be read and the six built-in types
// are in force ("Error reading config.txt. Only built-in types available.").
bool ReadConfig();
bool ReadConfigFrom(std::string bytes);
// The six built-in types, with the information lists sized for 100 figures,
// 200 loading models and 200 photos.
void SetBuiltInTypes();

inline constexpr int kBuiltInTypes = 6;
inline constexpr int16_t kCableBoltCategory = 7;

// ---- Bitmap folder, cost region and units --------------------------------

// What bmpath.txt holds, as far as it could be read. A missing unit code
// leaves units empty (English).
struct BmpPathSettings {
    FileStatus status = FileStatus::Error;  // of reading the file
    std::optional<std::string> folder;
    std::optional<int16_t> region;  // 0 Eastern U.S., 1 Western U.S.
    std::optional<int16_t> units;   // 1 metric, 0 English
};
BmpPathSettings ReadBmpPathSettings();
BmpPathSettings ParseBmpPathSettings(std::string bytes);

// Writes bmpath.txt: the folder, then "region,units". Empty on success,
// else the description of the failure.
std::string WriteBmpPathFile(const std::string& folder, int region, int units);

// Start-up reading of BmpPath. 0 on success; also 0 when the file did not
// exist and was created with the program's folder and region 0; -1 on any
// other failure ("Error reading bmpath.txt"), BmpPath then being AppPath.
int16_t ReadBmpPath();
// Writes BmpPath with the region of EasternMines and the units of
// MetricUnits. Empty on success, else the description of the failure.
std::string SaveBmpPath();

// ---- Default project name -------------------------------------------------

// DefProjName and ProjName from the first line of defname.txt, taken whole.
// Without a readable file both become a single blank, and the file is
// written with it (a failure of that write is ignored).
void ReadDefName();
// Sets both names from the first line of the bytes; false (nothing changed)
// when there is no line.
bool ReadDefNameFrom(std::string bytes);
// Writes name as the one line of defname.txt. Empty on success, else the
// description of the failure.
std::string SaveDefName(const std::string& name);

}  // namespace vesk
