#include "tools/inbreeding_stats.h"

#include "breeding/cross_bonus.h"
#include "breeding/pedigree.h"
#include "foundation/game_state.h"
#include "foundation/stud_book_format.h"
#include "foundation/stud_book_reader.h"

#include <set>
#include <vector>

namespace kestrova::tool {
namespace {

std::vector<int32_t> RecordNumbers(int16_t fileNo, int count)
{
    std::vector<int32_t> numbers;
    for (int i = 0; i < count; ++i) {
        ReadStudBook(fileNo, i);
        numbers.push_back(fileNo == kStallionFile ? game.studBook.uma1No : game.studBook.uma2No);
    }
    return numbers;
}

bool AllSlotsFilled(const PedigreeTables& p)
{
    for (int slot = 1; slot < kPedigreeSlots; ++slot)
        if (p.hyoNo[slot] == 0) return false;
    return true;
}

}  // namespace

InbreedingStats MeasureInbreeding(int stallions, int mares)
{
    InbreedingStats stats{stallions, mares, 0, 0, 0, 0, 0};
    std::set<int32_t> keysSeen;
    const PedigreeTables& p = game.pedigree;
    for (int32_t sire : RecordNumbers(kStallionFile, stallions)) {
        for (int32_t dam : RecordNumbers(kMareFile, mares)) {
            game.menuGate = 0;
            game.umaEntry[0].fNo = sire;
            game.umaEntry[0].mNo = dam;
            BuildPedigree();
            ++stats.pairings;
            stats.completePedigrees += AllSlotsFilled(p);
            if (p.crossCount == 0) continue;
            ++stats.inbred;
            if (p.crossKind[0] == 2 && IsCrossBonusKey(p.crossNo[0])) {
                ++stats.bonusFirstCross;
                keysSeen.insert(p.crossNo[0]);
            }
        }
    }
    stats.bonusKeysAsFirstCross = static_cast<int>(keysSeen.size());
    return stats;
}

std::vector<StatTarget> TargetsOf(const InbreedingStats& s)
{
    const double pairings = s.pairings > 0 ? s.pairings : 1;
    return {
        {"stallions", double(s.stallions), 33, 1e9},
        {"mares", double(s.mares), 32, 1e9},
        {"pairings with a repeated ancestor (%)", 100.0 * s.inbred / pairings, 35, 65},
        {"pairings whose first cross is on both sides and a bonus key (%)", 100.0 * s.bonusFirstCross / pairings, 10,
         100},
        {"bonus keys seen as that first cross", double(s.bonusKeysAsFirstCross), 20, 27},
        {"pairings with all thirty slots filled (%)", 100.0 * s.completePedigrees / pairings, 100, 100},
    };
}

}  // namespace kestrova::tool
