#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

namespace fw::fuzz {

void fail(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace fw::fuzz
