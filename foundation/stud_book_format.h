#pragma once
// The stud-book file format: fixed-length records of scrambled UTF-16LE text,
// each followed by a check byte. The reader and the packer share these rules.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kestrova {

constexpr int16_t kStallionFile = 0;  // UMA1.dat
constexpr int16_t kMareFile = 1;      // UMA2.dat
constexpr int16_t kAncestorFile = 2;  // UMA3.dat
constexpr int kStudBookFileCount = 3;
constexpr int kMaxRecordFields = 11;

struct StudBookLayout {
    const char* fileName;
    int recordLength;  // payload plus the check byte
    int payloadUnits;  // UTF-16 code units
};

// fileNo is one of the three file numbers above.
const StudBookLayout& LayoutOf(int16_t fileNo);

// XOR with the key stream; applying it twice gives the bytes back.
void UnscrambleRecord(QByteArray& payload);

// The sum of the stored (scrambled) payload bytes, modulo 256.
uint8_t CheckByte(const QByteArray& payload);

// The text before its first U+0000 unit.
QString DecodePayload(const QByteArray& unscrambled);

// Fields separated by ","; a text ending in "," has one more, empty, field.
QStringList SplitFields(const QString& text);

// One stored record of the file, or nothing when the text does not fit its payload.
std::optional<QByteArray> PackRecord(int16_t fileNo, const QString& text);

}  // namespace kestrova
