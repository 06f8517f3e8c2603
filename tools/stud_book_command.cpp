#include "foundation/data_folder.h"
#include "foundation/stud_book_format.h"
#include "tools/inbreeding_stats.h"
#include "tools/stud_book_source.h"
#include "tools/tool_command.h"
#include "tools/tool_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace kestrova::tool {
namespace {

const char* const kUsage =
    "kestrova-tool studbook pack [--source DIR] [--out DIR]\n"
    "    Packs stallions.tsv, mares.tsv and ancestors.tsv of DIR (default: the source\n"
    "    tree's data folder) into UMA1.dat, UMA2.dat and UMA3.dat in --out (default: DIR).\n"
    "kestrova-tool studbook dump FILE\n"
    "    Prints every record of a UMA1.dat, UMA2.dat or UMA3.dat file, decoded, one line\n"
    "    a record: the record index, a tab, the record's fields as stored.\n"
    "kestrova-tool studbook stats [--data DIR]\n"
    "    Builds the pedigree of every stallion with every mare of the stud-book files\n"
    "    in DIR (default: beside the program) and prints the inbreeding figures with\n"
    "    their targets; exit status 1 when a target is missed.\n";

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw ToolError{QStringLiteral("%1: cannot write").arg(path)};
}

int Pack(QStringList arguments)
{
    QString source = TakeOption(arguments, "--source");
    if (source.isEmpty()) source = QStringLiteral(KESTROVA_SOURCE_DATA_DIR);
    QString out = TakeOption(arguments, "--out");
    if (out.isEmpty()) out = source;
    const std::array<QByteArray, 3> files = PackStudBook(LoadStudBookSource(source));
    for (int16_t fileNo = 0; fileNo < kStudBookFileCount; ++fileNo) {
        const QString path = QDir(out).filePath(QString::fromLatin1(LayoutOf(fileNo).fileName));
        WriteFile(path, files[static_cast<std::size_t>(fileNo)]);
        std::printf("%s: %lld records\n", qUtf8Printable(path),
                    static_cast<long long>(files[static_cast<std::size_t>(fileNo)].size() / LayoutOf(fileNo).recordLength));
    }
    return 0;
}

int16_t FileNoOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName().toUpper();
    for (int16_t fileNo = 0; fileNo < kStudBookFileCount; ++fileNo)
        if (name == QString::fromLatin1(LayoutOf(fileNo).fileName).toUpper()) return fileNo;
    throw ToolError{QStringLiteral("%1: not UMA1.dat, UMA2.dat or UMA3.dat").arg(path)};
}

int Dump(const QStringList& arguments)
{
    if (arguments.size() != 1) throw ToolError{QStringLiteral("dump takes one file")};
    const QString& path = arguments[0];
    const StudBookLayout& layout = LayoutOf(FileNoOf(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw ToolError{QStringLiteral("%1: cannot open").arg(path)};
    const QByteArray bytes = file.readAll();
    if (bytes.size() % layout.recordLength != 0)
        throw ToolError{QStringLiteral("%1: %2 bytes is not a whole number of %3-byte records")
                            .arg(path).arg(bytes.size()).arg(layout.recordLength)};
    for (qsizetype index = 0; index * layout.recordLength < bytes.size(); ++index) {
        QByteArray payload = bytes.mid(index * layout.recordLength, layout.recordLength - 1);
        if (CheckByte(payload) != static_cast<uint8_t>(bytes[(index + 1) * layout.recordLength - 1]))
            throw ToolError{QStringLiteral("%1: record %2 has a wrong check byte").arg(path).arg(index)};
        UnscrambleRecord(payload);
        std::printf("%lld\t%s\n", static_cast<long long>(index), qUtf8Printable(DecodePayload(payload)));
    }
    return 0;
}

int RecordCount(int16_t fileNo)
{
    const QFileInfo file(QDir(DataFolder()).filePath(QString::fromLatin1(LayoutOf(fileNo).fileName)));
    if (!file.exists()) throw ToolError{QStringLiteral("%1: missing").arg(file.filePath())};
    return static_cast<int>(file.size() / LayoutOf(fileNo).recordLength);
}

int Stats(QStringList arguments)
{
    TakeDataFolderOption(arguments);
    const InbreedingStats stats = MeasureInbreeding(RecordCount(kStallionFile), RecordCount(kMareFile));
    bool allMet = true;
    for (const StatTarget& target : TargetsOf(stats)) {
        std::printf("%-66s %7.1f  target %g..%g  %s\n", target.what, target.value, target.low,
                    std::min(target.high, 1e6), target.Met() ? "met" : "MISSED");
        allMet = allMet && target.Met();
    }
    return allMet ? 0 : 1;
}

int Run(const QStringList& arguments)
{
    const QString verb = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (verb == QStringLiteral("pack")) return Pack(rest);
    if (verb == QStringLiteral("dump")) return Dump(rest);
    if (verb == QStringLiteral("stats")) return Stats(rest);
    throw ToolError{QStringLiteral("studbook: unknown verb \"%1\"; see kestrova-tool help").arg(verb)};
}

}  // namespace

const ToolCommand& StudBookCommand()
{
    static const ToolCommand command{"studbook", kUsage, Run};
    return command;
}

}  // namespace kestrova::tool
