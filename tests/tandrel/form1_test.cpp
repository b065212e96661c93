#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <map>
#include <memory>

#include "tandrel/directory_rows.h"
#include "tandrel/form1.h"
#include "tandrel/form1_definition.h"
#include "tests/support/notice_recorder.h"
#include "ui/caption_fit.h"

namespace {

QString Qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect PixelsOf(const ui::TwipRect& rect) {
    return QRect(rect.left / 15, rect.top / 15, rect.width / 15, rect.height / 15);
}

const char* const kBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9", "Text10", "Text12"};

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tandrel::Form1> form_;

    ui::Window& Window() { return form_->Window(); }
    QWidget* Named(const char* name) { return Window().findChild<QWidget*>(QString::fromLatin1(name)); }
    void Press(std::initializer_list<const char*> buttons) {
        for (const char* button : buttons) ClickButton(Window(), button);
    }
    std::map<QString, QString> AllBoxes() {
        std::map<QString, QString> boxes;
        for (const char* box : kBoxes) boxes.emplace(QString::fromLatin1(box), BoxText(Window(), box));
        return boxes;
    }
    // The widget drawn on top at the centre of a control's rectangle.
    QWidget* TopmostAtCentreOf(const char* name) {
        QWidget* control = Named(name);
        return Window().childAt(control->mapTo(&Window(), control->rect().center()));
    }
    // Whether the widget seen at point is the control or lies inside it.
    static bool IsOrInside(const QWidget* seen, const QWidget* control) {
        return seen && (seen == control || control->isAncestorOf(seen));
    }

private slots:
    void init() {
        form_ = std::make_unique<tandrel::Form1>();
        form_->Show();
        QVERIFY(QTest::qWaitForWindowExposed(&Window()));
    }
    void cleanup() { form_.reset(); }

