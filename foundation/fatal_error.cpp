#include "foundation/fatal_error.h"

#include "foundation/program_end.h"

#include <cstdio>

namespace kestrova {
namespace {

void WriteToStandardError(const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(QString(text).replace("\r\n", " ")));
}

FatalErrorReporter& Reporter()
{
    static FatalErrorReporter reporter = WriteToStandardError;
    return reporter;
}

}  // namespace

void SetFatalErrorReporter(FatalErrorReporter reporter)
{
    Reporter() = reporter ? std::move(reporter) : WriteToStandardError;
}

void RaiseFatalError()
{
    Reporter()(kFatalErrorTitle, kFatalErrorText);
    EndProgram(kFatalErrorStatus);
    throw ProgramEnded{kFatalErrorStatus};
}

}  // namespace kestrova
