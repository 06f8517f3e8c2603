#include "tools/stud_book_source.h"

#include "foundation/stud_book_format.h"
#include "tools/tool_error.h"

#include <QDir>
#include <QSet>

#include <limits>

namespace kestrova::tool {
namespace {

struct PackedColumns {
    int16_t fileNo;
    QString counter;  // the column that numbers the records, checked to run without gaps
    int counterStart;
    QStringList packed;
    QStringList wide;  // 32-bit record numbers; every other numeric column is 16-bit
    QStringList text;
};

const std::array<PackedColumns, 3>& Layouts()
{
    static const std::array<PackedColumns, 3> layouts = {{
        {kStallionFile, "index", 0,
         {"name", "spe", "sta", "spi", "range", "seed", "no", "kei", "quaType", "dartType"}, {"no"}, {"name"}},
        {kMareFile, "index", 0, {"name", "spe", "sta", "spi", "range", "seed", "no", "kei"}, {"no"}, {"name"}},
        {kAncestorFile, "no", 1, {"name", "name2", "sire", "dam"}, {"sire", "dam"}, {"name", "name2"}},
    }};
    return layouts;
}

[[noreturn]] void Fail(const TsvTable& table, const TsvRow& row, const QString& message)
{
    throw ToolError{table.Where(row) + QStringLiteral(": ") + message};
}

int64_t Integer(const TsvTable& table, const TsvRow& row, const QString& column)
{
    bool ok = false;
    const QString cell = row.cells[table.Column(column)];
    const int64_t value = cell.toLongLong(&ok);
    if (!ok) Fail(table, row, QStringLiteral("%1 \"%2\" is not a number").arg(column, cell));
    return value;
}

void CheckCell(const TsvTable& table, const TsvRow& row, const PackedColumns& layout, const QString& column)
{
    const QString cell = row.cells[table.Column(column)];
    if (cell.contains(QChar(u','))) Fail(table, row, QStringLiteral("%1 holds a comma").arg(column));
    if (layout.text.contains(column)) return;
    const int64_t value = Integer(table, row, column);
    const bool wide = layout.wide.contains(column);
    const int64_t low = wide ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int16_t>::min();
    const int64_t high = wide ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int16_t>::max();
    if (value < low || value > high) Fail(table, row, QStringLiteral("%1 %2 is out of range").arg(column).arg(value));
}

QByteArray PackTable(const TsvTable& table, const PackedColumns& layout)
{
    QByteArray bytes;
    int expected = layout.counterStart;
    for (const TsvRow& row : table.rows) {
        if (Integer(table, row, layout.counter) != expected)
            Fail(table, row, QStringLiteral("%1 should be %2").arg(layout.counter).arg(expected));
        ++expected;
        QStringList fields;
        for (const QString& column : layout.packed) {
            CheckCell(table, row, layout, column);
            fields.append(row.cells[table.Column(column)]);
        }
        const std::optional<QByteArray> record = PackRecord(layout.fileNo, fields.join(QChar(u',')));
        if (!record)
            Fail(table, row, QStringLiteral("the record does not fit its %1 UTF-16 units")
                                 .arg(LayoutOf(layout.fileNo).payloadUnits));
        bytes.append(*record);
    }
    return bytes;
}

struct Ancestor {
    QString name;
    QString sex;
    int64_t year;
};

std::vector<Ancestor> RegisterOf(const TsvTable& a)
{
    std::vector<Ancestor> all;
    for (const TsvRow& row : a.rows)
        all.push_back({row.cells[a.Column("name")], row.cells[a.Column("sex")], Integer(a, row, "year")});
    return all;
}

// Parents exist, are of the right sex and older by 3 to 25 years; years rising from
// parent to child also rule out anyone being their own ancestor.
void CheckParent(const TsvTable& a, const TsvRow& row, const std::vector<Ancestor>& all, const QString& column,
                 const QString& sex)
{
    const int64_t parent = Integer(a, row, column);
    if (parent == 0) return;
    if (parent < 0 || parent > static_cast<int64_t>(all.size()))
        Fail(a, row, QStringLiteral("%1 %2 is not in the register").arg(column).arg(parent));
    const Ancestor& p = all[static_cast<std::size_t>(parent - 1)];
    if (p.sex != sex) Fail(a, row, QStringLiteral("%1 %2 is not %3").arg(column).arg(parent).arg(sex));
    const int64_t gap = Integer(a, row, "year") - p.year;
    if (gap < 3 || gap > 25) Fail(a, row, QStringLiteral("%1 %2 is %3 years older").arg(column).arg(parent).arg(gap));
}

void CheckNamesDistinct(const TsvTable& a)
{
    QSet<QString> seen;
    for (const TsvRow& row : a.rows) {
        for (const QString& column : {QStringLiteral("name"), QStringLiteral("name2")}) {
            const QString name = row.cells[a.Column(column)];
            if (name.isEmpty() && column == QStringLiteral("name2")) continue;
            if (name.isEmpty()) Fail(a, row, QStringLiteral("the name is empty"));
            if (seen.contains(name)) Fail(a, row, QStringLiteral("the name %1 is used twice").arg(name));
            seen.insert(name);
        }
    }
}

void CheckRegister(const TsvTable& a)
{
    const std::vector<Ancestor> all = RegisterOf(a);
    for (const TsvRow& row : a.rows) {
        const QString sex = row.cells[a.Column("sex")];
        if (sex != QStringLiteral("牡") && sex != QStringLiteral("牝")) Fail(a, row, QStringLiteral("sex must be 牡 or 牝"));
        CheckParent(a, row, all, "sire", QStringLiteral("牡"));
        CheckParent(a, row, all, "dam", QStringLiteral("牝"));
    }
    CheckNamesDistinct(a);
}

// A stallion or mare is a register record of the right sex and the same name.
void CheckEntered(const TsvTable& table, const TsvTable& a, const QString& sex)
{
    const std::vector<Ancestor> all = RegisterOf(a);
    for (const TsvRow& row : table.rows) {
        const int64_t no = Integer(table, row, "no");
        if (no < 1 || no > static_cast<int64_t>(all.size()))
            Fail(table, row, QStringLiteral("no %1 is not in the register").arg(no));
        const Ancestor& self = all[static_cast<std::size_t>(no - 1)];
        if (self.sex != sex) Fail(table, row, QStringLiteral("register record %1 is not %2").arg(no).arg(sex));
        if (self.name != row.cells[table.Column("name")])
            Fail(table, row, QStringLiteral("the register names record %1 %2").arg(no).arg(self.name));
    }
}

}  // namespace

StudBookSource LoadStudBookSource(const QString& folder)
{
    const QDir dir(folder);
    return {ReadTsvTable(dir.filePath("stallions.tsv")), ReadTsvTable(dir.filePath("mares.tsv")),
            ReadTsvTable(dir.filePath("ancestors.tsv"))};
}

std::array<QByteArray, 3> PackStudBook(const StudBookSource& source)
{
    const std::array<const TsvTable*, 3> tables = {&source.stallions, &source.mares, &source.ancestors};
    std::array<QByteArray, 3> files;
    for (std::size_t i = 0; i < files.size(); ++i) files[i] = PackTable(*tables[i], Layouts()[i]);
    CheckRegister(source.ancestors);
    CheckEntered(source.stallions, source.ancestors, QStringLiteral("牡"));
    CheckEntered(source.mares, source.ancestors, QStringLiteral("牝"));
    return files;
}

}  // namespace kestrova::tool
