#pragma once
// One sub-command of kestrova-tool.

#include <QStringList>

namespace kestrova::tool {

struct ToolCommand {
    const char* name;
    const char* usage;  // the help text, shown by "kestrova-tool help"
    int (*run)(const QStringList& arguments);
};

const ToolCommand& StudBookCommand();
const ToolCommand& HorseCommand();
const ToolCommand& RaceCommand();

// Takes "--name VALUE" out of the arguments; empty when absent. Throws ToolError when the value is missing.
QString TakeOption(QStringList& arguments, const QString& name);
// Takes "--name" out of the arguments; true when it was there.
bool TakeFlag(QStringList& arguments, const QString& name);

// Points the stud-book reader at "--data DIR" when given; the default is the program's folder.
void TakeDataFolderOption(QStringList& arguments);

}  // namespace kestrova::tool
