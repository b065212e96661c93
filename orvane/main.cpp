#include <memory>

#include "orvane/form1.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    return ui::RunProgram(argc, argv, "orvane", [] {
        auto form = std::make_unique<orvane::Form1>();
        form->Show();
        return form;
    });
}
