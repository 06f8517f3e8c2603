#pragma once
// A tab-separated UTF-8 table with a header line, as the stud-book sources are kept.

#include <QString>
#include <QStringList>

#include <vector>

namespace kestrova::tool {

struct TsvRow {
    int line;  // 1-based line of the source file
    QStringList cells;
};

struct TsvTable {
    QString path;
    QStringList header;
    std::vector<TsvRow> rows;

    // Throws ToolError when the header lacks the column.
    int Column(const QString& name) const;
    // "path:line: message", for errors that point a maintainer at a record.
    QString Where(const TsvRow& row) const;
};

// Throws ToolError for a missing file or a row whose cell count differs from the header's.
TsvTable ReadTsvTable(const QString& path);

}  // namespace kestrova::tool
