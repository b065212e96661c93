// Opening orvane's reference pages, measured in-process on the real code:
// from the reference button's click to the page's first paint reaching the
// screen, against, in the same run, decoding the page's picture with
// QImageReader alone plus opening an empty maximised top-level window. The
// two sides alternate. Also checks how many pictures the main window decodes
// at start, and that the programs' windows have the fixture's controls.
//
//   page_driver [--runs N]     (needs a display with a window manager)
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QWindow>

#include <dlfcn.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bench/fixture_tables.h"
#include "bench/report.h"
#include "orvane/form1.h"
#include "orvane/reference_pages.h"
#include "tandrel/form1.h"
#include "ui/memory.h"
#include "ui/picture.h"

namespace {

using Clock = std::chrono::steady_clock;

int decodeCount = 0;

}  // namespace

// Counts every picture the program decodes through QImageReader, then hands
// over to Qt's own reader.
QImage QImageReader::read() {
    ++decodeCount;
    using Read = QImage (*)(QImageReader*);
    static const auto real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "_ZN12QImageReader4readEv"));
    return real(this);
}

namespace {

// Notes when a window other than the main one has been painted and its
// backing store flushed: the end of the expose or update request on its
// QWindow during which one of its widgets got a paint event.
class TimingApplication final : public QApplication {
public:
    using QApplication::QApplication;

    void Watch(const QWidget* except) {
        except_ = except;
        painted_ = false;
        done_ = false;
    }
    bool Done() const { return done_; }
    Clock::time_point DoneAt() const { return doneAt_; }

    bool notify(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool result = QApplication::notify(receiver, event);
        if (done_) return result;
        if (type == QEvent::Paint) {
            if (const auto* widget = qobject_cast<const QWidget*>(receiver); widget && widget->window() != except_)
                painted_ = true;
        } else if (painted_ && (type == QEvent::Expose || type == QEvent::UpdateRequest) &&
                   qobject_cast<QWindow*>(receiver)) {
            done_ = true;
            doneAt_ = Clock::now();
        }
        return result;
    }

private:
    const QWidget* except_ = nullptr;
    bool painted_ = false;
    bool done_ = false;
    Clock::time_point doneAt_;
};

TimingApplication* app() { return static_cast<TimingApplication*>(QCoreApplication::instance()); }

bool WaitForPaint(int timeoutMs = 5000) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!app()->Done() && Clock::now() < deadline) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return app()->Done();
}

void Settle(int ms) {
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct PageButton {
    const char* button;
    const char* page;
};

// The main window's reference buttons and the page each opens.
constexpr PageButton kPageButtons[] = {
    {"Command1", "Form11"},  {"Command7", "Form12"},  {"Command8", "Form13"},  {"Command2", "Form2"},
    {"Command3", "Form8"},   {"Command4", "Form9"},   {"Command5", "Form10"},  {"Command23", "Form19"},
    {"Command22", "Form3"},  {"Command25", "Form4"},  {"Command26", "Form5"},  {"Command27", "Form6"},
    {"Command10", "Form14"}, {"Command11", "Form15"}, {"Command12", "Form16"}, {"Command14", "Form17"},
    {"Command15", "Form18"},
};

QString PictureOf(const char* page) {
    for (const ui::WindowDefinition& d : orvane::ReferencePageDefinitions()) {
        if (d.name != page) continue;
        const std::string_view path = d.backgroundPicture.empty() ? d.controls.front().picture : d.backgroundPicture;
        return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    }
    return {};
}

// Clicks the button and waits until its page is on the screen; closes it again.
double OpenPage(orvane::Form1& form, const PageButton& entry) {
    auto* button = qobject_cast<QPushButton*>(form.Window().Control(entry.button));
    app()->Watch(&form.Window());
    const Clock::time_point start = Clock::now();
    button->click();
    const bool painted = WaitForPaint();
    const double ms = Ms(app()->DoneAt() - start);
    if (ui::Window* page = form.Pages().OpenWindow(entry.page)) page->close();
    Settle(15);
    return painted ? ms : -1;
}

// The same picture decoded alone, plus an empty maximised window opened.
double OpenEmptyWindowAndDecode(const QWidget* except, const QString& picture, const char* title) {
    app()->Watch(except);
    const Clock::time_point start = Clock::now();
    QImageReader reader(picture);
    reader.setAutoTransform(false);
    const QImage image = reader.read();
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QString::fromLatin1(title));
    window->resize(304, 202);
    window->showMaximized();
    const bool painted = WaitForPaint();
    const double ms = Ms(app()->DoneAt() - start);
    if (image.isNull()) std::fprintf(stderr, "page_driver: cannot decode %s\n", qPrintable(picture));
    window->close();
    Settle(15);
    return painted ? ms : -1;
}

