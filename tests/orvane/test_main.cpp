#include <QApplication>
#include <QStyleFactory>

int RunMainWindowTests(int argc, char** argv);
int RunReferencePageTests(int argc, char** argv);
int RunProgramEndTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The look the program itself runs with.
    QApplication::setApplicationName(QStringLiteral("orvane"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    int failures = RunMainWindowTests(argc, argv);
    failures += RunReferencePageTests(argc, argv);
    // Last: it runs the application's own event loop to its end.
    failures += RunProgramEndTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
