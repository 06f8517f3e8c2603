#include "race/margin_words.h"

#include <cmath>
#include <cstdlib>

namespace kestrova {

QString ChakusaText(int32_t d)
{
    // A gap between two horses has no direction: read a negative margin by its size
    // rather than let it fall through to a count of "0馬身" or fewer.
    const int64_t size = std::llabs(static_cast<int64_t>(d));
    if (size == 0) return QStringLiteral("同着");
    if (size <= 4) return QStringLiteral("ハナ");
    if (size <= 8) return QStringLiteral("アタマ");
    if (size <= 12) return QStringLiteral("首");
    if (size <= 19) return QStringLiteral("1/4");
    if (size <= 28) return QStringLiteral("1/2");
    if (size <= 36) return QStringLiteral("3/4");
    const double lengths = std::floor(static_cast<double>(size) / kHorseLength) + 1.0;
    if (lengths >= 10) return QStringLiteral("大差");
    return QString::number(static_cast<int>(lengths)) + QStringLiteral("馬身");
}

QString CourseText(int16_t distance, int16_t dirt)
{
    const QString surface = dirt == 0 ? QStringLiteral("芝") : QStringLiteral("ダート");
    return surface + QString::number(static_cast<int32_t>(distance) * 100) + QStringLiteral("m");
}

}  // namespace kestrova
