#pragma once
// The eight horses of a race for "kestrova-tool race".

#include <QString>
#include <QStringList>

namespace kestrova::tool {

// Enters the horses of a file (or "-" for standard input) holding eight JSON objects,
// one a line, as "kestrova-tool horse" prints them. Throws ToolError.
void EnterHorsesFromJson(const QString& path);

// Enters the horses that eight pictures make, gate by gate, as drops would. Throws ToolError.
void EnterHorsesFromPictures(const QStringList& pictures);

}  // namespace kestrova::tool
