#pragma once
// The words of Japanese racing for a margin, and the text of a course.

#include <QString>

#include <cstdint>

namespace kestrova {

// A horse length, in course units.
constexpr int32_t kHorseLength = 47;

// A margin in course units as "同着", "ハナ", "アタマ", "首", "1/4", "1/2", "3/4",
// a number of lengths followed by "馬身", or "大差".
QString ChakusaText(int32_t d);

// The surface word, the distance in metres, and "m": "芝1200m", "ダート2000m".
QString CourseText(int16_t distance, int16_t dirt);

}  // namespace kestrova
