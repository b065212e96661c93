#include "tests/soak/resident_memory.h"

#include <QtGlobal>

#include <charconv>
#include <fstream>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace soak {

void ReleaseFreeHeap() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

std::optional<long long> ResidentKiB() {
#ifdef Q_OS_LINUX
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (!line.starts_with("VmRSS:")) {
            continue;
        }
        const std::size_t digits = line.find_first_of("0123456789");
        if (digits == std::string::npos) {
            return std::nullopt;
        }
        long long kib = 0;
        const char* begin = line.data() + digits;
        const auto [end, error] = std::from_chars(begin, line.data() + line.size(), kib);
        if (error != std::errc{} || end == begin) {
            return std::nullopt;
        }
        return kib;
    }
#endif
    return std::nullopt;
}

}  // namespace soak
