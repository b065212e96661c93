#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "orvane/form1.h"
#include "tandrel/form1.h"
#include "tests/soak/careless_user.h"
#include "tests/soak/guarded_application.h"
#include "tests/soak/message_counter.h"
#include "tests/soak/modal_dismisser.h"
#include "tests/soak/resident_memory.h"
#include "tests/soak/soak_settings.h"
#include "tests/soak/watchdog.h"
#include "ui/window.h"

namespace {

using soak::SeenModal;

// Longer than any action may take even on a loaded machine; the watchdog's
// limit is a hang, this one is a failure of its own.
constexpr qint64 kActionLimitMs = 5000;
constexpr std::chrono::milliseconds kHangLimit{30000};
constexpr long long kMemoryBaselineCycle = 50;
constexpr long long kMemoryGrowthLimitKiB = 5 * 1024;

struct PageButton {
    const char* button;
    const char* page;
};

// orvane's reference buttons and the page each opens.
constexpr PageButton kPageButtons[] = {
    {"Command1", "Form11"},  {"Command7", "Form12"},  {"Command8", "Form13"},  {"Command2", "Form2"},
    {"Command3", "Form8"},   {"Command4", "Form9"},   {"Command5", "Form10"},  {"Command23", "Form19"},
    {"Command22", "Form3"},  {"Command25", "Form4"},  {"Command26", "Form5"},  {"Command27", "Form6"},
    {"Command10", "Form14"}, {"Command11", "Form15"}, {"Command12", "Form16"}, {"Command14", "Form17"},
    {"Command15", "Form18"},
};

// tandrel's buttons whose notices are the directory lists.
constexpr std::string_view kDirectoryButtons[] = {"Command22", "Command23", "Command25", "Command26",
                                                  "Command27"};

// Every notice a calculator may show.
const QStringList& CalculatorNotices() {
    static const QStringList notices = {
        QStringLiteral("Please verify the input"),
        QStringLiteral("Port Particulars falls in Second Frame"),
        QStringLiteral("Enter the Valid DSLAM VLAN"),
        QStringLiteral("Please enter the Valid Inner VLAN !!!...."),
    };
    return notices;
}

// A fault report names one of the calculators' own faults, never anything
// else that escaped an operation.
const QRegularExpression& FaultReportPattern() {
    static const QRegularExpression pattern(QStringLiteral(
        "^The operation stopped: (overflow|division by zero|invalid operation|a text that is not one number)\\.$"));
    return pattern;
}

// A text as it can be printed: short, with every unusual character escaped.
QString Printable(const QString& text) {
    QString shown;
    const qsizetype limit = 40;
    for (qsizetype i = 0; i < std::min(text.size(), limit); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'"' && c != u'\\') {
            shown += c;
        } else {
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    if (text.size() > limit) {
        shown += QStringLiteral("...(%1 chars)").arg(text.size());
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

void DeliverPostedEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int VisibleTopLevelsNamed(const QString& name) {
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) ++count;
    }
    return count;
}

int LiveWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ui::Window*>(widget)) ++count;
    }
    return count;
}

// One program's window as the soak sees it.
struct Program {
    QString title;  // the title of its notices
    ui::Window* window = nullptr;
    std::vector<QLineEdit*> boxes;
    std::vector<QPushButton*> buttons;
    std::vector<QString> calculatorButtons;
};

struct Figures {
    long long actions = 0;
    long long carelessActions = 0;
    long long presses = 0;
    long long typings = 0;
    long long notices = 0;
    long long directoryNotices = 0;
    long long faultReports = 0;
    std::map<QString, long long> faultReasons;
    std::map<QString, long long> noticeTexts;
    long long pagesOpened = 0;
    long long pagesClosed = 0;
    long long pagesMinimised = 0;
    qint64 longestActionMs = 0;
    QString longestAction;
    double carelessSeconds = 0;
    long long cycles = 0;
    double cycleSeconds = 0;
    std::optional<long long> rssBaselineKiB;
    std::optional<long long> rssFinalKiB;
    std::map<QString, long long> pressesByButton;
};

