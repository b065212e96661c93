#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <string_view>

#include "core/fields.h"
#include "core/notice.h"
#include "ui/window_definition.h"

namespace ui {

// A top-level window built from a WindowDefinition: every control is a child
// widget whose objectName is its control name, at its twip rectangle.
class Window : public QWidget {
    Q_OBJECT
public:
    // programTitle titles the notices and fault reports ("orvane", "tandrel").
    Window(const WindowDefinition& definition, QString programTitle);
    ~Window() override;

    // The window's text boxes, and its modal notice.
    core::FormFields& Fields();
    core::ShowNotice& Notice();

    // Shows or hides a frame with everything inside it.
    void SetFrameVisible(std::string_view frame, bool visible);
    bool IsFrameVisible(std::string_view frame) const;

    // Runs handler on each click of the named button. A fault that the
    // handler raises is reported in a modal message and the window carries on.
    void OnClick(std::string_view button, std::function<void()> handler);

    // Shows the window modeless and without an owner, in its designed state
    // (a maximised window gets its restored geometry first), or, when it is
    // open already, brings it to the front and activates it.
    void ShowAndActivate();

    // The widget of the named control, or nullptr.
    QWidget* Control(std::string_view name) const;

protected:
    // Draws the background picture, unscaled, from the client area's corner.
    void paintEvent(QPaintEvent* event) override;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace ui
