#include "foundation/tick_counter.h"

#include <chrono>

namespace kestrova {
namespace {

TickSource& Source()
{
    static TickSource source = RealTickCount;
    return source;
}

}  // namespace

uint32_t RealTickCount()
{
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SetTickSource(TickSource source) { Source() = source ? std::move(source) : RealTickCount; }

uint32_t GetTickCount() { return Source()(); }

}  // namespace kestrova
