#include "breeding/generation_error.h"
#include "breeding/horse_generation.h"
#include "breeding/picture_canvas.h"
#include "tools/grid_file.h"
#include "tools/horse_json.h"
#include "tools/tool_command.h"
#include "tools/tool_error.h"

#include <cstdio>

namespace kestrova::tool {
namespace {

const char* const kUsage =
    "kestrova-tool horse [--data DIR] PICTURE...\n"
    "    Turns each picture into a horse as a drop on a gate does: the picture over white,\n"
    "    averaged onto the 32 x 32 canvas; the name from the file name; the parents and\n"
    "    pedigree from the stud-book files in DIR (default: beside the program). Prints one\n"
    "    JSON object per horse, one line each. A picture that cannot be read is reported on\n"
    "    standard error, the others are still printed, and the exit status is 2.\n"
    "kestrova-tool horse [--data DIR] --grid FILE [--name NAME]\n"
    "    The same from a canvas given as a grid file: 32 lines of 32 hexadecimal colours\n"
    "    BBGGRR (red in the low byte, at most FFFFFF, an optional 0x), separated by spaces\n"
    "    or commas; line y holds the colours for x = 0..31 from the left. NAME defaults to\n"
    "    the grid file's name made into a horse name.\n"
    "    Each object holds: source (the file); name; sex coat qua spe sta spi teki dart fNo\n"
    "    mNo fName mName; seiStr and keiStr, the words for sex and coat; the working values\n"
    "    leftEdgeSum topEdgeSum colorKinds histWeight fPick mPick colorTotal absTotal fRec\n"
    "    mRec hist5Sum hist7Sum hist11Sum coatKey dartKey quaKey speNum staNum speMid spiMid\n"
    "    speSpread staSpread spiSpread inbred; hyoNo hyoName hyoCross, 30 elements, slot s at\n"
    "    element s-1; crossNo crossKind crossBlood, crossCount elements, and crossCount; grid,\n"
    "    the canvas as the 32 lines of its grid file.\n";

void PrintHorse(const QString& source, const ColourGrid& grid, const QString& name)
{
    UmaEntry horse;
    const HorseWorkings workings = DeriveHorse(grid, name, horse);
    QJsonObject json = HorseJson(horse, workings, game.pedigree, grid);
    json[QStringLiteral("source")] = source;
    std::printf("%s\n", HorseJsonLine(json).constData());
}

int FromGrid(QStringList arguments, const QString& gridPath)
{
    QString name = TakeOption(arguments, QStringLiteral("--name"));
    if (!arguments.isEmpty()) throw ToolError{QStringLiteral("horse --grid takes one file; unexpected \"%1\"").arg(arguments[0])};
    if (name.isEmpty()) name = HorseNameFromFile(gridPath);
    try {
        PrintHorse(gridPath, ReadGridFile(gridPath), name);
    } catch (const GenerationError& error) {
        throw ToolError{QStringLiteral("%1: %2").arg(gridPath, QString::fromStdString(error.what()))};
    }
    return 0;
}

int FromPictures(const QStringList& pictures)
{
    if (pictures.isEmpty()) throw ToolError{QStringLiteral("horse needs a picture or --grid FILE; see kestrova-tool help")};
    int status = 0;
    for (const QString& path : pictures) {
        try {
            PrintHorse(path, CanvasFromFile(path), HorseNameFromFile(path));
        } catch (const GenerationError& error) {
            std::fflush(stdout);
            std::fprintf(stderr, "kestrova-tool: horse: %s\n", error.what());
            status = kToolErrorStatus;
        }
    }
    return status;
}

int Run(const QStringList& given)
{
    QStringList arguments = given;
    TakeDataFolderOption(arguments);
    const QString gridPath = TakeOption(arguments, QStringLiteral("--grid"));
    if (!gridPath.isEmpty()) return FromGrid(arguments, gridPath);
    if (arguments.contains(QStringLiteral("--name"))) throw ToolError{QStringLiteral("--name goes with --grid")};
    return FromPictures(arguments);
}

}  // namespace

const ToolCommand& HorseCommand()
{
    static const ToolCommand command{"horse", kUsage, Run};
    return command;
}

}  // namespace kestrova::tool
