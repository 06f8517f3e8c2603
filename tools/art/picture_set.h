#pragma once

#include "tools/art/art_source.h"

#include <QImage>
#include <QString>

#include <vector>

namespace art {

struct NamedPicture {
    QString fileName;
    QImage picture;
};

// Every race picture under the file name the game's resources give it.
std::vector<NamedPicture> renderRacePictures(const ArtSource& source);

inline const QString kPlaceholderFileName = QStringLiteral("gate_placeholder.png");

}  // namespace art
