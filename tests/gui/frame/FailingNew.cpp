// The test program's own operator new, so a test can make one allocation fail (the shipped program
// keeps the run time's).
#include "frame/FailingNew.h"

#include <cstdlib>
#include <new>

namespace frametest {

namespace {

std::size_t g_nFailSize = 0;

} // namespace

void FailNextAllocationOf(std::size_t nSize)
{
    g_nFailSize = nSize;
}

} // namespace frametest

void* operator new(std::size_t nSize)
{
    if (nSize != 0 && nSize == frametest::g_nFailSize) {
        frametest::g_nFailSize = 0;
        throw std::bad_alloc();
    }
    void* p = std::malloc(nSize != 0 ? nSize : 1);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
