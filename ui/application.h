#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace ui {

// Runs a program: sets up the process (locale, application object with no
// display name appended to titles), creates its first window through start,
// and runs the event loop until the last open window has been closed.
// Without a display it prints one clear line to stderr and returns 1.
// start returns the object that owns the program's windows; it lives until
// the event loop ends.
int RunProgram(int& argc, char** argv, const char* programTitle,
               const std::function<std::unique_ptr<QObject>()>& start);

}  // namespace ui
