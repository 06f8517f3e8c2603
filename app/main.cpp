// Kestrova: the game's entry. Everything else happens in the windows' event handlers.

#include "foundation/fatal_error.h"
#include "foundation/window_protocol.h"
#include "race/race_hooks.h"
#include "race/window_event_pump.h"
#include "windows/frm_main.h"
#include "windows/gothic_fonts.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Lets the desktop tie the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrova.Kestrova"));
    kestrova::InstallGothicFonts();
    kestrova::SetFatalErrorReporter([](const QString& title, const QString& text) {
        QMessageBox::critical(nullptr, title, text);
    });
    kestrova::SetEventPump(kestrova::ProcessWindowEvents);
    kestrova::FrmMain frmMain;
    kestrova::Main([&] { frmMain.show(); });
    return application.exec();
}
