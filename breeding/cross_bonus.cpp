#include "breeding/cross_bonus.h"

#include "foundation/game_state.h"

#include <algorithm>
#include <array>

namespace kestrova {
namespace {

struct Bonus {
    int32_t recordNo;
    int16_t spe, sta, spi;
};

constexpr std::array<Bonus, 27> kBonuses = {{
    {9, 0, 0, 3},   {11, 1, 0, 0},  {15, 3, 0, 0},  {39, 1, 0, 0},  {52, 2, 0, 2},  {60, 0, 1, 0},
    {67, 1, 0, 0},  {75, 0, 1, 0},  {90, 2, 0, 0},  {125, 1, 2, 1}, {131, 0, 2, 0}, {148, 1, 1, 0},
    {161, 2, 1, 2}, {165, 1, 1, 0}, {204, 2, 0, 0}, {228, 0, 1, 3}, {233, 1, 0, 0}, {236, 1, 0, 0},
    {238, 1, 0, 0}, {240, 1, 3, 2}, {249, 1, 1, 1}, {295, 0, 2, 0}, {311, 2, 0, 1}, {320, 2, 0, 0},
    {361, 1, 1, 1}, {400, 1, 0, 0}, {456, 0, 1, 0},
}};

// Once in the third generation and once in the fourth; a larger share earns a point less.
constexpr double kFullBonusShare = 18.75;

const Bonus* Find(int32_t recordNo)
{
    const auto it = std::find_if(kBonuses.begin(), kBonuses.end(), [&](const Bonus& b) { return b.recordNo == recordNo; });
    return it == kBonuses.end() ? nullptr : &*it;
}

int16_t Reduced(int16_t bonus) { return bonus > 0 ? static_cast<int16_t>(bonus - 1) : bonus; }

}  // namespace

bool IsCrossBonusKey(int32_t recordNo) { return Find(recordNo) != nullptr; }

void CrossBonus()
{
    PedigreeTables& p = game.pedigree;
    const Bonus* bonus = Find(p.crossNo[0]);
    p.crossSpe = bonus ? bonus->spe : 0;
    p.crossSta = bonus ? bonus->sta : 0;
    p.crossSpi = bonus ? bonus->spi : 0;
    if (p.crossBlood[0] > kFullBonusShare) {
        p.crossSpe = Reduced(p.crossSpe);
        p.crossSta = Reduced(p.crossSta);
        p.crossSpi = Reduced(p.crossSpi);
    }
}

}  // namespace kestrova
