#pragma once
// The words for the sex and coat codes, the file-name-to-horse-name conversions
// and the race pacing test.

#include <QString>

#include <cstdint>

namespace kestrova {

QString SeiStr(int16_t sex);
QString KeiStr(int16_t coat);

// Cuts text to at most maxBytes bytes of Shift_JIS; the text passes through the
// code page both ways, so a character Shift_JIS lacks comes back as "?".
QString LeftByByte(const QString& text, int32_t maxBytes);

// The file name before its last full stop (U+002E); a name without one, whole.
QString CutExt(const QString& fileName);

// True when later - earlier exceeds wait. The difference is taken modulo 2^32,
// so a wrap of the counter between the two readings changes nothing.
bool TickOver(int32_t earlier, int32_t later, int32_t wait);

}  // namespace kestrova
