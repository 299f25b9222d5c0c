#include "cli/Interruption.h"

#include <csignal>
#include <initializer_list>

namespace Interruption
{
namespace
{
volatile std::sig_atomic_t signalled = 0;

extern "C" void noteSignal (int)
{
    signalled = 1;
}
} // namespace

void watchForSignals()
{
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset (&action.sa_mask);

    for (const auto signalNumber : { SIGINT, SIGTERM, SIGHUP })
        sigaction (signalNumber, &action, nullptr);
}

bool requested() noexcept
{
    return signalled != 0;
}

void forget() noexcept
{
    signalled = 0;
}
} // namespace Interruption
