#pragma once
// The stud book as its maintainer keeps it: three TSV tables, packed into the three
// scrambled files that the game reads.

#include "tools/tsv_table.h"

#include <QByteArray>

#include <array>

namespace kestrova::tool {

struct StudBookSource {
    TsvTable stallions;  // stallions.tsv -> UMA1.dat
    TsvTable mares;      // mares.tsv -> UMA2.dat
    TsvTable ancestors;  // ancestors.tsv -> UMA3.dat
};

StudBookSource LoadStudBookSource(const QString& folder);

// The bytes of UMA1.dat, UMA2.dat and UMA3.dat. Throws ToolError naming the source
// line of a record that does not fit, holds a comma, or breaks the register's rules.
std::array<QByteArray, 3> PackStudBook(const StudBookSource& source);

}  // namespace kestrova::tool
