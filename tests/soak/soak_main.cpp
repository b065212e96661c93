#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "tests/soak/guarded_application.h"

int RunSoakTests(int argc, char** argv);

namespace {

// Whatever ends the process through std::terminate says so first, so that a
// soak run that dies shows why.
[[noreturn]] void ReportTermination() {
    std::fputs("soak: std::terminate called", stderr);
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& error) {
            std::fprintf(stderr, " with an exception: %s", error.what());
        } catch (...) {
            std::fputs(" with a non-standard exception", stderr);
        }
    }
    std::fputs("\n", stderr);
    std::fflush(stderr);
    std::abort();
}

}  // namespace

int main(int argc, char** argv) {
    std::set_terminate(ReportTermination);
    soak::GuardedApplication application(argc, argv);
    // The look the programs themselves run with.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    return RunSoakTests(argc, argv);
}
