#pragma once

#include <QString>
#include <QWidget>

#include <exception>
#include <functional>

namespace ui {

// The short text that reports what stopped an operation.
QString FaultReportText(const std::exception_ptr& fault);

// Runs handler. A fault it raises goes no further: it is reported in a modal
// warning titled programTitle, and the windows stay as the handler left them.
void RunGuarded(QWidget* parent, const QString& programTitle, const std::function<void()>& handler);

}  // namespace ui
