#include "tools/tsv_table.h"

#include "tools/tool_error.h"

#include <QFile>

namespace kestrova::tool {

int TsvTable::Column(const QString& name) const
{
    const int column = static_cast<int>(header.indexOf(name));
    if (column < 0) throw ToolError{QStringLiteral("%1: no column \"%2\"").arg(path, name)};
    return column;
}

QString TsvTable::Where(const TsvRow& row) const { return QStringLiteral("%1:%2").arg(path).arg(row.line); }

TsvTable ReadTsvTable(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ToolError{QStringLiteral("%1: cannot open").arg(path)};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QChar(u'\n'));
    TsvTable table{path, {}, {}};
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QChar(u'\r'))) line.chop(1);
        if (line.isEmpty()) continue;
        const QStringList cells = line.split(QChar(u'\t'));
        if (table.header.isEmpty()) {
            table.header = cells;
            continue;
        }
        TsvRow row{i + 1, cells};
        if (cells.size() != table.header.size())
            throw ToolError{QStringLiteral("%1: %2 cells, the header has %3")
                                .arg(table.Where(row))
                                .arg(cells.size())
                                .arg(table.header.size())};
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace kestrova::tool
