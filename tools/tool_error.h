#pragma once
// A failure of the maintainer's tool: printed on standard error, exit status 2.

#include <QString>

namespace kestrova::tool {

constexpr int kToolErrorStatus = 2;

struct ToolError {
    QString message;
};

}  // namespace kestrova::tool
