#include "windows/gothic_fonts.h"

#include "windows/window_look.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace kestrova {

void InstallGothicFonts()
{
    const QString gothic = QStringLiteral("IPAPGothic");
    QFont::insertSubstitution(kLegacyGothic, gothic);
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), gothic);
    QFont font(gothic);
    font.setPointSize(9);
    QApplication::setFont(font);
}

}  // namespace kestrova
