#include "foundation/text_helpers.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace kestrova {
namespace {

template <std::size_t N>
QString Lookup(const std::array<const char16_t*, N>& table, int16_t code)
{
    if (code < 0 || static_cast<std::size_t>(code) >= N) return {};
    return QString::fromUtf16(table[static_cast<std::size_t>(code)]);
}

}  // namespace

QString SeiStr(int16_t sex)
{
    static constexpr std::array<const char16_t*, 3> words = {u"牡", u"牝", u"\uFF7E\uFF9D"};
    return Lookup(words, sex);
}

QString KeiStr(int16_t coat)
{
    static constexpr std::array<const char16_t*, 8> words = {
        u"鹿毛", u"栗毛", u"黒鹿毛", u"芦毛", u"栃栗毛", u"青鹿毛", u"青毛", u"白毛"};
    return Lookup(words, coat);
}

QString LeftByByte(const QString& text, int32_t maxBytes)
{
    QStringEncoder encode("Shift_JIS");
    QByteArray bytes = encode(text);
    const qsizetype n = std::clamp<qsizetype>(maxBytes, 0, bytes.size());
    bytes.truncate(n);
    QStringDecoder decode("Shift_JIS");
    return decode(bytes);
}

QString CutExt(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QChar(u'.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

bool TickOver(int32_t earlier, int32_t later, int32_t wait)
{
    const uint32_t elapsed = static_cast<uint32_t>(later) - static_cast<uint32_t>(earlier);
    return elapsed > static_cast<uint32_t>(wait);
}

}  // namespace kestrova
