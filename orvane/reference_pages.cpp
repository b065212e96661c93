#include "orvane/reference_pages.h"

#include <QString>

#include <algorithm>
#include <cstdlib>

namespace orvane {
namespace {

using ui::ControlDefinition;
using ui::StartPosition;
using ui::WindowDefinition;
using enum ui::ControlKind;

// Every page restores to the same small client area and opens maximised.
constexpr int kRestoredWidth = 4560;
constexpr int kRestoredHeight = 3030;
// The desktop's button-face colour, a page's own colour behind its picture.
constexpr std::uint32_t kButtonFace = 0x8000000F;

// subject: what the picture shows, read out by screen readers.
constexpr ControlDefinition Box(std::string_view name, ui::TwipRect rect, int tabIndex,
                                std::string_view picture, std::string_view subject) {
    return {.name = name, .kind = PictureBox, .text = "", .rect = rect, .tabIndex = tabIndex,
            .picture = picture, .accessibleName = subject};
}

constexpr WindowDefinition Page(std::string_view name, StartPosition start,
                                std::string_view background,
                                std::span<const ControlDefinition> boxes,
                                std::string_view subject) {
    return {.name = name,
            .caption = name,
            .clientWidth = kRestoredWidth,
            .clientHeight = kRestoredHeight,
            .startPosition = start,
            .state = ui::WindowState::Maximised,
            .backColour = kButtonFace,
            .backgroundPicture = background,
            .controls = boxes,
            .accessibleDescription = subject};
}

constexpr auto kDefault = StartPosition::ToolkitDefault;
constexpr auto kCentre = StartPosition::CentreScreen;
constexpr std::span<const ControlDefinition> kNoBoxes = {};

constexpr std::array kForm2Boxes = {Box("Picture1", {2640, 1560, 12975, 7575}, 0, ":/orvane/form2.jpg", "Officers' mobile numbers, A to J")};
constexpr std::array kForm3Boxes = {Box("Picture1", {2280, 120, 13215, 11295}, 0, ":/orvane/form3.bmp", "DSLAMs connected to PONDY-P2")};
constexpr std::array kForm4Boxes = {Box("Picture1", {3120, 1680, 8655, 7695}, 0, ":/orvane/form4.bmp", "MP DSLAMs")};
constexpr std::array kForm5Boxes = {Box("Picture1", {3480, 960, 9255, 9615}, 0, ":/orvane/form5.bmp", "3M DSLAMs")};
constexpr std::array kForm6Boxes = {Box("Picture1", {720, 480, 615, 135}, 0, ":/orvane/form6.bmp", "Other DSLAMs, top corner")};
constexpr std::array kForm14Boxes = {Box("Picture1", {1200, 960, 16335, 8895}, 0, ":/orvane/form14.bmp", "MPLS nodes, A to C"),
                                     Box("Picture2", {600, 240, 255, 15}, 1, ":/orvane/form14.bmp", "MPLS nodes, A to C, top strip")};
constexpr std::array kForm15Boxes = {Box("Picture1", {1080, 960, 16215, 9015}, 0, ":/orvane/form15.bmp", "MPLS nodes, C to H")};
constexpr std::array kForm16Boxes = {Box("Picture1", {1320, 1200, 16215, 9135}, 0, ":/orvane/form16.bmp", "MPLS nodes, H to M")};
constexpr std::array kForm17Boxes = {Box("Picture1", {960, 720, 16575, 10815}, 0, ":/orvane/form17.bmp", "MPLS nodes, M to S")};
constexpr std::array kForm18Boxes = {Box("Picture1", {1800, 1800, 16095, 7215}, 0, ":/orvane/form18.bmp", "MPLS nodes, S to Z")};
constexpr std::array kForm19Boxes = {Box("Picture1", {3240, 1080, 13095, 7455}, 0, ":/orvane/form19.bmp", "DSLAMs connected to OKP-P2")};

// Form7 is carried with its picture, the one of Form2, but nothing opens it.
constexpr std::array kPages = {
    Page("Form2", kDefault, {}, kForm2Boxes, "Officers' mobile numbers, A to J"),
    Page("Form3", kDefault, {}, kForm3Boxes, "DSLAMs connected to PONDY-P2"),
    Page("Form4", kDefault, {}, kForm4Boxes, "MP DSLAMs"),
    Page("Form5", kDefault, {}, kForm5Boxes, "3M DSLAMs"),
    Page("Form6", kDefault, ":/orvane/form6.bmp", kForm6Boxes, "Other DSLAMs"),
    Page("Form7", kDefault, ":/orvane/form2.jpg", kNoBoxes, "Officers' mobile numbers, A to J"),
    Page("Form8", kCentre, ":/orvane/form8.bmp", kNoBoxes, "Officers' mobile numbers, J to M"),
    Page("Form9", kCentre, ":/orvane/form9.jpg", kNoBoxes, "Officers' mobile numbers, N to R"),
    Page("Form10", kDefault, ":/orvane/form10.bmp", kNoBoxes, "Officers' mobile numbers, S to Z"),
    Page("Form11", kDefault, ":/orvane/form11.jpg", kNoBoxes, "Officers' landline numbers, A to M"),
    Page("Form12", kDefault, ":/orvane/form12.bmp", kNoBoxes, "Officers' landline numbers, M to S"),
    Page("Form13", kDefault, ":/orvane/form13.bmp", kNoBoxes, "Officers' landline numbers, S to Z"),
    Page("Form14", kCentre, {}, kForm14Boxes, "MPLS nodes, A to C"),
    Page("Form15", kDefault, {}, kForm15Boxes, "MPLS nodes, C to H"),
    Page("Form16", kDefault, {}, kForm16Boxes, "MPLS nodes, H to M"),
    Page("Form17", kDefault, {}, kForm17Boxes, "MPLS nodes, M to S"),
    Page("Form18", kDefault, {}, kForm18Boxes, "MPLS nodes, S to Z"),
    Page("Form19", kDefault, {}, kForm19Boxes, "DSLAMs connected to OKP-P2"),
};

// The slot of a page name; the names are fixed, so an unknown one is a
// programming error.
std::size_t SlotOf(std::string_view page) {
    const auto found = std::find_if(kPages.begin(), kPages.end(),
                                    [page](const WindowDefinition& d) { return d.name == page; });
    if (found == kPages.end()) {
        std::abort();
    }
    return static_cast<std::size_t>(found - kPages.begin());
}

}  // namespace

std::span<const ui::WindowDefinition> ReferencePageDefinitions() { return kPages; }

ReferencePage::ReferencePage(const ui::WindowDefinition& definition) : definition_(definition) {}

// A page still open when its object goes (the end of a run) closes with it.
ReferencePage::~ReferencePage() { delete window_.data(); }

void ReferencePage::Show() {
    if (!OpenWindow()) {
        // A window the user closed may still await its deferred deletion; it
        // is gone for good, so the page gets a fresh one.
        window_ = new ui::Window(definition_, QStringLiteral("orvane"));
        window_->setAttribute(Qt::WA_DeleteOnClose);
    }
    window_->ShowAndActivate();
}

ui::Window* ReferencePage::OpenWindow() const {
    return window_ && window_->isVisible() ? window_.data() : nullptr;
}

ReferencePageRegistry::ReferencePageRegistry() = default;
ReferencePageRegistry::~ReferencePageRegistry() = default;

void ReferencePageRegistry::ShowReferencePage(std::string_view page) {
    static_assert(kPages.size() == kPageCount);
    std::unique_ptr<ReferencePage>& slot = slots_[SlotOf(page)];
    if (!slot) {
        slot = std::make_unique<ReferencePage>(kPages[SlotOf(page)]);
    }
    slot->Show();
}

bool ReferencePageRegistry::IsCreated(std::string_view page) const {
    return slots_[SlotOf(page)] != nullptr;
}

ui::Window* ReferencePageRegistry::OpenWindow(std::string_view page) const {
    const std::unique_ptr<ReferencePage>& slot = slots_[SlotOf(page)];
    return slot ? slot->OpenWindow() : nullptr;
}

}  // namespace orvane
