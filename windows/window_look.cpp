#include "windows/window_look.h"

#include <QFont>
#include <QPushButton>
#include <QWidget>

namespace kestrova {

void MakeFixedWindow(QWidget& window, const QString& caption, QSize clientSize)
{
    window.setWindowTitle(caption);
    window.setFixedSize(clientSize);
    window.setWindowFlags((window.windowFlags() | Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint) &
                          ~Qt::WindowMaximizeButtonHint);
}

void PaintBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void MakeWhiteButton(QPushButton& button)
{
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, Qt::white);
    button.setPalette(palette);
    button.setStyleSheet(QStringLiteral("QPushButton { background: white; border: 1px solid #707070; }"
                                        "QPushButton:pressed { background: #e0e0e0; }"));
}

QFont LegacyGothic(double pointSize, bool bold)
{
    QFont font(kLegacyGothic);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace kestrova
