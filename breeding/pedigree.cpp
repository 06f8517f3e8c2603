#include "breeding/pedigree.h"

#include "breeding/generation_error.h"
#include "foundation/game_state.h"
#include "foundation/stud_book_format.h"
#include "foundation/stud_book_reader.h"

namespace kestrova {
namespace {

constexpr int32_t kFirstSlot = 1;
constexpr int32_t kLastSlot = 30;
constexpr int32_t kFirstFourthGenerationSlot = 15;

int32_t ParentNumber(const QString& text)
{
    bool ok = false;
    const int32_t number = text.trimmed().toInt(&ok);
    if (!ok) throw GenerationError("ancestor record holds a parent that is not a number");
    return number;
}

// A slot the walk does not reach must show nothing of an earlier horse.
void ClearSlots(PedigreeTables& p)
{
    p.hyoNo.fill(0);
    p.hyoName.fill(QString());
    p.hyoFNo.fill(0);
    p.hyoMNo.fill(0);
}

void ClearCrosses(PedigreeTables& p)
{
    p.hyoCross.fill(0);
    p.crossNo.fill(0);
    p.crossKind.fill(0);
    p.crossBlood.fill(0.0);
    p.crossCount = 0;
}

// Each repeated ancestor is entered once, at its lowest slot, so the first entry
// is the closest repeat. Empty slots (number 0) are no ancestor and never repeat.
void FindRepeatedAncestors(PedigreeTables& p)
{
    for (int32_t slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        if (p.hyoCross[slot] != 0 || p.hyoNo[slot] == 0) continue;
        bool found = false, onSire = false, onDam = false;
        for (int32_t other = kFirstSlot; other <= kLastSlot; ++other) {
            if (other == slot || p.hyoNo[other] != p.hyoNo[slot]) continue;
            found = true;
            p.hyoCross[other] = 1;
            for (int32_t s : {slot, other}) (p.hyoSide[s] == 1 ? onSire : onDam) = true;
        }
        if (!found) continue;
        p.hyoCross[slot] = 1;
        const int16_t entry = p.crossCount++;
        p.crossNo[entry] = p.hyoNo[slot];
        p.crossKind[entry] = (onSire && onDam) ? 2 : 1;
    }
}

void SpreadKindsAndShares(PedigreeTables& p)
{
    for (int16_t k = 0; k < p.crossCount; ++k) {
        for (int32_t slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            if (p.crossNo[k] != p.hyoNo[slot]) continue;
            p.hyoCross[slot] = p.crossKind[k];
            p.crossBlood[k] += p.hyoBlood[slot];
        }
    }
}

}  // namespace

void WalkPedigree(int32_t slot, int32_t no)
{
    StudBookBuffers& record = game.studBook;
    record.uma3Name.clear();
    record.uma3Name2.clear();
    record.uma3FNo = QStringLiteral("0");
    record.uma3MNo = QStringLiteral("0");
    ReadStudBook(kAncestorFile, no - 1);

    PedigreeTables& p = game.pedigree;
    p.hyoNo[slot] = no;
    p.hyoName[slot] = record.uma3Name2.trimmed().isEmpty() ? record.uma3Name : record.uma3Name2;
    p.hyoFNo[slot] = ParentNumber(record.uma3FNo);
    p.hyoMNo[slot] = ParentNumber(record.uma3MNo);
    // The shared record buffers are overwritten by the recursion; the slot tables keep what it needs.
    if (p.hyoFNo[slot] != 0 && slot < kFirstFourthGenerationSlot) WalkPedigree(2 * slot + 1, p.hyoFNo[slot]);
    if (p.hyoMNo[slot] != 0 && slot < kFirstFourthGenerationSlot) WalkPedigree(2 * slot + 2, p.hyoMNo[slot]);
}

void InitPedigreeTables()
{
    PedigreeTables& p = game.pedigree;
    for (int32_t slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        const int generation = slot < 3 ? 1 : slot < 7 ? 2 : slot < 15 ? 3 : 4;
        p.hyoBlood[slot] = 100.0 / (1 << generation);
        // The first half of each generation's slots descends from the sire.
        const int32_t generationStart = (1 << generation) - 1;
        p.hyoSide[slot] = slot - generationStart < (1 << (generation - 1)) ? 1.0 : 2.0;
    }
}

void BuildPedigree()
{
    const UmaEntry& horse = game.umaEntry.at(static_cast<std::size_t>(game.menuGate));
    BuildPedigree(horse.fNo, horse.mNo);
}

void BuildPedigree(int32_t fNo, int32_t mNo)
{
    PedigreeTables& p = game.pedigree;
    ClearSlots(p);
    WalkPedigree(1, fNo);
    WalkPedigree(2, mNo);
    ClearCrosses(p);
    InitPedigreeTables();
    FindRepeatedAncestors(p);
    SpreadKindsAndShares(p);
}

}  // namespace kestrova
