#include "foundation/stud_book_reader.h"

#include "foundation/data_folder.h"
#include "foundation/fatal_error.h"
#include "foundation/game_state.h"
#include "foundation/stud_book_format.h"

#include <QDir>
#include <QFile>

#include <limits>

namespace kestrova {
namespace {

QByteArray ReadRecordBytes(int16_t fileNo, int32_t recordIndex)
{
    const StudBookLayout& layout = LayoutOf(fileNo);
    QFile file(QDir(DataFolder()).filePath(QString::fromLatin1(layout.fileName)));
    if (recordIndex < 0 || !file.open(QIODevice::ReadOnly)) RaiseFatalError();
    if (!file.seek(static_cast<qint64>(recordIndex) * layout.recordLength)) RaiseFatalError();
    QByteArray record = file.read(layout.recordLength);
    if (record.size() != layout.recordLength) RaiseFatalError();
    return record;
}

// Plain decimal digits with an optional leading minus sign, nothing else.
template <typename Int>
Int ToInteger(const QStringList& fields, int index)
{
    if (index >= fields.size()) RaiseFatalError();
    const QString& text = fields[index];
    const bool negative = text.startsWith(QChar(u'-'));
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty() || digits.size() > 10) RaiseFatalError();
    int64_t value = 0;
    for (QChar c : digits) {
        if (c < QChar(u'0') || c > QChar(u'9')) RaiseFatalError();
        value = value * 10 + (c.unicode() - u'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) RaiseFatalError();
    return static_cast<Int>(value);
}

QString TextField(const QStringList& fields, int index) { return index < fields.size() ? fields[index] : QString(); }

void StoreStallion(const QStringList& f, StudBookBuffers& b)
{
    StudBookBuffers n = b;
    n.uma1Name = TextField(f, 0);
    n.uma1Spe = ToInteger<int16_t>(f, 1);
    n.uma1Sta = ToInteger<int16_t>(f, 2);
    n.uma1Spi = ToInteger<int16_t>(f, 3);
    n.uma1Range = ToInteger<int16_t>(f, 4);
    n.uma1Seed = ToInteger<int16_t>(f, 5);
    n.uma1No = ToInteger<int32_t>(f, 6);
    n.uma1Kei = ToInteger<int16_t>(f, 7);
    n.uma1QuaType = ToInteger<int16_t>(f, 8);
    n.uma1DartType = ToInteger<int16_t>(f, 9);
    b = n;
}

void StoreMare(const QStringList& f, StudBookBuffers& b)
{
    StudBookBuffers n = b;
    n.uma2Name = TextField(f, 0);
    n.uma2Spe = ToInteger<int16_t>(f, 1);
    n.uma2Sta = ToInteger<int16_t>(f, 2);
    n.uma2Spi = ToInteger<int16_t>(f, 3);
    n.uma2Range = ToInteger<int16_t>(f, 4);
    n.uma2Seed = ToInteger<int16_t>(f, 5);
    n.uma2No = ToInteger<int32_t>(f, 6);
    n.uma2Kei = ToInteger<int16_t>(f, 7);
    b = n;
}

void StoreAncestor(const QStringList& f, StudBookBuffers& b)
{
    b.uma3Name = TextField(f, 0);
    b.uma3Name2 = TextField(f, 1);
    b.uma3FNo = TextField(f, 2);
    b.uma3MNo = TextField(f, 3);
}

}  // namespace

void ReadStudBook(int16_t fileNo, int32_t recordIndex)
{
    const QByteArray record = ReadRecordBytes(fileNo, recordIndex);
    QByteArray payload = record.first(record.size() - 1);
    if (CheckByte(payload) != static_cast<uint8_t>(record.back())) RaiseFatalError();
    UnscrambleRecord(payload);
    const QStringList fields = SplitFields(DecodePayload(payload));
    if (fields.size() > kMaxRecordFields) RaiseFatalError();

    // Fields are converted before any buffer changes, so a failure leaves the buffers whole.
    StudBookBuffers& buffers = game.studBook;
    if (fileNo == kStallionFile) StoreStallion(fields, buffers);
    else if (fileNo == kMareFile) StoreMare(fields, buffers);
    else StoreAncestor(fields, buffers);
}

}  // namespace kestrova
