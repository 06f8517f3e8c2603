#include "tools/tool_command.h"
#include "tools/tool_error.h"

namespace kestrova::tool {
namespace {

int Run(const QStringList&) { throw ToolError{QStringLiteral("horse: not available yet")}; }

}  // namespace

const ToolCommand& HorseCommand()
{
    static const ToolCommand command{"horse", "kestrova-tool horse ...\n", Run};
    return command;
}

}  // namespace kestrova::tool
