#pragma once

#include "tools/art/art_source.h"

#include <QString>

namespace art {

// Enlarged sheets and a mock race view per surface, for judging the art by eye.
void writePreviews(const ArtSource& source, const QString& folder);

}  // namespace art
