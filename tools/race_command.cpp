#include "tools/tool_command.h"
#include "tools/tool_error.h"

namespace kestrova::tool {
namespace {

int Run(const QStringList&) { throw ToolError{QStringLiteral("race: not available yet")}; }

}  // namespace

const ToolCommand& RaceCommand()
{
    static const ToolCommand command{"race", "kestrova-tool race ...\n", Run};
    return command;
}

}  // namespace kestrova::tool
