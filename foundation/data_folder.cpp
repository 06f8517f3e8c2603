#include "foundation/data_folder.h"

#include <QFileInfo>

namespace kestrova {
namespace {

QString& Override()
{
    static QString folder;
    return folder;
}

}  // namespace

// Read from the kernel, so it needs no application object and works from any caller.
QString ProgramFolder() { return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).absolutePath(); }

void SetDataFolder(const QString& folder) { Override() = folder; }

QString DataFolder() { return Override().isEmpty() ? ProgramFolder() : Override(); }

}  // namespace kestrova
