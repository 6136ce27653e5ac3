#pragma once

#include <string>
#include <vector>

namespace nimbus {

// Where the game's data lies. A folder holds it when the menus' document is in it. The
// places, in order: the folder given with --data, which alone is looked in when given
// (the player asked for it in this very command); $NIMBUS_DATA; "Data" beside the
// executable, as a build tree has it; the installed data folder, found from the
// executable's folder, so that a prefix moved as a whole still finds its own data.
class DataSearch {
public:
    struct Place {
        std::string directory;
        // What named the place, for the line that reports a failed search.
        std::string origin;
    };

    // `environment` is $NIMBUS_DATA (null when unset); `installedData` is the data folder
    // relative to the executable's folder.
    DataSearch(const std::string& flagged, const char* environment, const std::string& executableDirectory,
               const std::string& installedData);

    // The first place that holds the data, or null.
    const Place* found() const;
    // Whether the data found is the build tree's, the one place that may keep the
    // high-score table beside it.
    bool foundBesideExecutable() const;
    // One line naming every place looked in.
    std::string failure() const;

private:
    std::vector<Place> places_;
    int found_ = -1;
    int besideExecutable_ = -1;
};

}  // namespace nimbus
