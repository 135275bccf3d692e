// The information lists of the type catalogue, read from config.txt by the
// information center each time it opens: per catalogue entry its manufacturer
// and considerations sections, its design figures and its loading models
// with their photo steps (InfoTable, FigFile, FigCaption, FotoCount,
// FailModelFile, FailModelName, FotoConv, FotoFile).
//
// The lists keep the sizes the start-up pass gave them; a running index that
// would pass the end of its list stays on the last element.
#pragma once

#include <string>
#include <vector>

namespace vesk {

struct InfoListsRead {
    bool ok = false;  // the file was read through its last entry
    // Per catalogue entry 0..NumTypes: its figures and loading models were
    // read whole. After a failure, the entry being read and all later ones
    // are false, whatever part of them reached the lists.
    std::vector<bool> entryComplete;

    bool complete(int entry) const
    {
        return entry >= 0 && entry < static_cast<int>(entryComplete.size()) && entryComplete[static_cast<std::size_t>(entry)];
    }
};

// InfoTable(InfoType, k): a value of the entry shown; 0 outside the table.
int InfoOfShown(int k);

// Reads config.txt of the program's folder for entries 0..NumTypes.
InfoListsRead ReadInfoLists();
InfoListsRead ReadInfoListsFrom(std::string bytes);

}  // namespace vesk
