#include "ui/fault_boundary.h"

#include <QMessageBox>

#include "core/faults.h"
#include "ui/message_notice.h"

namespace ui {
namespace {

QString Stopped(const QString& reason) {
    return QStringLiteral("The operation stopped: %1.").arg(reason);
}

}  // namespace

QString FaultReportText(const std::exception_ptr& fault) {
    try {
        std::rethrow_exception(fault);
    } catch (const core::ArithmeticFault& arithmetic) {
        switch (arithmetic.Condition()) {
        case core::ArithmeticCondition::Overflow: return Stopped(QStringLiteral("overflow"));
        case core::ArithmeticCondition::DivisionByZero:
            return Stopped(QStringLiteral("division by zero"));
        case core::ArithmeticCondition::InvalidOperation:
            return Stopped(QStringLiteral("invalid operation"));
        }
        return Stopped(QStringLiteral("arithmetic fault"));
    } catch (const core::ConversionFault&) {
        return Stopped(QStringLiteral("a text that is not one number"));
    } catch (const std::exception& other) {
        return Stopped(QString::fromUtf8(other.what()));
    } catch (...) {
        return Stopped(QStringLiteral("unexpected error"));
    }
}

void RunGuarded(QWidget* parent, const QString& programTitle, const std::function<void()>& handler) {
    std::exception_ptr fault;
    try {
        handler();
    } catch (...) {
        fault = std::current_exception();
    }
    if (!fault) {
        return;
    }
    // Reported outside the catch block, as the report runs an event loop.
    // Not even a failing report may reach the event loop.
    try {
        ShowMessage(parent, programTitle, FaultReportText(fault), QMessageBox::Warning);
    } catch (...) {
    }
}

}  // namespace ui
