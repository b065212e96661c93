#pragma once

#include <QLineEdit>

#include <map>
#include <string>

#include "core/fields.h"

namespace ui {

// FormFields over a window's text boxes, UTF-8 text on the core's side.
class LineEditFields final : public core::FormFields {
public:
    explicit LineEditFields(std::map<std::string, QLineEdit*, std::less<>> boxes);

    std::string Read(std::string_view box) const override;
    void Write(std::string_view box, std::string_view text) override;

private:
    std::map<std::string, QLineEdit*, std::less<>> boxes_;
};

}  // namespace ui