class SoakTest : public QObject {
    Q_OBJECT

private:
    soak::Settings settings_;
    std::unique_ptr<soak::CarelessUser> user_;
    std::unique_ptr<soak::MessageCounter> messages_;
    std::unique_ptr<soak::ModalDismisser> dismisser_;
    std::unique_ptr<soak::Watchdog> watchdog_;
    std::unique_ptr<orvane::Form1> orvane_;
    std::unique_ptr<tandrel::Form1> tandrel_;
    Program programs_[2];
    Figures figures_;
    std::deque<QString> trail_;
    QElapsedTimer total_;

    Program MakeProgram(QString title, ui::Window& window, std::vector<QString> calculators) {
        Program program{std::move(title), &window, {}, {}, std::move(calculators)};
        static const QRegularExpression boxName(QStringLiteral("^Text\\d+$"));
        for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
            if (boxName.match(box->objectName()).hasMatch()) program.boxes.push_back(box);
        }
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (!button->objectName().isEmpty()) program.buttons.push_back(button);
        }
        return program;
    }

    // The page a reference button opens, if the button is one.
    static const PageButton* PageOf(const Program& program, const QString& button) {
        if (program.title != QStringLiteral("orvane")) return nullptr;
        for (const PageButton& page : kPageButtons) {
            if (button == QLatin1String(page.button)) return &page;
        }
        return nullptr;
    }

    static bool IsDirectoryButton(const Program& program, const QString& button) {
        if (program.title != QStringLiteral("tandrel")) return false;
        return std::any_of(std::begin(kDirectoryButtons), std::end(kDirectoryButtons),
                           [&](std::string_view name) { return button == QLatin1String(name); });
    }

    std::vector<ui::Window*> OpenPages() const {
        std::vector<ui::Window*> pages;
        for (const PageButton& page : kPageButtons) {
            if (ui::Window* window = orvane_->Pages().OpenWindow(page.page)) pages.push_back(window);
        }
        return pages;
    }

    QString Trail() const {
        QStringList lines;
        for (const QString& step : trail_) lines << QStringLiteral("  ") + step;
        return QStringLiteral("seed %1; last actions, oldest first:\n%2")
            .arg(settings_.seed)
            .arg(lines.join(QLatin1Char('\n')));
    }

    // Runs one action under the watchdog, then delivers what it posted, as
    // the event loop would before the user's next move. Returns what went
    // wrong, or an empty text.
    QString Act(const QString& description, const Program* program, const QString& button,
                const std::function<void()>& action) {
        trail_.push_back(QStringLiteral("#%1 %2").arg(figures_.actions).arg(description));
        if (trail_.size() > 12) trail_.pop_front();
        watchdog_->Arm(description.toStdString());
        QElapsedTimer clock;
        clock.start();
        action();
        DeliverPostedEvents();
        const qint64 elapsed = clock.elapsed();
        watchdog_->Disarm();
        ++figures_.actions;
        if (elapsed > figures_.longestActionMs) {
            figures_.longestActionMs = elapsed;
            figures_.longestAction = description;
        }
        if (elapsed > kActionLimitMs) {
            return QStringLiteral("the action took %1 ms").arg(elapsed);
        }
        QString problem = CheckModals(program, button);
        if (problem.isEmpty()) problem = CheckQuiet();
        return problem;
    }

    // Sorts the modals the last action raised into notices and fault
    // reports, and refuses any other kind.
    QString CheckModals(const Program* program, const QString& button) {
        for (const SeenModal& modal : dismisser_->TakeSeen()) {
            const QString seen = QStringLiteral("%1 titled %2 saying %3")
                                     .arg(modal.messageBox ? QStringLiteral("message box") : QStringLiteral("dialog"),
                                          Printable(modal.title), Printable(modal.text));
            if (!program) return QStringLiteral("an action without a click raised a ") + seen;
            if (!modal.messageBox) return QStringLiteral("a ") + seen + QStringLiteral(" appeared");
            if (modal.title != program->title) return QStringLiteral("wrong title on ") + seen;
            if (modal.buttons != QStringList{QStringLiteral("OK")}) {
                return QStringLiteral("buttons %1 on %2").arg(modal.buttons.join(QLatin1Char('|')), seen);
            }
            if (modal.icon == QMessageBox::NoIcon) {
                if (IsDirectoryButton(*program, button)) {
                    if (modal.text.isEmpty()) return QStringLiteral("an empty directory notice");
                    ++figures_.directoryNotices;
                } else if (!CalculatorNotices().contains(modal.text)) {
                    return QStringLiteral("an unknown notice: ") + seen;
                }
                ++figures_.notices;
                ++figures_.noticeTexts[IsDirectoryButton(*program, button) ? QStringLiteral("(directory list)")
                                                                            : modal.text];
            } else if (modal.icon == QMessageBox::Warning) {
                const auto match = FaultReportPattern().match(modal.text);
                if (!match.hasMatch()) return QStringLiteral("a fault report of no calculator fault: ") + seen;
                ++figures_.faultReports;
                ++figures_.faultReasons[match.captured(1)];
            } else {
                return QStringLiteral("a message box with icon %1: ").arg(int(modal.icon)) + seen;
            }
        }
        return {};
    }

    // What must hold between any two actions of the user.
    QString CheckQuiet() {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            return QStringLiteral("a modal is still open: %1 %2")
                .arg(QString::fromUtf8(modal->metaObject()->className()), Printable(modal->windowTitle()));
        }
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<const QDialog*>(widget) && widget->isVisible()) {
                return QStringLiteral("a dialog is still shown: ") + Printable(widget->windowTitle());
            }
        }
        if (dismisser_->Stubborn() != 0) {
            return QStringLiteral("%1 modals ignored Enter, Escape, close or OK").arg(dismisser_->Stubborn());
        }
        if (const QStringList& escaped = soak::GuardedApplication::Instance()->EscapedExceptions(); !escaped.isEmpty()) {
            return QStringLiteral("an exception crossed the event loop: ") + escaped.join(QStringLiteral("; "));
        }
        if (messages_->Criticals() != 0) {
            return QStringLiteral("critical messages: ") + messages_->Distinct().join(QStringLiteral("; "));
        }
        for (const Program& program : programs_) {
            if (!program.window->isVisible()) return program.title + QStringLiteral(" window is gone");
        }
        for (const PageButton& page : kPageButtons) {
            if (VisibleTopLevelsNamed(QLatin1String(page.page)) > 1) {
                return QStringLiteral("two windows of ") + QLatin1String(page.page);
            }
        }
        return {};
    }

    QString PressDescription(const Program& program, const QPushButton& button, bool byKey) const {
        return QStringLiteral("%1 %2 %3 (%4)")
            .arg(program.title, byKey ? QStringLiteral("key-press") : QStringLiteral("click"),
                 button.objectName(), Printable(button.text()));
    }

    QString Press(Program& program, QPushButton& button) {
        const bool byKey = user_->Chance(20);
        const QString name = button.objectName();
        const PageButton* page = PageOf(program, name);
        const bool wasOpen = page && orvane_->Pages().OpenWindow(page->page);
        ++figures_.presses;
        ++figures_.pressesByButton[program.title + QLatin1Char('/') + name];
        QString problem = Act(PressDescription(program, button, byKey), &program, name, [&] {
            if (byKey) {
                button.setFocus();
                QTest::keyClick(&button, Qt::Key_Space);
            } else {
                QTest::mouseClick(&button, Qt::LeftButton);
            }
        });
        if (problem.isEmpty() && page) {
            ui::Window* window = orvane_->Pages().OpenWindow(page->page);
            if (!window) return QStringLiteral("%1 did not open %2").arg(name, QLatin1String(page->page));
            if (window->isMinimized()) return QStringLiteral("%1 left %2 minimised").arg(name, QLatin1String(page->page));
            if (!wasOpen) ++figures_.pagesOpened;
        }
        return problem;
    }

    QString Type(Program& program, QLineEdit& box, const QString& text) {
        ++figures_.typings;
        const bool byKeys = text.size() < 24 && std::all_of(text.begin(), text.end(), [](QChar c) {
                                return c.unicode() >= 0x20 && c.unicode() < 0x7f;
                            }) && user_->Chance(30);
        const QString description = QStringLiteral("%1 %2 %3 %4")
                                        .arg(program.title, byKeys ? QStringLiteral("type") : QStringLiteral("paste"),
                                             box.objectName(), Printable(text));
        return Act(description, nullptr, {}, [&] {
            if (byKeys) {
                box.setFocus();
                box.selectAll();
                QTest::keyClicks(&box, text);
            } else {
                box.setText(text);
            }
        });
    }

    QString ClosePage(ui::Window& page) {
        const QPointer<ui::Window> guarded(&page);
        const QString name = page.objectName();
        QString problem = Act(QStringLiteral("close page ") + name, nullptr, {}, [&] { page.close(); });
        if (problem.isEmpty() && guarded) return QStringLiteral("closed page %1 was not freed").arg(name);
        ++figures_.pagesClosed;
        return problem;
    }

    template <typename Widget>
    static std::vector<Widget*> Visible(const std::vector<Widget*>& widgets) {
        std::vector<Widget*> visible;
        std::copy_if(widgets.begin(), widgets.end(), std::back_inserter(visible),
                     [](const Widget* widget) { return widget->isVisible(); });
        return visible;
    }

    // One careless move on one of the two windows.
    QString CarelessAction() {
        Program& program = programs_[user_->Pick(2)];
        const std::size_t kind = user_->Pick(100);
        if (kind < 30) {
            const auto boxes = Visible(program.boxes);
            if (boxes.empty()) return {};
            return Type(program, *boxes[user_->Pick(boxes.size())], user_->Text());
        }
        if (kind < 85) {
            const auto buttons = Visible(program.buttons);
            return Press(program, *buttons[user_->Pick(buttons.size())]);
        }
        if (kind < 92) {
            // Everything filled in at once, then a calculation.
            for (QLineEdit* box : Visible(program.boxes)) {
                if (QString problem = Type(program, *box, user_->Text()); !problem.isEmpty()) return problem;
            }
            const QString& name = program.calculatorButtons[user_->Pick(program.calculatorButtons.size())];
            auto* button = program.window->findChild<QPushButton*>(name);
            if (!button || !button->isVisible()) return {};
            return Press(program, *button);
        }
        const auto pages = OpenPages();
        if (pages.empty()) return {};
        ui::Window& page = *pages[user_->Pick(pages.size())];
        if (kind < 97) return ClosePage(page);
        if (kind < 99) {
            ++figures_.pagesMinimised;
            return Act(QStringLiteral("minimise page ") + page.objectName(), nullptr, {},
                       [&] { page.showMinimized(); });
        }
        for (ui::Window* open : pages) {
            if (QString problem = ClosePage(*open); !problem.isEmpty()) return problem;
        }
        return {};
    }

    QString CloseAllPages() {
        for (ui::Window* page : OpenPages()) {
            if (QString problem = ClosePage(*page); !problem.isEmpty()) return problem;
        }
        return {};
    }

