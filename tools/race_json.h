#pragma once
// A race as "kestrova-tool race" prints it: the prepared runners, the result, and with
// --trace the state after every step.

#include <QJsonArray>
#include <QJsonObject>

#include <vector>

namespace kestrova::tool {

// The race parameters of every gate as preparation left them.
QJsonArray PreparedRunnersJson();

// The course, the finishing order, the margins with their words and the number of steps.
QJsonObject RaceResultJson(const QJsonArray& runners);

// The state after the latest step, with the draws that step consumed.
QJsonObject StepJson(const std::vector<double>& draws);

}  // namespace kestrova::tool
