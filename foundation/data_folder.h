#pragma once
// Where the stud-book files are found: the program's own folder, unless a test
// or the maintainer's tool points elsewhere.

#include <QString>

namespace kestrova {

QString ProgramFolder();

// An empty folder restores the program's own folder.
void SetDataFolder(const QString& folder);

QString DataFolder();

}  // namespace kestrova
