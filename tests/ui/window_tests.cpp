#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/faults.h"
#include "tests/support/notice_recorder.h"
#include "ui/caption_fit.h"
#include "ui/fonts.h"
#include "ui/window.h"

using ui::Alignment;
using ui::ControlDefinition;
using ui::ControlKind;
using ui::TwipRect;
using ui::WindowDefinition;

namespace {

const QString kTitle = QStringLiteral("testprog");

// A small window: a heading label partly under a text box, two boxes, two
// buttons, and a frame holding a label, a box and a button; Command3 stands
// on the window over the frame's top band. Tab indexes are out of table order.
constexpr std::array kControls{
    ControlDefinition{.name = "Label1", .kind = ControlKind::Label, .text = "HEADING",
                      .rect = {150, 150, 1500, 450}, .tabIndex = 0,
                      .foreColour = 0x80000008u, .backColour = 0x00FFC0C0u,
                      .alignment = Alignment::Centre},
    ControlDefinition{.name = "Text1", .kind = ControlKind::TextBox, .text = " ",
                      .rect = {150, 450, 1500, 375}, .tabIndex = 3, .backColour = 0x00FFFFFFu},
    ControlDefinition{.name = "Text2", .kind = ControlKind::TextBox, .text = "",
                      .rect = {1800, 450, 1500, 375}, .tabIndex = 1,
                      .alignment = Alignment::Right},
    ControlDefinition{.name = "Command1", .kind = ControlKind::Button, .text = "WRITE",
                      .rect = {150, 1050, 1200, 375}, .tabIndex = 5, .backColour = 0x00FF8080u},
    ControlDefinition{.name = "Command2", .kind = ControlKind::Button, .text = "OTHER",
                      .rect = {1500, 1050, 1200, 375}, .tabIndex = 2},
    ControlDefinition{.name = "Frame1", .kind = ControlKind::Frame, .text = "",
                      .rect = {150, 1500, 3000, 1500}, .tabIndex = 4, .backColour = 0x00C0FFC0u},
    ControlDefinition{.name = "Label2", .kind = ControlKind::Label, .text = "INSIDE",
                      .rect = {150, 600, 900, 255}, .tabIndex = 6, .foreColour = 0x000000FFu,
                      .frame = "Frame1"},
    ControlDefinition{.name = "Text3", .kind = ControlKind::TextBox, .text = " 7",
                      .rect = {1200, 600, 1200, 375}, .tabIndex = 7, .frame = "Frame1"},
    ControlDefinition{.name = "Command4", .kind = ControlKind::Button, .text = "IN FRAME",
                      .rect = {150, 1050, 1200, 375}, .tabIndex = 9, .frame = "Frame1"},
    ControlDefinition{.name = "Command3", .kind = ControlKind::Button, .text = "OVER",
                      .rect = {1800, 1560, 1200, 375}, .tabIndex = 8},
};

constexpr WindowDefinition kSmall{.name = "FormT", .caption = "Small window",
                                  .clientWidth = 4500, .clientHeight = 3300,
                                  .startPosition = ui::StartPosition::CentreScreen,
                                  .state = ui::WindowState::Normal, .backColour = 0x00FFC0C0u,
                                  .controls = kControls};

// A 40 x 30 GIF: red, lime, blue and yellow quarters, a black top-left pixel.
constexpr unsigned char kQuarterGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x28, 0x00, 0x1e, 0x00, 0xf2, 0x00, 0x00, 0x00, 0x00,
    0x00, 0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0xff, 0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x2c, 0x00, 0x00, 0x00, 0x00, 0x28, 0x00, 0x1e, 0x00, 0x00, 0x03, 0x71, 0x08, 0xb1, 0xdc,
    0xde, 0x22, 0xca, 0x49, 0xe9, 0xbb, 0xb7, 0x6a, 0x8d, 0x3b, 0xdb, 0xa0, 0xe4, 0x79, 0x61,
    0x38, 0x76, 0x25, 0x78, 0x62, 0xe9, 0xb6, 0x66, 0x6d, 0xf5, 0x3e, 0xb1, 0x3c, 0x43, 0xf5,
    0x74, 0xe3, 0x79, 0xb4, 0x7f, 0x3d, 0xdf, 0x2f, 0x10, 0x14, 0xfe, 0x8a, 0x82, 0x21, 0xb1,
    0xa8, 0x44, 0x12, 0x9e, 0xd0, 0xa8, 0x54, 0x3a, 0xa8, 0x5a, 0xaf, 0x58, 0xec, 0x74, 0xbb,
    0xcd, 0x7a, 0xbd, 0xdc, 0x30, 0xf4, 0x4b, 0xb6, 0x8a, 0xc5, 0xe5, 0xf2, 0x39, 0x9c, 0x26,
    0xaf, 0xb9, 0xed, 0xef, 0xbb, 0x1b, 0xcf, 0xce, 0xa7, 0x75, 0xfb, 0x3d, 0x9a, 0xd7, 0xee,
    0xc7, 0x7d, 0x66, 0x7f, 0x4f, 0x81, 0x82, 0x83, 0x85, 0x55, 0x83, 0x84, 0x88, 0x8a, 0x04,
    0x88, 0x03, 0x8d, 0x8f, 0x09, 0x00, 0x3b};

