#include "platform/ende.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {

void prozessEnde(int rc)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // Ends the process itself when it finds a leak.
    __lsan_do_leak_check();
#endif
    std::_Exit(rc);
}

} // namespace platform
