#include "run/run_clock.h"

#include <chrono>
#include <thread>

namespace tarnix {

std::int64_t SteadyRunClock::tickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyRunClock::sleep(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace tarnix
