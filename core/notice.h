#pragma once

#include <string_view>

namespace core {

// A modal message with one "OK" button, titled with the program's title.
// Returns once the user has dismissed it.
class ShowNotice {
public:
    virtual ~ShowNotice() = default;
    virtual void operator()(std::string_view text) = 0;
};

}  // namespace core
