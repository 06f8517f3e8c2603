#include "tools/grid_file.h"

#include "tools/tool_error.h"

#include <QFile>
#include <QRegularExpression>

namespace kestrova::tool {
namespace {

constexpr uint32_t kMaxColour = 0x00FFFFFF;

uint32_t ParseColour(const QString& word, const QString& where)
{
    QString digits = word;
    if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) digits.remove(0, 2);
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok || digits.isEmpty() || value > kMaxColour)
        throw ToolError{QStringLiteral("%1: \"%2\" is not a colour 0..FFFFFF").arg(where, word)};
    return value;
}

}  // namespace

ColourGrid ParseGrid(const QString& text, const QString& source)
{
    QStringList lines = text.split(QChar(u'\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    if (lines.size() != kCanvasSize)
        throw ToolError{QStringLiteral("%1: %2 lines, not %3").arg(source).arg(lines.size()).arg(kCanvasSize)};
    static const QRegularExpression separators(QStringLiteral("[\\s,]+"));
    ColourGrid grid;
    for (int y = 0; y < kCanvasSize; ++y) {
        const QString where = QStringLiteral("%1:%2").arg(source).arg(y + 1);
        const QStringList words = lines[y].split(separators, Qt::SkipEmptyParts);
        if (words.size() != kCanvasSize)
            throw ToolError{QStringLiteral("%1: %2 values, not %3").arg(where).arg(words.size()).arg(kCanvasSize)};
        for (int x = 0; x < kCanvasSize; ++x) grid.Set(x, y, ParseColour(words[x], where));
    }
    return grid;
}

ColourGrid ReadGridFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) throw ToolError{QStringLiteral("%1: cannot open").arg(path)};
    return ParseGrid(QString::fromUtf8(file.readAll()), path);
}

QStringList GridLines(const ColourGrid& grid)
{
    QStringList lines;
    for (int y = 0; y < kCanvasSize; ++y) {
        QStringList values;
        for (int x = 0; x < kCanvasSize; ++x) values << QStringLiteral("%1").arg(grid.At(x, y), 6, 16, QChar(u'0'));
        lines << values.join(QChar(u' '));
    }
    return lines;
}

}  // namespace kestrova::tool
