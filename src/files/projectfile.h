// The project file (*.pro): the design criteria, the comparison plot settings,
// the design ground reaction curve, the supports and the project name.
//
// Layout, little-endian, no header: CritRec (144 bytes), PlotRec (34),
// CurveRec (348), the number of supports (i16), one support block per
// support (as a support file), then the project name as 64 blank-padded
// characters. The name is optional when reading; bytes after it are ignored.
#pragma once

#include "model/records.h"
#include "files/safesave.h"
#include "files/supportfile.h"

#include <string>
#include <string_view>
#include <vector>

namespace vesk {

constexpr std::size_t kProjNameLen = 64;
constexpr std::size_t kProjectHeadSize = kCritRecSize + kPlotRecSize + kCurveRecSize;  // 526

inline constexpr const char* kProjectFilter = "Project files (*.pro)|*.pro|All files (*.*)|*.*";
inline constexpr const char* kLoseSupportsText = "Existing support definitions will be lost. Continue?";

// Everything that a project file holds.
struct ProjectData {
    CritRec DesignCrit;
    PlotRec PlotSet;
    CurveRec DesignCurve;
    std::vector<SupportBlock> Supports;  // at most 10
    std::string ProjName;                // without the padding blanks

    bool operator==(const ProjectData&) const = default;
};

// WriteError when NumCases lies outside 0..10.
ProjectData ProjectFromGlobals();

// WriteError for more than 10 supports or a text the code page cannot hold.
std::string EncodeProject(const ProjectData& p);

// ReadError, and nothing decoded, for a file that is short, names more than
// 10 supports (or a negative count), holds a type outside 1..numTypes, a
// design curve with more than 10 points, a text running past the end, or a
// value that is not a finite number in any record.
// A file ending right after the last support block has an empty project
// name, and so has one whose name is cut short.
ProjectData DecodeProject(std::string_view bytes, int numTypes);

// Takes a completely read project over into the globals, with the working
// values, the curve-basis flag and the navigation a project open sets.
// ProjectPath becomes path. Menus are the window's business.
void TakeOverProject(ProjectData&& p, const std::string& path);

// "Save project": writes the globals to path. ProjectPath is left as it is.
FileCommandResult SaveProjectFile(const std::string& path);

// "Open project" after the question and the file dialog: reads path whole,
// then takes it over. NotFound (nothing shown) when path does not exist;
// ReadFailed with "Error reading <name>" when it cannot be read whole, and
// then nothing has changed.
FileCommandResult OpenProjectFile(const std::string& path);

// "New project" after the question: the support list is emptied and a design
// basis "current support system" becomes "detached block". Criteria, curves,
// project name and project path stay.
void NewProject();

}  // namespace vesk