template <typename Widget = QWidget>
Widget* Find(QWidget& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

// A picture whose every pixel differs from its neighbours, so that any
// shift, scaling or smoothing shows.
QImage PatternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 37) % 256, (y * 53) % 256, ((x + y) * 11) % 256));
        }
    }
    return image;
}

// The first pixel where actual differs from expected's top-left corner of
// the same size, or an empty string.
QString FirstDifference(const QImage& actual, const QImage& expected) {
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                return QStringLiteral("pixel %1,%2: %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
            }
        }
    }
    return {};
}

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class WindowTests : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::setStyle(QStringLiteral("Fusion")); }
    void cleanup() {
        // No window of one test outlives it.
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->close();
        }
    }

    void ControlsStandAtTheirRectanglesByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("label") << "Label1" << "FormT" << QRect(10, 10, 100, 30);
        QTest::newRow("box") << "Text2" << "FormT" << QRect(120, 30, 100, 25);
        QTest::newRow("button") << "Command1" << "FormT" << QRect(10, 70, 80, 25);
        QTest::newRow("frame") << "Frame1" << "FormT" << QRect(10, 100, 200, 100);
        QTest::newRow("label in frame") << "Label2" << "Frame1" << QRect(10, 40, 60, 17);
        QTest::newRow("box in frame") << "Text3" << "Frame1" << QRect(80, 40, 80, 25);
        QTest::newRow("button in frame") << "Command4" << "Frame1" << QRect(10, 70, 80, 25);
        QTest::newRow("button over frame") << "Command3" << "FormT" << QRect(120, 104, 80, 25);
    }
    void ControlsStandAtTheirRectanglesByName() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        ui::Window window(kSmall, kTitle);
        auto* control = window.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), pixels);
        QCOMPARE(window.Control(name.toStdString()), control);
    }

    void ControlsStayPutWhenTheWindowResizes() {
        ui::Window window(kSmall, kTitle);
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(900, 700);
        QTest::qWait(20);
        QCOMPARE(Find(window, "Text3")->geometry(), QRect(80, 40, 80, 25));
        QCOMPARE(Find(window, "Frame1")->geometry(), QRect(10, 100, 200, 100));
        window.resize(100, 60);
        QTest::qWait(20);
        QCOMPARE(Find(window, "Command1")->geometry(), QRect(10, 70, 80, 25));
    }

    void ControlsStartWithTheirTexts() {
        ui::Window window(kSmall, kTitle);
        QCOMPARE(window.objectName(), QStringLiteral("FormT"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Small window"));
        QCOMPARE(BoxText(window, "Text1"), QStringLiteral(" "));
        QCOMPARE(BoxText(window, "Text2"), QString());
        QCOMPARE(BoxText(window, "Text3"), QStringLiteral(" 7"));
        QCOMPARE(Find<QLabel>(window, "Label1")->text(), QStringLiteral("HEADING"));
        QCOMPARE(Find<QPushButton>(window, "Command3")->text(), QStringLiteral("OVER"));
        QCOMPARE(Find<QLineEdit>(window, "Text2")->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
    }

    void LabelsDrawPlainTextFromTheirTopEdge() {
        ui::Window window(kSmall, kTitle);
        auto* heading = Find<QLabel>(window, "Label1");
        QCOMPARE(heading->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(heading->textFormat(), Qt::PlainText);
        QVERIFY(heading->wordWrap());
        QCOMPARE(Find<QLabel>(window, "Label2")->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }

    void ColoursComeFromTheDefinition() {
        ui::Window window(kSmall, kTitle);
        const QPalette desktop = QApplication::palette();
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
        QVERIFY(window.autoFillBackground());

        auto* heading = Find(window, "Label1");
        QCOMPARE(heading->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
        QVERIFY(heading->autoFillBackground());
        QCOMPARE(heading->palette().color(QPalette::WindowText),
                 desktop.color(QPalette::Active, QPalette::WindowText));
        QCOMPARE(Find(window, "Label2")->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
        QVERIFY(!Find(window, "Label2")->autoFillBackground());
        QCOMPARE(Find(window, "Text1")->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(Find(window, "Frame1")->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
        QCOMPARE(Find(window, "Command1")->palette().color(QPalette::Button),
                 QColor(0x80, 0x80, 0xFF));
        // No colour given: the toolkit's own.
        QCOMPARE(Find(window, "Command2")->palette().color(QPalette::Button),
                 QApplication::palette(Find(window, "Command2")).color(QPalette::Button));
    }

    void ButtonShowsItsBackgroundColour() {
        ui::Window window(kSmall, kTitle);
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Between the caption and the bevel: near the left edge, mid-height.
        // The style shades the face, so compare its hue, not its exact value.
        const QImage coloured = Grab(*Find(window, "Command1"));
        const QColor face = coloured.pixelColor(5, coloured.height() / 2);
        QVERIFY2(face.blue() - face.red() > 40 && face.blue() - face.green() > 40,
                 qPrintable(face.name()));
        const QImage plain = Grab(*Find(window, "Command2"));
        const QColor plainFace = plain.pixelColor(5, plain.height() / 2);
        QVERIFY2(qAbs(plainFace.blue() - plainFace.red()) < 20, qPrintable(plainFace.name()));
    }

    void FocusFollowsTabIndex() {
        ui::Window window(kSmall, kTitle);
        QCOMPARE(Find(window, "Label1")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Find(window, "Frame1")->focusPolicy(), Qt::NoFocus);
        // Tab indexes 1, 2, 3, 5, 7, 8, 9 (0, 4 and 6 are a label, the frame
        // and a label).
        const QStringList expected{"Text2", "Command2", "Text1", "Command1",
                                   "Text3", "Command3", "Command4"};
        QStringList chain;
        QWidget* widget = Find(window, "Text2");
        do {
            if (widget->focusPolicy() & Qt::TabFocus) {
                chain.push_back(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget != Find(window, "Text2") && chain.size() < 20);
        QCOMPARE(chain, expected);
    }

    void FocusStartsOnTheLowestTabIndexThatTakesIt() {
        ui::Window window(kSmall, kTitle);
        QCOMPARE(window.focusWidget(), Find(window, "Text2"));
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), Find(window, "Text2"));
    }

    void PictureBoxesTakeTheFocus() {
        const ControlDefinition controls[] = {
            {.name = "Label1", .kind = ControlKind::Label, .text = "L", .rect = {0, 0, 600, 300},
             .tabIndex = 0},
            {.name = "Picture1", .kind = ControlKind::PictureBox, .rect = {0, 300, 600, 300},
             .tabIndex = 1},
            {.name = "Text1", .kind = ControlKind::TextBox, .rect = {0, 600, 600, 300},
             .tabIndex = 2},
        };
        const WindowDefinition definition{.name = "FormP", .clientWidth = 900,
                                          .clientHeight = 900, .controls = controls};
        ui::Window window(definition, kTitle);
        QCOMPARE(Find(window, "Picture1")->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(window.focusWidget(), Find(window, "Picture1"));
        QCOMPARE(Find(window, "Picture1")->nextInFocusChain(), Find(window, "Text1"));
    }

    void LabelsLieBeneathOtherControls() {
        ui::Window window(kSmall, kTitle);
        // Label1 (10,10 100x30) reaches into Text1 (10,30 100x25).
        QCOMPARE(window.childAt(50, 35), Find(window, "Text1"));
        QCOMPARE(window.childAt(50, 15), Find(window, "Label1"));
        // A button on the window over the frame stands above the frame.
        QCOMPARE(window.childAt(150, 115), Find(window, "Command3"));
    }

    void LabelsLieBeneathAFrameTheyOverlap() {
        const ControlDefinition controls[] = {
            {.name = "Frame1", .kind = ControlKind::Frame, .rect = {0, 300, 1500, 900}},
            {.name = "Label1", .kind = ControlKind::Label, .text = "UNDER",
             .rect = {150, 0, 1200, 600}, .tabIndex = 1},
        };
        const WindowDefinition definition{.name = "FormL", .clientWidth = 1500,
                                          .clientHeight = 1200, .controls = controls};
        ui::Window window(definition, kTitle);
        QCOMPARE(window.childAt(50, 30), Find(window, "Frame1"));
        QCOMPARE(window.childAt(50, 5), Find(window, "Label1"));
    }

    void HidingAFrameHidesWhatIsInItAndKeepsTexts() {
        ui::Window window(kSmall, kTitle);
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SetBoxText(window, "Text3", QStringLiteral("12.5"));
        QVERIFY(window.IsFrameVisible("Frame1"));

        window.SetFrameVisible("Frame1", false);
        QVERIFY(!window.IsFrameVisible("Frame1"));
        QVERIFY(!Find(window, "Text3")->isVisible());
        QVERIFY(!Find(window, "Command4")->isVisible());
        QVERIFY(Find(window, "Command3")->isVisible());  // on the window, not in the frame
        QCOMPARE(window.childAt(150, 115), Find(window, "Command3"));
        QCOMPARE(window.Fields().Read("Text3"), std::string("12.5"));

        window.SetFrameVisible("Frame1", true);
        QVERIFY(window.IsFrameVisible("Frame1"));
        QVERIFY(Find(window, "Text3")->isVisible());
        QCOMPARE(BoxText(window, "Text3"), QStringLiteral("12.5"));
        QCOMPARE(Find<QLabel>(window, "Label2")->text(), QStringLiteral("INSIDE"));
    }

    void FieldsReadAndWriteTheRealBoxes() {
        ui::Window window(kSmall, kTitle);
        core::FormFields& fields = window.Fields();
        QCOMPARE(fields.Read("Text1"), std::string(" "));
        QCOMPARE(fields.Read("Text2"), std::string());

        fields.Write("Text2", "  12 x  ");
        QCOMPARE(BoxText(window, "Text2"), QStringLiteral("  12 x  "));
        QCOMPARE(fields.Read("Text2"), std::string("  12 x  "));

        fields.Write("Text3", "caf\xc3\xa9");  // UTF-8 both ways
        QCOMPARE(BoxText(window, "Text3"), QStringLiteral("caf\u00e9"));
        QCOMPARE(fields.Read("Text3"), std::string("caf\xc3\xa9"));

        // What the user types is read as it stands.
        auto* box = Find<QLineEdit>(window, "Text1");
        box->clear();
        QTest::keyClicks(box, QStringLiteral("3 9,00"));
        QCOMPARE(fields.Read("Text1"), std::string("3 9,00"));

        // No length limit: a megabyte of digits goes in and comes back whole.
        const std::string megabyte(1 << 20, '7');
        fields.Write("Text2", megabyte);
        QCOMPARE(fields.Read("Text2").size(), megabyte.size());
        QVERIFY(fields.Read("Text2") == megabyte);
    }

    void NoticeIsModalTitledWithTheProgramAndPlain() {
        ui::Window window(kSmall, kTitle);
        window.OnClick("Command1", [&window] {
            window.Notice()("Enter  the   <b>Valid</b> VLAN !!!....");
            window.Fields().Write("Text1", "after");
        });
        window.ShowAndActivate();
        NoticeRecorder recorder;
        std::vector<bool> modal;
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&modal] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                modal.push_back(box->isModal() && box->parentWidget() != nullptr &&
                                box->textFormat() == Qt::PlainText);
            }
        });
        probe.start(3);
        ClickButton(window, "Command1");
        probe.stop();

        QCOMPARE(recorder.Notices().size(), std::size_t{1});
        const RecordedNotice& notice = recorder.Notices().front();
        QCOMPARE(notice.title, kTitle);
        QCOMPARE(notice.text, QStringLiteral("Enter  the   <b>Valid</b> VLAN !!!...."));
        QCOMPARE(notice.icon, QMessageBox::NoIcon);
        QCOMPARE(notice.buttonCount, 1);
        QCOMPARE(notice.buttonText, QStringLiteral("OK"));
        QVERIFY(std::all_of(modal.begin(), modal.end(), [](bool ok) { return ok; }));
        // The handler went on only after the notice was dismissed.
        QCOMPARE(BoxText(window, "Text1"), QStringLiteral("after"));
    }

    void TwoNoticesInOneClickAreRecordedInTurn() {
        ui::Window window(kSmall, kTitle);
        window.OnClick("Command2", [&window] {
            window.Notice()("first");
            window.Notice()("second");
        });
        NoticeRecorder recorder;
        ClickButton(window, "Command2");
        QCOMPARE(recorder.Notices().size(), std::size_t{2});
        QCOMPARE(recorder.Notices()[0].text, QStringLiteral("first"));
        QCOMPARE(recorder.Notices()[1].text, QStringLiteral("second"));
        recorder.Clear();
        QVERIFY(recorder.Notices().empty());
    }

    void FaultInAHandlerIsReportedAndTheWindowGoesOn_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("says");
        QTest::newRow("overflow") << 0 << "overflow";
        QTest::newRow("division by zero") << 1 << "division by zero";
        QTest::newRow("invalid operation") << 2 << "invalid operation";
        QTest::newRow("not a number") << 3 << "a text that is not one number";
        QTest::newRow("other exception") << 4 << "bad thing";
    }
    void FaultInAHandlerIsReportedAndTheWindowGoesOn() {
        QFETCH(int, fault);
        QFETCH(QString, says);
        ui::Window window(kSmall, kTitle);
        int faultingRuns = 0;
        window.OnClick("Command1", [&window, &faultingRuns, fault] {
            ++faultingRuns;
            window.Fields().Write("Text1", "written before");
            switch (fault) {
            case 0: throw core::ArithmeticFault(core::ArithmeticCondition::Overflow);
            case 1: throw core::ArithmeticFault(core::ArithmeticCondition::DivisionByZero);
            case 2: throw core::ArithmeticFault(core::ArithmeticCondition::InvalidOperation);
            case 3: throw core::ConversionFault();
            default: throw std::runtime_error("bad thing");
            }
            window.Fields().Write("Text2", "never");
        });
        window.OnClick("Command2", [&window] { window.Fields().Write("Text2", "still working"); });
        window.ShowAndActivate();

        NoticeRecorder recorder;
        ClickButton(window, "Command1");
        QCOMPARE(recorder.Notices().size(), std::size_t{1});
        const RecordedNotice& report = recorder.Notices().front();
        QCOMPARE(report.title, kTitle);
        QCOMPARE(report.icon, QMessageBox::Warning);
        QCOMPARE(report.buttonCount, 1);
        QVERIFY2(report.text.contains(says), qPrintable(report.text));
        QCOMPARE(BoxText(window, "Text1"), QStringLiteral("written before"));
        QCOMPARE(BoxText(window, "Text2"), QString());

        ClickButton(window, "Command2");
        QCOMPARE(BoxText(window, "Text2"), QStringLiteral("still working"));
        ClickButton(window, "Command1");
        QCOMPARE(faultingRuns, 2);
        QCOMPARE(recorder.Notices().size(), std::size_t{2});
        QVERIFY(window.isVisible());
    }

    void PictureLargerThanItsBoxIsCutNotScaled_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("24-bit BMP") << "bmp24";
        QTest::newRow("8-bit BMP with palette") << "bmp8";
        QTest::newRow("JPEG") << "jpeg";
        QTest::newRow("GIF") << "gif";
    }
    void PictureLargerThanItsBoxIsCutNotScaled() {
        QFETCH(QString, format);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path;
        QSize stored;
        if (format == QLatin1String("gif")) {
            path = dir.filePath(QStringLiteral("picture.gif"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(kQuarterGif), sizeof kQuarterGif);
            stored = QSize(40, 30);
        } else {
            QImage source = PatternImage(120, 80);
            if (format == QLatin1String("bmp8")) {
                source = source.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
            }
            path = dir.filePath(format == QLatin1String("jpeg") ? QStringLiteral("picture.jpg")
                                                                : QStringLiteral("picture.bmp"));
            QVERIFY(source.save(path));
            stored = source.size();
        }
        const QImage decoded = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(decoded.size(), stored);
        if (format == QLatin1String("bmp8")) {
            QCOMPARE(QImageReader(path).imageFormat(), QImage::Format_Indexed8);
        }

        // The box is smaller than the picture both ways: 2/3 of its width,
        // 1/2 of its height.
        const std::string picture = path.toStdString();
        const ControlDefinition controls[] = {
            {.name = "Picture1", .kind = ControlKind::PictureBox,
             .rect = {150, 150, stored.width() * 2 / 3 * 15, stored.height() / 2 * 15}, .tabIndex = 0,
             .picture = picture},
        };
        const WindowDefinition definition{.name = "FormP", .clientWidth = 3000,
                                          .clientHeight = 1800, .controls = controls};
        ui::Window window(definition, kTitle);
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* box = Find(window, "Picture1");
        QCOMPARE(box->size(), QSize(stored.width() * 2 / 3, stored.height() / 2));
        const QImage shown = Grab(*box);
        const QString difference = FirstDifference(shown, decoded);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        // Just outside the box the window's background shows again.
        const QImage client = Grab(window);
        QCOMPARE(client.pixelColor(10 + box->width() + 2, 10 + box->height() / 2),
                 QColor(0xC0, 0xC0, 0xFF));
    }

    void BackgroundPictureIsDrawnAtTheCornerUnscaled() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("background.bmp"));
        const QImage source = PatternImage(90, 400);  // narrower and taller than the window
        QVERIFY(source.save(path));
        const std::string picture = path.toStdString();
        const WindowDefinition definition{.name = "FormB", .caption = "FormB",
                                          .clientWidth = 3000, .clientHeight = 1500,
                                          .backColour = 0x00FFC0C0u,
                                          .backgroundPicture = picture};
        ui::Window window(definition, kTitle);
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage client = Grab(window);
        QCOMPARE(client.size(), QSize(200, 100));
        const QString difference = FirstDifference(client.copy(0, 0, 90, 100), source);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        // Not tiled: right of the picture the background colour shows.
        QCOMPARE(client.pixelColor(150, 50), QColor(0xC0, 0xC0, 0xFF));
    }

    void MaximisedWindowRestoresToItsDesignedSizeCentred() {
        const WindowDefinition definition{.name = "FormM", .caption = "",
                                          .clientWidth = 4560, .clientHeight = 3030,
                                          .startPosition = ui::StartPosition::CentreScreen,
                                          .state = ui::WindowState::Maximised};
        ui::Window window(definition, kTitle);
        window.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isMaximized());
        QCOMPARE(window.windowTitle(), QString());
        const QRect normal = window.normalGeometry();
        QCOMPARE(normal.size(), QSize(304, 202));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(normal.center().x() - available.center().x()) <= 1);
        QVERIFY(qAbs(normal.center().y() - available.center().y()) <= 1);

        window.showNormal();
        QTRY_COMPARE(window.size(), QSize(304, 202));
    }

    void ShowingAnOpenWindowBringsItToTheFront() {
        ui::Window first(kSmall, kTitle);
        ui::Window second(kSmall, kTitle);
        QVERIFY(!first.parentWidget());
        first.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        second.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowActive(&second));
        first.Fields().Write("Text2", "kept");
        const QRect before = first.geometry();

        first.ShowAndActivate();
        QVERIFY(QTest::qWaitForWindowActive(&first));
        QCOMPARE(first.geometry(), before);
        QCOMPARE(BoxText(first, "Text2"), QStringLiteral("kept"));
        QVERIFY(second.isVisible());
    }

    void BoldFontIsTheDesignFontOrTheExplicitFallback() {
        const QFont bold = ui::ControlFont(ui::FontStyle::Bold975);
        const QFont regular = ui::ControlFont(ui::FontStyle::Default);
        QVERIFY(bold.bold());
        QVERIFY(!regular.bold());
        if (QFontDatabase::families().contains(QStringLiteral("MS Sans Serif"))) {
            QCOMPARE(bold.family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(bold.pointSizeF(), 9.75);
        } else {
            QCOMPARE(QFontInfo(bold).family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(QFontInfo(regular).family(), QStringLiteral("Liberation Sans"));
            QVERIFY(bold.pixelSize() > regular.pixelSize());
        }
        ui::Window window(kSmall, kTitle);
        QCOMPARE(Find(window, "Text1")->font(), regular);
    }

    void CaptionFitFindsCutOffCaptions() {
        const ControlDefinition controls[] = {
            {.name = "Command1", .kind = ControlKind::Button, .text = "FITS",
             .rect = {0, 0, 1500, 375}},
            {.name = "Command2", .kind = ControlKind::Button,
             .text = "A CAPTION FAR TOO LONG FOR ITS BUTTON", .rect = {0, 450, 1500, 375}},
            {.name = "Label1", .kind = ControlKind::Label, .text = "TWO WORDS",
             .rect = {0, 900, 600, 600}},  // wraps to two lines, the second under Text1
            {.name = "Text1", .kind = ControlKind::TextBox, .rect = {0, 1125, 1500, 375}},
            {.name = "Label2", .kind = ControlKind::Label, .text = "SHORT",
             .rect = {1800, 900, 1500, 600}},  // one line above Text2
            {.name = "Text2", .kind = ControlKind::TextBox, .rect = {1800, 1200, 1500, 375}},
            {.name = "Label3", .kind = ControlKind::Label, .text = "HIDDEN UNDER",
             .rect = {150, 30, 15, 300}},  // wholly under Command1
            {.name = "Label4", .kind = ControlKind::Label, .text = "A LABEL TOO LOW",
             .rect = {1800, 0, 1500, 150}},
            // Too long for one line, but the button is tall enough for two.
            {.name = "Command3", .kind = ControlKind::Button, .text = "CALCULATE BASED ON VLAN",
             .rect = {0, 1500, 1500, 600}},
        };
        const WindowDefinition definition{.name = "FormC", .clientWidth = 3600,
                                          .clientHeight = 1800, .controls = controls};
        ui::Window window(definition, kTitle);
        QVERIFY(ui::CaptionFits(*Find(window, "Command1")));
        QVERIFY(!ui::CaptionFits(*Find(window, "Command2")));
        QVERIFY(!ui::CaptionFits(*Find(window, "Label1")));
        QVERIFY(ui::CaptionFits(*Find(window, "Label2")));
        QVERIFY(ui::CaptionFits(*Find(window, "Label3")));
        QVERIFY(!ui::CaptionFits(*Find(window, "Label4")));
        QVERIFY(ui::CaptionFits(*Find(window, "Command3")));
        QCOMPARE(ui::CaptionsThatDoNotFit(window).size(), 3);
    }
};

QTEST_MAIN(WindowTests)
#include "window_tests.moc"
