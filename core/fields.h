#pragma once

#include <map>
#include <string>
#include <string_view>

namespace core {

// The text of every text box of one window, addressed by control name.
// Reading gives exactly the current text; writing replaces it. Neither fails.
class FormFields {
public:
    virtual ~FormFields() = default;
    virtual std::string Read(std::string_view box) const = 0;
    virtual void Write(std::string_view box, std::string_view text) = 0;
};

// FormFields held in memory: the calculators' tests and anything that runs
// the operations without a window. A box never written reads as "".
class MemoryFields final : public FormFields {
public:
    MemoryFields() = default;
    MemoryFields(std::initializer_list<std::pair<const std::string, std::string>> boxes)
        : boxes_(boxes) {}

    std::string Read(std::string_view box) const override {
        const auto found = boxes_.find(box);
        return found == boxes_.end() ? std::string() : found->second;
    }
    void Write(std::string_view box, std::string_view text) override {
        boxes_.insert_or_assign(std::string(box), std::string(text));
    }
    const std::map<std::string, std::string, std::less<>>& Boxes() const { return boxes_; }

private:
    std::map<std::string, std::string, std::less<>> boxes_;
};

}  // namespace core
