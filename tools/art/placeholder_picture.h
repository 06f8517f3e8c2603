#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace art {

inline constexpr int kPlaceholderColours = 16;

// The gates' placeholder, 127 x 125: the paragraphs in grey on white, wrapped to the width,
// reduced to at most kPlaceholderColours colours. Needs a running QGuiApplication for the font.
QImage renderPlaceholder(const std::vector<QString>& paragraphs, const QString& fontFile);

}  // namespace art
