#include "tests/soak/soak_settings.h"

#include <QtGlobal>
#include <QString>

namespace soak {
namespace {

// The variable's value when it is set to a whole number, else fallback.
template <typename Number>
Number FromEnvironment(const char* name, Number fallback) {
    const QString text = qEnvironmentVariable(name).trimmed();
    if (text.isEmpty()) {
        return fallback;
    }
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 0);
    if (!ok) {
        qWarning("soak: ignoring %s=%s, not a whole number", name, qPrintable(text));
        return fallback;
    }
    return static_cast<Number>(value);
}

}  // namespace

Settings SettingsFromEnvironment() {
    Settings settings;
    if constexpr (kUnderAddressSanitizer) {
        // Everything runs several times slower there, and resident memory is
        // not checked; fewer page cycles still exercise the page lifetime.
        settings.pageCycles = 200;
    }
    settings.seed = FromEnvironment("SOAK_SEED", settings.seed);
    settings.actions = FromEnvironment("SOAK_ACTIONS", settings.actions);
    settings.seconds = FromEnvironment("SOAK_SECONDS", settings.seconds);
    settings.pageCycles = FromEnvironment("SOAK_CYCLES", settings.pageCycles);
    return settings;
}

}  // namespace soak
