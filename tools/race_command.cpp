#include "foundation/game_state.h"
#include "foundation/tick_counter.h"
#include "race/race_hooks.h"
#include "race/race_loop.h"
#include "race/race_preparation.h"
#include "race/race_random.h"
#include "race/race_state.h"
#include "tools/race_horses.h"
#include "tools/race_json.h"
#include "tools/tool_command.h"
#include "tools/tool_error.h"

#include <QJsonDocument>

#include <cstdio>
#include <vector>

namespace kestrova::tool {
namespace {

const char* const kUsage =
    "kestrova-tool race --course COURSE --seed N [--trace] HORSES\n"
    "kestrova-tool race --course COURSE --seed N [--trace] [--data DIR] PICTURE x 8\n"
    "    Runs one race headless, exactly as the game runs it, with the random numbers\n"
    "    seeded by N (0 to 2^64 - 1) instead of the clock. COURSE is turf1200, turf2000,\n"
    "    turf3000 or dirt2000. HORSES is a file (\"-\" for standard input) of eight JSON\n"
    "    objects, one a line, for gates 0 to 7, as \"kestrova-tool horse\" prints them; each\n"
    "    needs name and the whole numbers sex coat qua spe sta spi teki dart. Eight\n"
    "    pictures instead become the horses of gates 0 to 7 as drops would, with the\n"
    "    stud-book files in DIR (default: beside the program).\n"
    "    Prints one JSON object on one line: course (the course text), distance, dirt;\n"
    "    runners, per gate: gate name raceSpe raceSpi raceSta paceEarly paceLate spurtBonus\n"
    "    moveEvery as preparation set them; orderGate, the gates in finishing order;\n"
    "    chakusa, 7 objects {margin, words}: the margin in course units (47 to a length)\n"
    "    behind places 1 to 7 and its words; steps, the number of race steps.\n"
    "    --trace first prints one JSON line per step: frameCount; draws, the random numbers\n"
    "    the step consumed, in order; umaDist umaX umaSpeed raceSta spurtOn, per gate;\n"
    "    viewShift scrollTile scrollX goalShown orderGate chakusaCount after the step.\n";

struct Course {
    const char* name;
    int16_t distance;
    int16_t dirt;
};

constexpr Course kCourses[] = {{"turf1200", 12, 0}, {"turf2000", 20, 0}, {"turf3000", 30, 0}, {"dirt2000", 20, 1}};

RaceConditions CourseNamed(const QString& name)
{
    for (const Course& course : kCourses)
        if (name == QLatin1String(course.name)) return {course.distance, course.dirt};
    throw ToolError{QStringLiteral("race: --course must be turf1200, turf2000, turf3000 or dirt2000")};
}

uint64_t SeedOf(const QString& text)
{
    bool ok = false;
    const qulonglong seed = text.toULongLong(&ok);
    if (!ok) throw ToolError{QStringLiteral("race: --seed needs a whole number from 0 to 2^64 - 1")};
    return seed;
}

void EnterHorses(QStringList arguments)
{
    if (arguments.size() == 1) return EnterHorsesFromJson(arguments[0]);
    if (arguments.size() == kGateCount) {
        TakeDataFolderOption(arguments);
        return EnterHorsesFromPictures(arguments);
    }
    throw ToolError{QStringLiteral("race needs a horses file or eight pictures; see kestrova-tool help")};
}

void PrintLine(const QJsonObject& json)
{
    std::printf("%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
}

// The game's own loop, on a clock that moves 11 ms at every reading: every pass runs a
// step, and the pump, which runs after each pass, sees every step.
void RunTracedRace(bool trace)
{
    std::vector<double> draws;
    SetDrawLog(trace ? &draws : nullptr);
    SetTickSource([now = uint32_t{0}]() mutable { return now += 11; });
    SetEventPump([trace, &draws](uint32_t) {
        if (!trace) return;
        PrintLine(StepJson(draws));
        draws.clear();
    });
    RunRace();
    SetEventPump({});
    SetTickSource({});
    SetDrawLog(nullptr);
}

int Run(const QStringList& given)
{
    QStringList arguments = given;
    const QString course = TakeOption(arguments, QStringLiteral("--course"));
    const QString seed = TakeOption(arguments, QStringLiteral("--seed"));
    const bool trace = TakeFlag(arguments, QStringLiteral("--trace"));
    if (course.isEmpty() || seed.isEmpty()) throw ToolError{QStringLiteral("race needs --course and --seed")};
    game.raceConditions = CourseNamed(course);
    const uint64_t pinned = SeedOf(seed);
    EnterHorses(arguments);
    SetSeedSource([pinned] { return pinned; });
    PrepareRace();
    SetSeedSource({});
    const QJsonArray runners = PreparedRunnersJson();
    RunTracedRace(trace);
    PrintLine(RaceResultJson(runners));
    return 0;
}

}  // namespace

const ToolCommand& RaceCommand()
{
    static const ToolCommand command{"race", kUsage, Run};
    return command;
}

}  // namespace kestrova::tool
