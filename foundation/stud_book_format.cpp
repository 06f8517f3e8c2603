#include "foundation/stud_book_format.h"

#include <array>

namespace kestrova {
namespace {

constexpr std::array<StudBookLayout, kStudBookFileCount> kLayouts = {{
    {"UMA1.dat", 81, 40},
    {"UMA2.dat", 65, 32},
    {"UMA3.dat", 71, 35},
}};

constexpr char kKey[] = "MarblePondWhistle";
constexpr int kKeyLength = sizeof kKey - 1;
constexpr int kKeyOffset = 28;

uint8_t KeyByte(int j)
{
    if (j % 2 != 0) return kKeyOffset;
    return static_cast<uint8_t>(kKey[(j / 2) % kKeyLength] - kKeyOffset);
}

}  // namespace

const StudBookLayout& LayoutOf(int16_t fileNo) { return kLayouts.at(static_cast<std::size_t>(fileNo)); }

void UnscrambleRecord(QByteArray& payload)
{
    for (int j = 0; j < payload.size(); ++j) payload[j] = static_cast<char>(static_cast<uint8_t>(payload[j]) ^ KeyByte(j));
}

uint8_t CheckByte(const QByteArray& payload)
{
    unsigned sum = 0;
    for (char byte : payload) sum += static_cast<uint8_t>(byte);
    return static_cast<uint8_t>(sum % 256);
}

QString DecodePayload(const QByteArray& unscrambled)
{
    QString text;
    for (qsizetype i = 0; i + 1 < unscrambled.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<uint8_t>(unscrambled[i]) |
                                                    (static_cast<uint8_t>(unscrambled[i + 1]) << 8));
        if (unit == 0) break;
        text.append(QChar(unit));
    }
    return text;
}

QStringList SplitFields(const QString& text)
{
    // Each "," of the text with one "," appended closes a field: exactly what split gives.
    return text.split(QChar(u','));
}

std::optional<QByteArray> PackRecord(int16_t fileNo, const QString& text)
{
    const StudBookLayout& layout = LayoutOf(fileNo);
    if (text.size() > layout.payloadUnits || text.contains(QChar(u'\0'))) return std::nullopt;
    QByteArray payload(layout.recordLength - 1, '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        payload[2 * i] = static_cast<char>(unit & 0xFF);
        payload[2 * i + 1] = static_cast<char>(unit >> 8);
    }
    UnscrambleRecord(payload);
    payload.append(static_cast<char>(CheckByte(payload)));
    return payload;
}

}  // namespace kestrova
