#include "race/window_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace kestrova {

void ProcessWindowEvents(uint32_t msUntilDue)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (msUntilDue == 0) return;
    // The timer is the event that ends the wait when nothing else comes.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(std::chrono::milliseconds(msUntilDue));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace kestrova
