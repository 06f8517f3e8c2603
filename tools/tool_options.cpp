#include "foundation/data_folder.h"
#include "tools/tool_command.h"
#include "tools/tool_error.h"

namespace kestrova::tool {

QString TakeOption(QStringList& arguments, const QString& name)
{
    const qsizetype at = arguments.indexOf(name);
    if (at < 0) return {};
    if (at + 1 >= arguments.size()) throw ToolError{QStringLiteral("%1 needs a value").arg(name)};
    const QString value = arguments[at + 1];
    arguments.remove(at, 2);
    return value;
}

bool TakeFlag(QStringList& arguments, const QString& name) { return arguments.removeAll(name) > 0; }

void TakeDataFolderOption(QStringList& arguments) { SetDataFolder(TakeOption(arguments, QStringLiteral("--data"))); }

}  // namespace kestrova::tool
