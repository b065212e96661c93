#pragma once

#include <QApplication>
#include <QStringList>

namespace soak {

// The application object of the soak. An exception that escapes an event
// handler would otherwise unwind through Qt's event loop, which Qt does not
// survive; here it is caught at the last possible place and recorded, so the
// soak can fail with its text instead of crashing somewhere later.
class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // What escaped an event handler so far, one line each.
    const QStringList& EscapedExceptions() const { return escaped_; }

    static GuardedApplication* Instance();

private:
    QStringList escaped_;
};

}  // namespace soak
