#include "breeding/horse_abilities.h"

#include "breeding/cross_bonus.h"
#include "breeding/generation_error.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>

namespace kestrova {
namespace {

constexpr int32_t kAbilityPivot = 15;  // abilities fall between the parents' mean and this
constexpr int32_t kSpeedFloor = 12;
constexpr int32_t kFillyStaminaPenalty = 4;
constexpr int16_t kSideSpread = 2;  // the stamina and fighting-spirit spreads before any bonus
constexpr int16_t kBothSides = 2;

int16_t Fit16(int32_t value, const char* what)
{
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        throw GenerationError(std::string(what) + " does not fit 16 bits");
    return static_cast<int16_t>(value);
}

int32_t Draw(int32_t num, int32_t range, int32_t base, const char* what)
{
    if (range == 0) throw GenerationError(std::string(what) + " draw has a range of 0");
    return num % range + base;
}

// Being inbred widens the range by a further spread below, so only the floor drops.
int32_t MidDraw(int32_t mid, int32_t spread, int32_t num, bool inbred, const char* what)
{
    const int32_t lo = std::min(mid, kAbilityPivot);
    const int32_t width = std::max(mid, kAbilityPivot) - lo + 2;
    return inbred ? Draw(num, width + 3 * spread, lo - 2 * spread, what) : Draw(num, width + 2 * spread, lo - spread, what);
}

AbilityDraws DrawSettings(const CanvasStatistics& canvas, const StudBookBuffers& parents)
{
    AbilityDraws d;
    d.speNum = parents.uma1Seed + canvas.leftEdgeSum;
    d.staNum = parents.uma2Seed + canvas.topEdgeSum;
    d.speMid = HalfRoundedToEven(parents.uma1Spe + parents.uma2Spe + 1);
    d.spiMid = HalfRoundedToEven(parents.uma1Spi + parents.uma2Spi + 1);
    int32_t speSpread = HalfRoundedToEven(parents.uma1Range + parents.uma2Range);
    int32_t staSpread = kSideSpread, spiSpread = kSideSpread;
    const PedigreeTables& p = game.pedigree;
    if (p.crossKind[0] == kBothSides && p.crossCount > 0) {
        CrossBonus();
        speSpread += p.crossSpe;
        staSpread += p.crossSta;
        spiSpread += p.crossSpi;
    }
    d.speSpread = Fit16(speSpread, "speed spread");
    d.staSpread = Fit16(staSpread, "stamina spread");
    d.spiSpread = Fit16(spiSpread, "spirit spread");
    d.inbred = p.crossCount > 0;
    return d;
}

Abilities DrawAbilities(const AbilityDraws& d, const StudBookBuffers& parents, int32_t sex, int32_t hist5Sum)
{
    Abilities a{};
    a.spe = MidDraw(d.speMid, d.speSpread, d.speNum, d.inbred, "speed");
    a.sta = d.inbred ? Draw(d.staNum, parents.uma2Sta + 3 * d.staSpread, parents.uma1Sta - 2 * d.staSpread, "stamina")
                     : Draw(d.staNum, parents.uma2Sta + 2 * d.staSpread, parents.uma1Sta - d.staSpread, "stamina");
    if (sex == 1) a.sta -= kFillyStaminaPenalty;
    a.spi = MidDraw(d.spiMid, d.spiSpread, hist5Sum, d.inbred, "spirit");
    return a;
}

// Each row lists the first key of codes 1, 2 and 3; lower keys give 0.
using KeyRow = std::array<int32_t, 3>;

int32_t CodeFromRow(const KeyRow& firstKeys, int32_t key)
{
    return static_cast<int32_t>(std::upper_bound(firstKeys.begin(), firstKeys.end(), key) - firstKeys.begin());
}

}  // namespace

int32_t HalfRoundedToEven(int32_t sum)
{
    const int32_t floorHalf = sum >> 1;
    if (sum % 2 == 0) return floorHalf;
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

Abilities Floored(Abilities a)
{
    if (a.spe < kSpeedFloor) {
        a.sta -= kSpeedFloor - a.spe;
        a.spe = kSpeedFloor;
    }
    if (a.sta < 0) {
        a.spi += a.sta;
        a.sta = 0;
    }
    if (a.spi < 0) a.spi = 0;
    return a;
}

int32_t DartFor(int16_t dartType, int32_t dartKey)
{
    static constexpr std::array<KeyRow, 3> rows = {{{4, 7, 9}, {1, 6, 9}, {1, 3, 9}}};
    if (dartType < 0 || dartType >= static_cast<int16_t>(rows.size())) return dartKey;
    return CodeFromRow(rows[static_cast<std::size_t>(dartType)], dartKey);
}

int32_t QuaFor(int16_t quaType, int32_t quaKey)
{
    static constexpr std::array<KeyRow, 4> rows = {{{4, 7, 8}, {2, 6, 9}, {1, 4, 8}, {2, 3, 6}}};
    if (quaType < 0 || quaType >= static_cast<int16_t>(rows.size())) return quaKey;
    return CodeFromRow(rows[static_cast<std::size_t>(quaType)], quaKey);
}

int32_t CoatFor(int16_t sireCoat, int16_t damCoat, int32_t coatKey, int32_t colorKinds)
{
    constexpr int16_t kChestnut = 1, kGrey = 3, kWhite = 7;
    const bool chestnutAndGrey = (sireCoat == kChestnut && damCoat == kGrey) || (sireCoat == kGrey && damCoat == kChestnut);
    if (chestnutAndGrey) {
        if (coatKey == 19 && colorKinds == 15) return kWhite;
        return coatKey <= 9 ? kChestnut : kGrey;
    }
    if (sireCoat == kGrey && damCoat == kGrey) return kGrey;
    if (coatKey <= 5) return sireCoat;
    if (coatKey <= 10) return damCoat;  // 7 never occurs: it was turned into 0
    static constexpr std::array<int32_t, 9> fixed = {0, 0, 1, 2, 2, 3, 4, 5, 6};  // keys 11..19
    return fixed[static_cast<std::size_t>(coatKey - 11)];
}

AbilityDraws DeriveAbilities(const CanvasStatistics& canvas, const StudBookBuffers& parents, UmaEntry& horse)
{
    const AbilityDraws draws = DrawSettings(canvas, parents);
    const Abilities a = Floored(DrawAbilities(draws, parents, canvas.sex, canvas.hist5Sum));
    horse.sex = Fit16(canvas.sex, "sex");
    horse.coat = Fit16(CoatFor(parents.uma1Kei, parents.uma2Kei, canvas.coatKey, canvas.colorKinds), "coat");
    horse.qua = Fit16(QuaFor(parents.uma1QuaType, canvas.quaKey), "running style");
    horse.spe = Fit16(a.spe, "speed");
    horse.sta = Fit16(a.sta, "stamina");
    horse.spi = Fit16(a.spi, "spirit");
    horse.teki = Fit16(canvas.teki, "distance aptitude");
    horse.dart = Fit16(DartFor(parents.uma1DartType, canvas.dartKey), "dirt aptitude");
    return draws;
}

}  // namespace kestrova
