#include <memory>

#include "tandrel/form1.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    return ui::RunProgram(argc, argv, "tandrel", [] {
        auto form = std::make_unique<tandrel::Form1>();
        form->Show();
        return std::unique_ptr<QObject>(std::move(form));
    });
}
