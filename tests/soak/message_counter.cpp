#include "tests/soak/message_counter.h"

#include <QMutex>
#include <QMutexLocker>
#include <QString>

namespace soak {
namespace {

// Qt's message handler is a plain function, so what it counts lives here.
struct Tally {
    QMutex mutex;
    QtMessageHandler previous = nullptr;
    int warnings = 0;
    int criticals = 0;
    QStringList distinct;
};

Tally& TheTally() {
    static Tally tally;
    return tally;
}

void Count(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    Tally& tally = TheTally();
    QtMessageHandler previous = nullptr;
    bool repeated = false;
    {
        const QMutexLocker lock(&tally.mutex);
        previous = tally.previous;
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
            (type == QtWarningMsg ? tally.warnings : tally.criticals) += 1;
            const QString line = (type == QtWarningMsg ? QStringLiteral("warning: ")
                                                       : QStringLiteral("critical: ")) + message;
            repeated = tally.distinct.contains(line);
            if (!repeated) {
                tally.distinct << line;
            }
        }
    }
    // The offscreen platform repeats its few warnings on every page shown;
    // once each is enough to read. A fatal message always goes on.
    if (previous && (!repeated || type == QtFatalMsg)) {
        previous(type, context, message);
    }
}

}  // namespace

MessageCounter::MessageCounter() {
    Tally& tally = TheTally();
    const QMutexLocker lock(&tally.mutex);
    tally.warnings = 0;
    tally.criticals = 0;
    tally.distinct.clear();
    tally.previous = qInstallMessageHandler(Count);
}

MessageCounter::~MessageCounter() {
    Tally& tally = TheTally();
    QtMessageHandler previous = nullptr;
    {
        const QMutexLocker lock(&tally.mutex);
        previous = tally.previous;
        tally.previous = nullptr;
    }
    qInstallMessageHandler(previous);
}

int MessageCounter::Warnings() const {
    Tally& tally = TheTally();
    const QMutexLocker lock(&tally.mutex);
    return tally.warnings;
}

int MessageCounter::Criticals() const {
    Tally& tally = TheTally();
    const QMutexLocker lock(&tally.mutex);
    return tally.criticals;
}

QStringList MessageCounter::Distinct() const {
    Tally& tally = TheTally();
    const QMutexLocker lock(&tally.mutex);
    return tally.distinct;
}

}  // namespace soak
