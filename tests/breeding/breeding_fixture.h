#pragma once
// Small stud books for breeding tests: a full set of stallions and mares with chosen
// records, and an ancestor register that lays out a chosen pedigree.

#include "breeding/colour_grid.h"
#include "tests/support/stud_book_fixture.h"

#include <map>

namespace kestrova::testing {

// Pedigree slot (1..30) to ancestor record number; slots left out are not reached.
using SlotRecords = std::map<int32_t, int32_t>;

class BreedingFixture : public StudBookFixture {
protected:
    static constexpr int32_t kRegisterSize = 300;

    // 33 stallions and 32 mares; records not given are plain ones whose ancestors have no parents.
    void WriteStallions(const std::map<int, QString>& records = {});
    void WriteMares(const std::map<int, QString>& records = {});
    // A register in which the walk from layout[1] and layout[2] reaches exactly the given slots.
    void WriteRegister(const SlotRecords& layout = {});
    void WriteStudBook(const std::map<int, QString>& stallions = {}, const std::map<int, QString>& mares = {},
                       const SlotRecords& layout = {});
};

ColourGrid UniformGrid(uint32_t colour);

}  // namespace kestrova::testing
