#include "ui/application.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "ui/memory.h"

namespace ui {
namespace {

// The program's title is the application name, set before the application
// object is made.
void PrintNoDisplay(const char* why) {
    std::fprintf(stderr, "%s: no graphical display available (%s)\n",
                 qPrintable(QCoreApplication::applicationName()), why);
}

// Qt ends a program that cannot open its display with a fatal message and an
// abort; this says so in one line and exits with status 1 instead.
void NoDisplayHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        if (message.contains(QLatin1String("platform plugin"))) {
            PrintNoDisplay("the window system cannot be reached");
        } else {
            std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(message));
        }
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (message.contains(QLatin1String("could not connect to display")) ||
        message.contains(QLatin1String("platform plugin"))) {
        return;  // the fatal message that follows says it once
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The reason there is no display, or nullptr when one may be there.
const char* MissingDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_ANDROID) && !defined(Q_OS_IOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return "DISPLAY is not set";
    }
#endif
    return nullptr;
}

}  // namespace

int RunProgram(int& argc, char** argv, const char* programTitle,
               const std::function<std::unique_ptr<QObject>()>& start) {
    KeepLargeAllocationsReturnable();
    std::setlocale(LC_ALL, "");
    // No application display name: Qt would append it to every title.
    QApplication::setApplicationName(QString::fromUtf8(programTitle));
    if (const char* why = MissingDisplay()) {
        PrintNoDisplay(why);
        return 1;
    }
    QtMessageHandler previous = qInstallMessageHandler(NoDisplayHandler);
    QApplication::setDesktopFileName(QString::fromUtf8(programTitle));
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    // Fusion draws buttons in their palette's colours on every platform.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setQuitOnLastWindowClosed(true);
    const std::unique_ptr<QObject> program = start();
    const int status = QApplication::exec();
    return status;
}

}  // namespace ui
