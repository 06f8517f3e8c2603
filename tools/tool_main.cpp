// kestrova-tool: the maintainer's command line for the stud book, horses and races.

#include "foundation/fatal_error.h"
#include "foundation/program_end.h"
#include "tools/tool_command.h"
#include "tools/tool_error.h"

#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

using kestrova::tool::ToolCommand;

std::array<const ToolCommand*, 3> Commands()
{
    return {&kestrova::tool::StudBookCommand(), &kestrova::tool::HorseCommand(), &kestrova::tool::RaceCommand()};
}

int Help()
{
    std::printf("kestrova-tool COMMAND ...\n\n");
    for (const ToolCommand* command : Commands()) std::printf("%s\n", command->usage);
    return 0;
}

// A broken stud-book file ends the tool as it ends the game, but with a message and status 2.
void ReportFatalErrorsAsToolErrors()
{
    kestrova::SetFatalErrorReporter([](const QString& title, const QString& text) {
        std::fprintf(stderr, "kestrova-tool: %s: %s\n", qUtf8Printable(title),
                     qUtf8Printable(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "))));
    });
    kestrova::SetProgramEndHook([](int) {
        std::fflush(nullptr);
        std::_Exit(kestrova::tool::kToolErrorStatus);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    // Pictures are decoded through Qt's image plugins; no window is ever opened.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ReportFatalErrorsAsToolErrors();
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString name = arguments.isEmpty() ? QStringLiteral("help") : arguments.takeFirst();
    if (name == QStringLiteral("help") || name == QStringLiteral("--help")) return Help();
    try {
        for (const ToolCommand* command : Commands())
            if (name == QString::fromLatin1(command->name)) return command->run(arguments);
        throw kestrova::tool::ToolError{QStringLiteral("unknown command \"%1\"; see kestrova-tool help").arg(name)};
    } catch (const kestrova::tool::ToolError& error) {
        std::fprintf(stderr, "kestrova-tool: %s\n", qUtf8Printable(error.message));
        return kestrova::tool::kToolErrorStatus;
    }
}
