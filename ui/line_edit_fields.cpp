#include "ui/line_edit_fields.h"

#include <QtDebug>

namespace ui {
namespace {

void WarnUnknown(std::string_view box) {
    qWarning("the window has no text box %.*s", static_cast<int>(box.size()), box.data());
}

}  // namespace

LineEditFields::LineEditFields(std::map<std::string, QLineEdit*, std::less<>> boxes)
    : boxes_(std::move(boxes)) {}

std::string LineEditFields::Read(std::string_view box) const {
    const auto found = boxes_.find(box);
    if (found == boxes_.end()) {
        WarnUnknown(box);
        return {};
    }
    return found->second->text().toStdString();
}

void LineEditFields::Write(std::string_view box, std::string_view text) {
    const auto found = boxes_.find(box);
    if (found == boxes_.end()) {
        WarnUnknown(box);
        return;
    }
    found->second->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace ui
