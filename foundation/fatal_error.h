#pragma once
// The stud-book reader's only answer to a failure: a fixed message, then the end of the program.

#include <QString>

#include <functional>

namespace kestrova {

inline const QString kFatalErrorTitle = QStringLiteral("実行エラー");
inline const QString kFatalErrorText = QStringLiteral("予期せぬエラーが発生しました。\r\n強制終了します。");
constexpr int kFatalErrorStatus = 1;

// Shows (or prints, or records) the title and the text.
using FatalErrorReporter = std::function<void(const QString& title, const QString& text)>;

// An empty reporter restores the default, which writes to standard error.
void SetFatalErrorReporter(FatalErrorReporter reporter);

// Thrown when the program-end hook returns, so that no further code of the reader runs.
struct ProgramEnded {
    int status;
};

// Reports the fatal error, then ends the program; never returns.
[[noreturn]] void RaiseFatalError();

}  // namespace kestrova
