#include "tools/race_horses.h"

#include "breeding/generation_error.h"
#include "breeding/horse_generation.h"
#include "breeding/picture_canvas.h"
#include "foundation/game_state.h"
#include "tools/tool_error.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdio>
#include <limits>

namespace kestrova::tool {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file;
    const bool opened = path == QStringLiteral("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened) throw ToolError{QStringLiteral("%1: cannot open").arg(path)};
    return file.readAll();
}

int16_t Code(const QJsonObject& horse, const char* field, int line)
{
    const QJsonValue value = horse.value(QLatin1String(field));
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || number < std::numeric_limits<int16_t>::min() ||
        number > std::numeric_limits<int16_t>::max())
        throw ToolError{QStringLiteral("line %1: \"%2\" must be a whole number from -32768 to 32767").arg(line).arg(field)};
    return static_cast<int16_t>(number);
}

UmaEntry HorseOf(const QByteArray& text, int line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!document.isObject()) throw ToolError{QStringLiteral("line %1: not a JSON object").arg(line)};
    const QJsonObject json = document.object();
    if (!json.value(QStringLiteral("name")).isString())
        throw ToolError{QStringLiteral("line %1: \"name\" must be text").arg(line)};
    UmaEntry horse;
    horse.name = json.value(QStringLiteral("name")).toString();
    horse.sex = Code(json, "sex", line);
    horse.coat = Code(json, "coat", line);
    horse.qua = Code(json, "qua", line);
    horse.spe = Code(json, "spe", line);
    horse.sta = Code(json, "sta", line);
    horse.spi = Code(json, "spi", line);
    horse.teki = Code(json, "teki", line);
    horse.dart = Code(json, "dart", line);
    return horse;
}

}  // namespace

void EnterHorsesFromJson(const QString& path)
{
    std::size_t gate = 0;
    int line = 0;
    for (const QByteArray& text : ReadAll(path).split('\n')) {
        ++line;
        if (text.trimmed().isEmpty()) continue;
        if (gate == kGateCount) throw ToolError{QStringLiteral("%1: more than eight horses").arg(path)};
        game.umaEntry[gate++] = HorseOf(text, line);
    }
    if (gate != kGateCount) throw ToolError{QStringLiteral("%1: %2 horses, a race needs eight").arg(path).arg(gate)};
}

void EnterHorsesFromPictures(const QStringList& pictures)
{
    for (int16_t gate = 0; gate < kGateCount; ++gate) {
        const QString& path = pictures[gate];
        try {
            GenerateHorse(gate, CanvasFromFile(path), HorseNameFromFile(path));
        } catch (const GenerationError& error) {
            throw ToolError{QStringLiteral("%1: %2").arg(path, QString::fromStdString(error.what()))};
        }
    }
}

}  // namespace kestrova::tool
