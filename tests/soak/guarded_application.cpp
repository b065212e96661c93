#include "tests/soak/guarded_application.h"

#include <exception>

namespace soak {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    // Both survive a receiver that its own handler deleted.
    const int type = event->type();
    const char* const target = receiver ? receiver->metaObject()->className() : "(none)";
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        escaped_ << QStringLiteral("event %1 to %2: %3").arg(type).arg(QString::fromUtf8(target), QString::fromUtf8(error.what()));
    } catch (...) {
        escaped_ << QStringLiteral("event %1 to %2: non-standard exception").arg(type).arg(QString::fromUtf8(target));
    }
    return false;
}

GuardedApplication* GuardedApplication::Instance() {
    return dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
}

}  // namespace soak