    void everyControlStandsWhereDefined() {
        const ui::WindowDefinition& definition = tandrel::Form1Definition();
        for (const ui::ControlDefinition& control : definition.controls) {
            const QString name = Qs(control.name);
            QWidget* widget = Window().findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->geometry(), PixelsOf(control.rect));
            const QWidget* expectedParent = control.frame.empty() ? &Window() : Named(control.frame.data());
            QCOMPARE(widget->parentWidget(), expectedParent);
            QString text;
            switch (control.kind) {
            case ui::ControlKind::Label:
                QVERIFY2(qobject_cast<QLabel*>(widget), qPrintable(name));
                text = static_cast<QLabel*>(widget)->text();
                break;
            case ui::ControlKind::TextBox:
                QVERIFY2(qobject_cast<QLineEdit*>(widget), qPrintable(name));
                text = static_cast<QLineEdit*>(widget)->text();
                break;
            case ui::ControlKind::Button:
                QVERIFY2(qobject_cast<QPushButton*>(widget), qPrintable(name));
                text = static_cast<QPushButton*>(widget)->text();
                break;
            case ui::ControlKind::Frame:
                text = qobject_cast<QGroupBox*>(widget) ? static_cast<QGroupBox*>(widget)->title() : Qs(control.text);
                break;
            case ui::ControlKind::PictureBox: QFAIL("no picture box on this window"); break;
            }
            QCOMPARE(text, Qs(control.text));
        }
    }

    void definitionNamesTheWindowAndItsKeys() {
        const ui::WindowDefinition& definition = tandrel::Form1Definition();
        QCOMPARE(Qs(definition.caption), QStringLiteral("TANDREL"));
        QCOMPARE(Window().windowTitle(), QStringLiteral("TANDREL"));
        QCOMPARE(definition.backColour, 0x00FFC0C0u);
        // Keys are found by name, with their own captions.
        const std::pair<const char*, const char*> keys[] = {
            {"Command10", " 0"}, {"Command2", " 1"}, {"Command1", " 4"}, {"y", "+/-"},
            {"Command14", "="},  {"Command21", "C"}, {"Command12", "/"}, {"Command15", "TOGGLE CALCULATOR"},
        };
        for (const auto& [name, caption] : keys) {
            auto* button = qobject_cast<QPushButton*>(Named(name));
            QVERIFY2(button, name);
            QCOMPARE(button->text(), QString::fromLatin1(caption));
        }
        QCOMPARE(Named("Command6")->parentWidget(), &Window());
        QCOMPARE(Named("Text1")->parentWidget(), Named("Frame1"));
        QCOMPARE(Named("Command13")->parentWidget(), Named("Frame2"));
        QVERIFY(static_cast<QLineEdit*>(Named("Text1"))->alignment() & Qt::AlignRight);
    }

    void opensWithInitialTextsAndFocusOnClear() {
        for (const char* box : kBoxes) {
            QCOMPARE(BoxText(Window(), box), QString::fromLatin1(std::string_view(box) == "Text12" ? "" : " "));
        }
        QVERIFY(!Named("Text6") && !Named("Text11") && !Named("Text13"));
        QVERIFY(Window().IsFrameVisible("Frame1"));
        QVERIFY(Named("Text1")->isVisible());
        QVERIFY(Window().focusWidget());
        QCOMPARE(Window().focusWidget()->objectName(), QStringLiteral("Command21"));
        // Then on in tab-index order: "=", the display, "*".
        QWidget* next = Named("Command21");
        for (const char* name : {"Command14", "Text1", "Command18"}) {
            next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), QString::fromLatin1(name));
        }
        QCOMPARE(form_->port48, 0);
        QCOMPARE(form_->port24, 0);
        QCOMPARE(form_->pendingOperand, 0);
        QCOMPARE(form_->pendingOperator, 0);
    }

    void opensAtDesignSizeCentred() {
        QVERIFY(!Window().isMaximized());
        QCOMPARE(Window().size(), QSize(692, 505));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offset = Window().geometry().center() - available.center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    }

    void keypadComputesFromItsButtons() {
        Press({"Command8"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral(" 5"));
        Press({"Command16", "Command3", "Command14"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("8"));
        QCOMPARE(form_->pendingOperand, 5);
        QCOMPARE(form_->pendingOperator, 1);
        Press({"Command14"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("13"));
        // Every digit key appends its own digit, without its caption's blank.
        Press({"Command21", "Command10", "Command2", "Command7", "Command3", "Command1", "Command8", "Command4",
               "Command11", "Command9", "Command5"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("0123456789"));
        Press({"Command21", "Command1", "Command12", "Command7", "Command14"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("2"));
        Press({"Command18", "Command11", "Command14", "y"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("-14"));
        Press({"Command17", "Command4", "Command14"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("-20"));
        QCOMPARE(form_->pendingOperand, -14);
        QCOMPARE(form_->pendingOperator, 2);
    }

    void toggleTwiceHidesThenShowsKeypadAsItWas() {
        Press({"Command11", "Command16", "Command7"});
        const QString display = BoxText(Window(), "Text1");
        Press({"Command15"});
        QVERIFY(!Window().IsFrameVisible("Frame1"));
        QVERIFY(!Named("Text1")->isVisible());
        QVERIFY(!Named("Command14")->isVisible());
        QVERIFY(Named("Command15")->isVisible());
        QCOMPARE(BoxText(Window(), "Text1"), display);
        Press({"Command15"});
        QVERIFY(Window().IsFrameVisible("Frame1"));
        QVERIFY(Named("Text1")->isVisible());
        QCOMPARE(BoxText(Window(), "Text1"), display);
        QCOMPARE(form_->pendingOperand, 7);
        QCOMPARE(form_->pendingOperator, 1);
        Press({"Command14"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("9"));
    }

    void port48ButtonsWorkOverTheKeypadShownOrHidden() {
        for (const bool keypadShown : {true, false}) {
            if (!keypadShown) Press({"Command15"});
            QCOMPARE(Window().IsFrameVisible("Frame1"), keypadShown);
            for (const char* button : {"Command6", "Command24", "Command20", "Command15"}) {
                QVERIFY2(Named(button)->isVisible(), button);
                QCOMPARE(TopmostAtCentreOf(button), Named(button));
            }
            SetBoxText(Window(), "Text2", QStringLiteral("176"));
            Press({"Command6"});
            QCOMPARE(BoxText(Window(), "Text3"), QStringLiteral("49"));
            QCOMPARE(BoxText(Window(), "Text4"), QStringLiteral("2"));
            QCOMPARE(BoxText(Window(), "Text5"), QStringLiteral("1"));
            SetBoxText(Window(), "Text12", QStringLiteral("97"));
            Press({"Command24"});
            QCOMPARE(BoxText(Window(), "Text3"), QStringLiteral("97"));
            QCOMPARE(BoxText(Window(), "Text4"), QStringLiteral("3"));
            QCOMPARE(BoxText(Window(), "Text5"), QStringLiteral("1"));
            Press({"Command20"});
            for (const char* box : {"Text2", "Text12", "Text3", "Text4", "Text5"}) {
                QCOMPARE(BoxText(Window(), box), QString());
            }
            QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral(" "));
        }
    }

    void port24CalculatesAndClears() {
        NoticeRecorder recorder;
        SetBoxText(Window(), "Text7", QStringLiteral("152"));
        Press({"Command13"});
        QCOMPARE(BoxText(Window(), "Text8"), QStringLiteral("25"));
        QCOMPARE(BoxText(Window(), "Text9"), QStringLiteral("2"));
        QCOMPARE(BoxText(Window(), "Text10"), QStringLiteral("1"));
        QCOMPARE(form_->port24, 1);
        QVERIFY(recorder.Notices().empty());
        Press({"Command19"});
        SetBoxText(Window(), "Text7", QStringLiteral("0"));
        Press({"Command13"});
        QCOMPARE(recorder.Notices().size(), std::size_t{1});
        QCOMPARE(recorder.Notices()[0].text, QStringLiteral("Please verify the input"));
        QCOMPARE(recorder.Notices()[0].title, QStringLiteral("tandrel"));
    }

    void stackingCoversLabel6AndLabel3sFoot() {
        QCOMPARE(TopmostAtCentreOf("Label6"), Named("Command26"));
        // Label3's caption stands in its upper part, above the keypad frame.
        QWidget* label3 = Named("Label3");
        const QPoint captionPoint = label3->geometry().topLeft() + QPoint(40, 3);
        QCOMPARE(Window().childAt(captionPoint), label3);
        const QPoint footPoint = label3->geometry().bottomLeft() + QPoint(40, -2);
        QVERIFY(IsOrInside(Window().childAt(footPoint), Named("Frame1")));
    }

    void directoryButtonsShowTheirNoticesInOrder() {
        const std::pair<const char*, tandrel::DirectoryList> buttons[] = {
            {"Command22", tandrel::DirectoryList::PondyP2}, {"Command23", tandrel::DirectoryList::OkpP2},
            {"Command25", tandrel::DirectoryList::Mp},      {"Command26", tandrel::DirectoryList::ThreeM},
            {"Command27", tandrel::DirectoryList::Others},
        };
        SetBoxText(Window(), "Text2", QStringLiteral("176"));
        Press({"Command6", "Command8", "Command16"});
        const auto boxes = AllBoxes();
        const std::int16_t port48 = form_->port48;
        for (const auto& [button, list] : buttons) {
            for (int repeat = 0; repeat < 2; ++repeat) {
                NoticeRecorder recorder;
                Press({button});
                const auto expected = tandrel::NoticesOf(list);
                QCOMPARE(recorder.Notices().size(), expected.size());
                for (std::size_t i = 0; i < expected.size(); ++i) {
                    const RecordedNotice& notice = recorder.Notices()[i];
                    QCOMPARE(notice.text, QString::fromStdString(expected[i].Text()));
                    QCOMPARE(notice.title, QStringLiteral("tandrel"));
                    QCOMPARE(notice.icon, QMessageBox::NoIcon);
                    QCOMPARE(notice.buttonCount, 1);
                    QCOMPARE(notice.buttonText, QStringLiteral("OK"));
                }
            }
        }
        QVERIFY(AllBoxes() == boxes);
        QCOMPARE(form_->port48, port48);
        QCOMPARE(form_->pendingOperand, 5);
        QCOMPARE(form_->pendingOperator, 1);
    }

    void mpNoticesComeOneAfterTheOther() {
        NoticeRecorder recorder;
        Press({"Command25"});
        QCOMPARE(recorder.Notices().size(), std::size_t{2});
        QVERIFY(recorder.Notices()[0].text.startsWith(QStringLiteral("1   Villianur-240")));
        QVERIFY(recorder.Notices()[0].text.endsWith(QStringLiteral("2012")));
        QVERIFY(recorder.Notices()[1].text.startsWith(QStringLiteral(" 12  Tiruchitrambalam-240")));
        QVERIFY(recorder.Notices()[1].text.endsWith(QStringLiteral("2027")));
    }

    void faultIsReportedAndTheWindowGoesOn() {
        NoticeRecorder recorder;
        Press({"Command16"});
        QCOMPARE(recorder.Notices().size(), std::size_t{1});
        QCOMPARE(recorder.Notices()[0].icon, QMessageBox::Warning);
        QCOMPARE(recorder.Notices()[0].title, QStringLiteral("tandrel"));
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral(" "));
        QCOMPARE(form_->pendingOperand, 0);
        QCOMPARE(form_->pendingOperator, 0);
        // Dividing by an empty display faults too, and leaves it empty.
        Press({"Command9", "Command12", "Command14"});
        QCOMPARE(recorder.Notices().size(), std::size_t{2});
        QCOMPARE(BoxText(Window(), "Text1"), QString());
        QCOMPARE(form_->pendingOperand, 8);
        QCOMPARE(form_->pendingOperator, 4);
        Press({"Command7", "Command14"});
        QCOMPARE(BoxText(Window(), "Text1"), QStringLiteral("4"));
        QVERIFY(Window().isVisible());
    }

    void everyCaptionFits() {
        const QStringList misfits = ui::CaptionsThatDoNotFit(Window());
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(QStringLiteral("; "))));
    }

    // Runs the event loop as the program does: closing the window must end it.
    void closingTheWindowEndsTheEventLoop() {
        QTimer::singleShot(0, &Window(), [this] { Window().close(); });
        QTimer safety;
        safety.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&safety, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        safety.start(5000);
        const int status = QApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(status, 0);
        QVERIFY(!Window().isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
