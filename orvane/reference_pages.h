#pragma once

#include <QPointer>

#include <array>
#include <memory>
#include <span>
#include <string_view>

#include "ui/window.h"
#include "ui/window_definition.h"

namespace orvane {

// The eighteen reference pages Form2 … Form19, each a window that shows one
// stored picture of a reference table and does nothing else.
std::span<const ui::WindowDefinition> ReferencePageDefinitions();

// One reference page: its fixed definition and, while the user has it open,
// its window. The window, and with it the decoded picture, is built afresh
// each time the page is opened and freed when the user closes it.
class ReferencePage {
public:
    explicit ReferencePage(const ui::WindowDefinition& definition);
    ~ReferencePage();
    ReferencePage(const ReferencePage&) = delete;
    ReferencePage& operator=(const ReferencePage&) = delete;

    // Opens the window maximised, or brings the open one to the front.
    void Show();

    // The page's window while it is open, else nullptr.
    ui::Window* OpenWindow() const;

private:
    const ui::WindowDefinition& definition_;
    QPointer<ui::Window> window_;
};

// One slot per page, filled on the page's first use and kept for the rest of
// the run.
class ReferencePageRegistry {
public:
    ReferencePageRegistry();
    ~ReferencePageRegistry();
    ReferencePageRegistry(const ReferencePageRegistry&) = delete;
    ReferencePageRegistry& operator=(const ReferencePageRegistry&) = delete;

    // Shows the named page ("Form11") modeless and without an owner.
    void ShowReferencePage(std::string_view page);

    // Whether the named page has been used yet, and its window while open.
    bool IsCreated(std::string_view page) const;
    ui::Window* OpenWindow(std::string_view page) const;

private:
    static constexpr std::size_t kPageCount = 18;
    std::array<std::unique_ptr<ReferencePage>, kPageCount> slots_;
};

}  // namespace orvane