struct KindCount {
    int labels = 0, textBoxes = 0, buttons = 0, frames = 0, pictures = 0;
    bool operator==(const KindCount&) const = default;
};

KindCount CountFixture(std::span<const bench::FixtureControl> controls) {
    KindCount n;
    for (const bench::FixtureControl& c : controls) {
        switch (c.kind) {
        case bench::Kind::Label: ++n.labels; break;
        case bench::Kind::TextBox: ++n.textBoxes; break;
        case bench::Kind::Button: ++n.buttons; break;
        case bench::Kind::Frame: ++n.frames; break;
        case bench::Kind::Picture: ++n.pictures; break;
        }
    }
    return n;
}

KindCount CountWindow(const QWidget& window) {
    KindCount n;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->parentWidget() != &window && !qobject_cast<const QFrame*>(w->parentWidget()) &&
            !qobject_cast<const QGroupBox*>(w->parentWidget()))
            continue;  // parts of a control, such as a line edit's own children
        if (qobject_cast<const QLabel*>(w)) ++n.labels;
        else if (qobject_cast<const QLineEdit*>(w)) ++n.textBoxes;
        else if (qobject_cast<const QPushButton*>(w)) ++n.buttons;
        else if (qobject_cast<const ui::PictureBox*>(w)) ++n.pictures;
        else if (qobject_cast<const QFrame*>(w) || qobject_cast<const QGroupBox*>(w)) ++n.frames;
    }
    return n;
}

void PrintCheck(const char* name, bool pass, const std::string& detail) {
    std::printf("CHECK\t%s\t%s\t%s\n", name, detail.c_str(), pass ? "PASS" : "FAIL");
    std::fflush(stdout);
}

std::string Describe(const KindCount& n) {
    return std::to_string(n.labels) + " labels, " + std::to_string(n.textBoxes) + " boxes, " +
           std::to_string(n.buttons) + " buttons, " + std::to_string(n.frames) + " frames, " +
           std::to_string(n.pictures) + " pictures";
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 20;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);

    // As the program sets itself up.
    ui::KeepLargeAllocationsReturnable();
    std::setlocale(LC_ALL, "");
    QApplication::setApplicationName(QStringLiteral("orvane"));
    TimingApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    {
        tandrel::Form1 tandrelForm;
        const KindCount real = CountWindow(tandrelForm.Window());
        const KindCount fixture = CountFixture(bench::kTandrelControls);
        PrintCheck("tandrel Form1 has the fixture's controls", real == fixture, Describe(real));
    }

    const int decodedBefore = decodeCount;
    orvane::Form1 form;
    app()->Watch(nullptr);
    form.Show();
    WaitForPaint();
    Settle(200);
    const int decodedByMain = decodeCount - decodedBefore;
    PrintCheck("orvane start decodes only Form1's 3 pictures", decodedByMain == 3,
               std::to_string(decodedByMain) + " decoded");
    {
        const KindCount real = CountWindow(form.Window());
        const KindCount fixture = CountFixture(bench::kOrvaneControls);
        PrintCheck("orvane Form1 has the fixture's controls", real == fixture, Describe(real));
    }

    // Page open against decode + empty maximised window, alternating sides.
    bool allPass = true;
    std::string largest;
    qint64 largestBytes = 0;
    for (const PageButton& entry : kPageButtons) {
        const QString picture = PictureOf(entry.page);
        const QSize size = QImageReader(picture).size();
        if (static_cast<qint64>(size.width()) * size.height() > largestBytes) {
            largestBytes = static_cast<qint64>(size.width()) * size.height();
            largest = entry.page;
        }
    }
    for (const PageButton& entry : kPageButtons) {
        const QString picture = PictureOf(entry.page);
        std::vector<double> page, baseline;
        for (int run = 0; run < runs; ++run) {
            if (run % 2 == 0) {
                page.push_back(OpenPage(form, entry));
                baseline.push_back(OpenEmptyWindowAndDecode(&form.Window(), picture, entry.page));
            } else {
                baseline.push_back(OpenEmptyWindowAndDecode(&form.Window(), picture, entry.page));
                page.push_back(OpenPage(form, entry));
            }
        }
        const bench::Summary p = bench::Summarise(page);
        const bench::Summary b = bench::Summarise(baseline);
        const std::string mark = entry.page == largest ? " (largest picture)" : "";
        const std::string name = std::string(entry.page) + mark;
        bench::PrintFigure(name + " open", "ms", p);
        bench::PrintFigure(name + " decode + empty window", "ms", b);
        allPass &= bench::PrintRatio(name + " open / (decode + empty window)", p.median / b.median, 1.5);
    }
    return allPass ? 0 : 1;
}
