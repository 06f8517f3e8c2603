#pragma once
// How often the stud book's sire-and-dam pairings are inbred, measured through the
// pedigree build the game itself runs.

#include <vector>

namespace kestrova::tool {

struct InbreedingStats {
    int stallions = 0;
    int mares = 0;
    int pairings = 0;
    int inbred = 0;               // at least one repeated ancestor
    int bonusFirstCross = 0;      // first repeated ancestor on both sides, and a bonus key
    int bonusKeysAsFirstCross = 0;  // distinct bonus keys seen as that first cross
    int completePedigrees = 0;    // pairings with all thirty slots filled
};

// Reads the stud-book files of the data folder: every stallion with every mare.
InbreedingStats MeasureInbreeding(int stallions, int mares);

struct StatTarget {
    const char* what;
    double value;
    double low;
    double high;
    bool Met() const { return value >= low && value <= high; }
};

std::vector<StatTarget> TargetsOf(const InbreedingStats& stats);

}  // namespace kestrova::tool
