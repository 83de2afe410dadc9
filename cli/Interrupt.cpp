#include "cli/Interrupt.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int)
{
    g_interrupted = 1;
}

} // namespace

void InstallInterruptHandler()
{
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
}

bool Interrupted()
{
    return g_interrupted != 0;
}
