#include "tools/race_json.h"

#include "race/margin_words.h"
#include "race/race_state.h"

#include <QJsonArray>

namespace kestrova::tool {
namespace {

template <typename T>
QJsonArray ArrayOf(const PerGate<T>& values)
{
    QJsonArray array;
    for (const T value : values) array.append(static_cast<int>(value));
    return array;
}

QJsonArray MarginsJson()
{
    QJsonArray margins;
    for (std::size_t k = 0; k + 1 < kGateCount; ++k)
        margins.append(QJsonObject{{"margin", race.chakusa[k]}, {"words", ChakusaText(race.chakusa[k])}});
    return margins;
}

}  // namespace

QJsonArray PreparedRunnersJson()
{
    QJsonArray runners;
    for (std::size_t i = 0; i < kGateCount; ++i)
        runners.append(QJsonObject{{"gate", static_cast<int>(i)},
                                   {"name", game.umaEntry[i].name},
                                   {"raceSpe", race.raceSpe[i]},
                                   {"raceSpi", race.raceSpi[i]},
                                   {"raceSta", race.raceSta[i]},
                                   {"paceEarly", race.paceEarly[i]},
                                   {"paceLate", race.paceLate[i]},
                                   {"spurtBonus", race.spurtBonus[i]},
                                   {"moveEvery", race.moveEvery[i]}});
    return runners;
}

QJsonObject RaceResultJson(const QJsonArray& runners)
{
    const RaceConditions& course = game.raceConditions;
    return {{"course", CourseText(course.distance, course.dirt)},
            {"distance", course.distance},
            {"dirt", course.dirt},
            {"runners", runners},
            {"orderGate", ArrayOf(game.orderGate)},
            {"chakusa", MarginsJson()},
            {"steps", race.frameCount}};
}

QJsonObject StepJson(const std::vector<double>& draws)
{
    QJsonArray drawn;
    for (const double draw : draws) drawn.append(draw);
    return {{"frameCount", race.frameCount},
            {"draws", drawn},
            {"umaDist", ArrayOf(race.umaDist)},
            {"umaX", ArrayOf(race.umaX)},
            {"umaSpeed", ArrayOf(race.umaSpeed)},
            {"raceSta", ArrayOf(race.raceSta)},
            {"spurtOn", ArrayOf(race.spurtOn)},
            {"viewShift", game.viewShift},
            {"scrollTile", game.scrollTile},
            {"scrollX", game.scrollX},
            {"goalShown", race.goalShown},
            {"orderGate", ArrayOf(game.orderGate)},
            {"chakusaCount", race.chakusaCount}};
}

}  // namespace kestrova::tool
