// libFuzzer entry of one target, chosen by FUZZ_TARGET_NAME at build time.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "fuzz/checks.h"
#include "fuzz/targets.h"

namespace {

const fuzz::Target& ThisTarget() {
    static const fuzz::Target* const target = fuzz::FindTarget(FUZZ_TARGET_NAME);
    if (target == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", FUZZ_TARGET_NAME);
        std::abort();
    }
    return *target;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        ThisTarget().run(bytes);
    } catch (const fuzz::CheckFailure& failure) {
        std::fprintf(stderr, "property broken: %s\n", failure.what());
        std::abort();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "unexpected exception: %s\n", e.what());
        std::abort();
    } catch (...) {
        std::fprintf(stderr, "unexpected exception of unknown type\n");
        std::abort();
    }
    return 0;
}
