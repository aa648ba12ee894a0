#include "plugins/TVYRAInterfaceCounter.h"

#include <atomic>

namespace {
std::atomic<int> liveObjects{0};
}

TVYRAInterfaceCounter::TVYRAInterfaceCounter()
{
    ++liveObjects;
}

TVYRAInterfaceCounter::~TVYRAInterfaceCounter()
{
    --liveObjects;
}

int TVYRAInterfaceCounter::Live()
{
    return liveObjects.load();
}