private slots:
    void initTestCase() {
        settings_ = soak::SettingsFromEnvironment();
        total_.start();
        user_ = std::make_unique<soak::CarelessUser>(settings_.seed);
        messages_ = std::make_unique<soak::MessageCounter>();
        dismisser_ = std::make_unique<soak::ModalDismisser>(settings_.seed);
        watchdog_ = std::make_unique<soak::Watchdog>(kHangLimit);
        qInfo("soak: seed %llu, up to %lld actions in %lld s, %lld page cycles",
              static_cast<unsigned long long>(settings_.seed), settings_.actions, settings_.seconds,
              settings_.pageCycles);

        orvane_ = std::make_unique<orvane::Form1>();
        tandrel_ = std::make_unique<tandrel::Form1>();
        orvane_->Show();
        tandrel_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(&orvane_->Window()));
        QVERIFY(QTest::qWaitForWindowExposed(&tandrel_->Window()));
        programs_[0] = MakeProgram(QStringLiteral("orvane"), orvane_->Window(),
                                   {"Command6", "Command24", "Command20", "Command13", "Command19", "Command9"});
        programs_[1] = MakeProgram(QStringLiteral("tandrel"), tandrel_->Window(),
                                   {"Command6", "Command24", "Command20", "Command13", "Command19", "Command14",
                                    "y", "Command16", "Command12"});
        QCOMPARE(programs_[0].boxes.size(), std::size_t{13});
        QCOMPARE(programs_[0].buttons.size(), std::size_t{23});
        QCOMPARE(programs_[1].boxes.size(), std::size_t{10});
        QCOMPARE(programs_[1].buttons.size(), std::size_t{28});
    }

    void CarelessUseLeavesBothWindowsWorking() {
        QElapsedTimer clock;
        clock.start();
        const long long startActions = figures_.actions;
        while (figures_.actions - startActions < settings_.actions &&
               clock.elapsed() < settings_.seconds * 1000) {
            const QString problem = CarelessAction();
            QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral("\n") + Trail()));
        }
        figures_.carelessSeconds = static_cast<double>(clock.elapsed()) / 1000.0;
        figures_.carelessActions = figures_.actions - startActions;

        // A long default run reaches every button of both windows.
        if (figures_.actions - startActions >= 2000) {
            QStringList never;
            for (const Program& program : programs_) {
                for (const QPushButton* button : program.buttons) {
                    const QString key = program.title + QLatin1Char('/') + button->objectName();
                    if (!figures_.pressesByButton.contains(key)) never << key;
                }
            }
            QVERIFY2(never.isEmpty(), qPrintable(QStringLiteral("never pressed: ") + never.join(QLatin1Char(' '))));
        }

        // After all that, both windows still calculate.
        QString problem = CloseAllPages();
        QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral("\n") + Trail()));
        for (Program& program : programs_) {
            QCOMPARE(program.window->isVisible(), true);
            auto* vlan = program.window->findChild<QLineEdit*>(QStringLiteral("Text2"));
            auto* calculate = program.window->findChild<QPushButton*>(QStringLiteral("Command6"));
            QVERIFY(vlan && calculate);
            problem = Type(program, *vlan, QStringLiteral("176"));
            if (problem.isEmpty()) problem = Press(program, *calculate);
            QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral("\n") + Trail()));
            const auto text = [&](const char* box) {
                return program.window->findChild<QLineEdit*>(QLatin1String(box))->text();
            };
            QCOMPARE(text("Text3"), QStringLiteral("49"));
            QCOMPARE(text("Text4"), QStringLiteral("2"));
            QCOMPARE(text("Text5"), QStringLiteral("1"));
        }
        QCOMPARE(LiveWindows(), 2);
    }

    // Opening and closing pages, the largest picture among them, again and
    // again: every closed page is freed, and resident memory stays flat.
    void PageCyclesKeepResidentMemoryFlat() {
        QVERIFY2(CloseAllPages().isEmpty(), qPrintable(Trail()));
        const int windowsBefore = LiveWindows();
        const qsizetype topLevelsBefore = QApplication::topLevelWidgets().size();
        Program& program = programs_[0];
        QElapsedTimer clock;
        clock.start();
        for (long long cycle = 1; cycle <= settings_.pageCycles; ++cycle) {
            const PageButton& entry = kPageButtons[static_cast<std::size_t>(cycle - 1) % std::size(kPageButtons)];
            auto* button = program.window->findChild<QPushButton*>(QLatin1String(entry.button));
            QVERIFY(button);
            const QString page = QLatin1String(entry.page);
            QString problem = Act(QStringLiteral("cycle %1 open %2").arg(cycle).arg(page), &program,
                                  button->objectName(), [&] { QTest::mouseClick(button, Qt::LeftButton); });
            QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral("\n") + Trail()));
            QPointer<ui::Window> window = orvane_->Pages().OpenWindow(entry.page);
            QVERIFY2(window, qPrintable(page + QStringLiteral(" did not open")));
            ++figures_.pagesOpened;
            problem = ClosePage(*window);
            QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral("\n") + Trail()));
            ++figures_.cycles;
            if (cycle == kMemoryBaselineCycle || cycle == settings_.pageCycles) {
                soak::ReleaseFreeHeap();
                (cycle == kMemoryBaselineCycle ? figures_.rssBaselineKiB : figures_.rssFinalKiB) =
                    soak::ResidentKiB();
            }
        }
        figures_.cycleSeconds = static_cast<double>(clock.elapsed()) / 1000.0;
        QCOMPARE(LiveWindows(), windowsBefore);
        QCOMPARE(QApplication::topLevelWidgets().size(), topLevelsBefore);

        if (soak::kUnderAddressSanitizer) {
            qInfo("soak: resident memory not checked under AddressSanitizer");
            return;
        }
        if (!figures_.rssBaselineKiB || !figures_.rssFinalKiB || settings_.pageCycles <= kMemoryBaselineCycle) {
            qInfo("soak: resident memory not checked (not reported here, or too few cycles)");
            return;
        }
        const long long growth = *figures_.rssFinalKiB - *figures_.rssBaselineKiB;
        QVERIFY2(growth <= kMemoryGrowthLimitKiB,
                 qPrintable(QStringLiteral("resident memory grew by %1 KiB from cycle %2 to cycle %3")
                                .arg(growth)
                                .arg(kMemoryBaselineCycle)
                                .arg(settings_.pageCycles)));
    }

    void cleanupTestCase() {
        const auto kib = [](const std::optional<long long>& value) {
            return value ? QStringLiteral("%1 KiB").arg(*value) : QStringLiteral("n/a");
        };
        QStringList reasons;
        for (const auto& [reason, count] : figures_.faultReasons) reasons << QStringLiteral("%1 %2").arg(reason).arg(count);
        QStringList notices;
        for (const auto& [text, count] : figures_.noticeTexts) notices << QStringLiteral("\"%1\" %2").arg(text).arg(count);
        std::size_t pressedButtons = 0;
        std::size_t allButtons = 0;
        for (const Program& program : programs_) {
            allButtons += program.buttons.size();
            for (const QPushButton* button : program.buttons) {
                pressedButtons += figures_.pressesByButton.contains(program.title + QLatin1Char('/') + button->objectName());
            }
        }
        qInfo("soak: seed %llu", static_cast<unsigned long long>(settings_.seed));
        qInfo("soak: actions %lld; careless phase %lld actions in %.1f s: %lld presses, %lld typings, "
              "%zu of %zu buttons pressed",
              figures_.actions, figures_.carelessActions, figures_.carelessSeconds, figures_.presses,
              figures_.typings, pressedButtons, allButtons);
        qInfo("soak: notices (no icon) %lld, of them directory lists %lld: %s", figures_.notices,
              figures_.directoryNotices, qPrintable(notices.join(QStringLiteral(", "))));
        qInfo("soak: fault reports (warning icon) %lld: %s", figures_.faultReports,
              qPrintable(reasons.join(QStringLiteral(", "))));
        qInfo("soak: reference pages opened %lld, closed %lld, minimised %lld", figures_.pagesOpened,
              figures_.pagesClosed, figures_.pagesMinimised);
        qInfo("soak: page cycles %lld in %.1f s; RSS after %lld cycles %s, after %lld cycles %s",
              figures_.cycles, figures_.cycleSeconds, kMemoryBaselineCycle, qPrintable(kib(figures_.rssBaselineKiB)),
              figures_.cycles, qPrintable(kib(figures_.rssFinalKiB)));
        qInfo("soak: longest action %lld ms (%s); warnings logged %d, criticals %d",
              static_cast<long long>(figures_.longestActionMs), qPrintable(figures_.longestAction),
              messages_->Warnings(), messages_->Criticals());
        const QStringList logged = messages_->Distinct();
        for (qsizetype i = 0; i < std::min<qsizetype>(logged.size(), 4); ++i) {
            qInfo("soak: logged %s", qPrintable(logged[i]));
        }
        if (logged.size() > 4) qInfo("soak: logged %lld more distinct texts", static_cast<long long>(logged.size() - 4));
        qInfo("soak: elapsed %.1f s", static_cast<double>(total_.elapsed()) / 1000.0);

        QCOMPARE(messages_->Criticals(), 0);
        orvane_.reset();
        tandrel_.reset();
        DeliverPostedEvents();
        watchdog_.reset();
        dismisser_.reset();
        messages_.reset();
    }
};

}  // namespace

int RunSoakTests(int argc, char** argv) {
    SoakTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "soak_test.moc"
