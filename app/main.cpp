// Kestrova: the game's entry. Everything else happens in the windows' event handlers.

#include "foundation/window_protocol.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Kestrova"));
    kestrova::Main([&] { window.show(); });
    return application.exec();
}
