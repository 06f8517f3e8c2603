#include "tests/breeding/breeding_fixture.h"


namespace kestrova::testing {
namespace {

constexpr int kStallions = 33;
constexpr int kMares = 32;
constexpr int32_t kFirstMareRecord = 100;

// A plain record's ancestor link is firstRecord + index + 1; that register record has no parents.
QStringList Records(int count, const std::map<int, QString>& given, const QString& plain, int32_t firstRecord)
{
    QStringList records;
    for (int i = 0; i < count; ++i) {
        const auto it = given.find(i);
        records << (it != given.end() ? it->second : plain.arg(i).arg(firstRecord + i + 1));
    }
    return records;
}

}  // namespace

void BreedingFixture::WriteStallions(const std::map<int, QString>& records)
{
    WriteRecords(kStallionFile, Records(kStallions, records, QStringLiteral("Sire%1,15,20,15,2,0,%2,0,0,0"), 0));
}

void BreedingFixture::WriteMares(const std::map<int, QString>& records)
{
    WriteRecords(kMareFile, Records(kMares, records, QStringLiteral("Mare%1,15,20,15,2,0,%2,0"), kFirstMareRecord));
}

void BreedingFixture::WriteRegister(const SlotRecords& layout)
{
    auto recordAt = [&](int32_t slot) { return layout.count(slot) ? layout.at(slot) : 0; };
    std::map<int32_t, QString> laidOut;
    // Slots come in ascending order, so a record's walked layout are laid out before any fourth-generation one.
    for (const auto& [slot, no] : layout) {
        if (slot >= 15) {  // the walk reads no parents below the fourth generation
            laidOut.try_emplace(no, QStringLiteral("Anc%1,,0,0").arg(no));
            continue;
        }
        const QString text = QStringLiteral("Anc%1,,%2,%3").arg(no).arg(recordAt(2 * slot + 1)).arg(recordAt(2 * slot + 2));
        const auto [it, added] = laidOut.try_emplace(no, text);
        ASSERT_TRUE(added || it->second == text) << "record " << no << " needs two sets of parents";
    }
    QStringList records;
    for (int32_t no = 1; no <= kRegisterSize; ++no)
        records << (laidOut.count(no) ? laidOut[no] : QStringLiteral("Anc%1,,0,0").arg(no));
    WriteRecords(kAncestorFile, records);
}

void BreedingFixture::WriteStudBook(const std::map<int, QString>& stallions, const std::map<int, QString>& mares,
                                    const SlotRecords& layout)
{
    WriteStallions(stallions);
    WriteMares(mares);
    WriteRegister(layout);
}

ColourGrid UniformGrid(uint32_t colour)
{
    ColourGrid grid;
    grid.colours.fill(colour);
    return grid;
}

}  // namespace kestrova::testing
