#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include <cmath>

#include "orvane/form1.h"
#include "orvane/reference_pages.h"
#include "tandrel/form1.h"
#include "ui/caption_fit.h"
#include "ui/picture.h"
#include "ui/twips.h"
#include "ui/window.h"

// Run with QT_SCALE_FACTOR set (2, 1.5): the windows keep their logical
// layout, and pictures keep one image pixel to one device pixel.
namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// The scale the test runs at, as the environment asks for it.
qreal RequestedScale() {
    bool ok = false;
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

QRect Logical(QWidget& window, const char* control) {
    auto* widget = static_cast<ui::Window&>(window).Control(control);
    if (!widget) {
        QTest::qFail(qPrintable(Q("no control ") + Q(control)), __FILE__, __LINE__);
        return {};
    }
    return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
}

QRect Device(const QRect& logical, qreal ratio) {
    return QRect(qRound(logical.left() * ratio), qRound(logical.top() * ratio),
                 qRound(logical.width() * ratio), qRound(logical.height() * ratio));
}

// The window as a screen shows it, in device pixels.
QImage GrabDevice(QWidget& window) {
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Within box (device pixels) of the grab, the picture's own pixels stand one
// to one from the box's corner, as far as both reach; beyond the picture's
// right edge, inside the box, the picture is not continued (not stretched).
void ExpectPictureAtCorner(const QImage& grab, const QRect& box, const QImage& picture) {
    QVERIFY(!picture.isNull());
    const QSize shown(std::min(box.width(), picture.width()), std::min(box.height(), picture.height()));
    const QImage expected = picture.copy(QRect(QPoint(0, 0), shown)).convertToFormat(QImage::Format_RGB32);
    const QImage actual = grab.copy(QRect(box.topLeft(), shown));
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            differing += actual.pixel(x, y) != expected.pixel(x, y);
        }
    }
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 of %2 pixels differ")
                                            .arg(differing)
                                            .arg(shown.width() * shown.height())));
}

}  // namespace

class HighDpiTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const qreal scale = RequestedScale();
        QVERIFY2(scale > 1.0, "run with QT_SCALE_FACTOR above 1");
        orvane::Form1 form;
        QCOMPARE(form.Window().devicePixelRatio(), scale);
    }

    void ControlsKeepTheirLogicalRectangles_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("twips");
        // Rectangles from the window tables, from the client area's corner
        // (controls in a frame: the frame's corner plus theirs).
        QTest::newRow("orvane Text2") << Q("orvane") << Q("Text2") << QRect(1920, 600, 1935, 375);
        QTest::newRow("orvane Command9") << Q("orvane") << Q("Command9") << QRect(12360, 5640, 2415, 495);
        QTest::newRow("orvane Text7 in Frame2") << Q("orvane") << Q("Text7") << QRect(120 + 1800, 3600 + 600, 2175, 375);
        QTest::newRow("orvane Picture3") << Q("orvane") << Q("Picture3") << QRect(4320, 1320, 10575, 735);
        QTest::newRow("tandrel Text2") << Q("tandrel") << Q("Text2") << QRect(1920, 600, 1935, 375);
        QTest::newRow("tandrel Command15") << Q("tandrel") << Q("Command15") << QRect(0, 6840, 5295, 375);
        QTest::newRow("tandrel Text1 in Frame1") << Q("tandrel") << Q("Text1") << QRect(960, 2520 + 840, 3135, 495);
    }

    void ControlsKeepTheirLogicalRectangles() {
        QFETCH(QString, program);
        QFETCH(QString, control);
        QFETCH(QRect, twips);
        const QRect expected = ui::PixelRect({twips.x(), twips.y(), twips.width(), twips.height()});
        // Sums of rounded parts for controls inside frames: allow one pixel.
        const auto near = [](const QRect& a, const QRect& b) {
            return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1 &&
                   a.size() == b.size();
        };
        QRect actual;
        QSize client;
        if (program == QLatin1String("orvane")) {
            orvane::Form1 form;
            actual = Logical(form.Window(), qPrintable(control));
            client = form.Window().size();
        } else {
            tandrel::Form1 form;
            actual = Logical(form.Window(), qPrintable(control));
            client = form.Window().size();
        }
        QVERIFY2(near(actual, expected), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                        .arg(actual.x()).arg(actual.y())
                                                        .arg(actual.width()).arg(actual.height())));
        QVERIFY(QRect(QPoint(0, 0), client).contains(actual));
    }

    void WindowsGrabAtTheScreensPixelDensity() {
        tandrel::Form1 form;
        const QSize logical = form.Window().size();
        QCOMPARE(logical, QSize(ui::TwipsToPixels(10380), ui::TwipsToPixels(7575)));
        const QImage grab = GrabDevice(form.Window());
        QCOMPARE(grab.size(), Device(QRect(QPoint(0, 0), logical), RequestedScale()).size());
    }

    void CaptionsStayReadableWhole() {
        orvane::Form1 orvaneForm;
        QCOMPARE(ui::CaptionsThatDoNotFit(orvaneForm.Window()), QStringList());
        tandrel::Form1 tandrelForm;
        QCOMPARE(ui::CaptionsThatDoNotFit(tandrelForm.Window()), QStringList());
    }

    // Picture1 (400 x 49) is narrower than its box: it covers only the part
    // of the box its own pixels fill. Picture3 (715 x 124) is taller than its
    // box and is cut at the box's bottom edge.
    void BannersAreDrawnPixelForPixelFromTheirBoxCorner_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("Picture1") << Q("Picture1");
        QTest::newRow("Picture2") << Q("Picture2");
        QTest::newRow("Picture3") << Q("Picture3");
    }

    void BannersAreDrawnPixelForPixelFromTheirBoxCorner() {
        QFETCH(QString, box);
        orvane::Form1 form;
        ui::Window& window = form.Window();
        const qreal ratio = RequestedScale();
        const auto* picture = qobject_cast<ui::PictureBox*>(window.Control(box.toStdString()));
        QVERIFY(picture);
        const QImage grab = GrabDevice(window);
        const QRect device = Device(Logical(window, qPrintable(box)), ratio);
        ExpectPictureAtCorner(grab, device, picture->Image());
        if (picture->Image().width() < device.width()) {
            // Right of the picture the box shows its own background, not more picture.
            const QColor background = picture->palette().color(QPalette::Window);
            const QPoint past(device.left() + picture->Image().width() + 2, device.top() + 2);
            QCOMPARE(QColor(grab.pixel(past)), background);
        }
    }

    // Form11's background picture (537 x 2264) from the client area's corner,
    // cut at the window's bottom; Form14's strip box shows its picture's corner.
    void ReferencePagesDrawTheirPicturesPixelForPixel() {
        const auto pages = orvane::ReferencePageDefinitions();
        const auto page = [&](std::string_view name) -> const ui::WindowDefinition& {
            return *std::find_if(pages.begin(), pages.end(),
                                 [&](const ui::WindowDefinition& d) { return d.name == name; });
        };
        ui::Window form11(page("Form11"), Q("orvane"));
        const QImage background = ui::DecodePicture(":/orvane/form11.jpg");
        const QImage grab11 = GrabDevice(form11);
        ExpectPictureAtCorner(grab11, grab11.rect(), background);

        ui::Window form14(page("Form14"), Q("orvane"));
        form14.resize(1200, 800);
        const QImage grab14 = GrabDevice(form14);
        for (const char* box : {"Picture1", "Picture2"}) {
            const auto* picture = qobject_cast<ui::PictureBox*>(form14.Control(box));
            QVERIFY(picture);
            ExpectPictureAtCorner(grab14, Device(Logical(form14, box), RequestedScale()),
                                  picture->Image());
        }
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    HighDpiTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "high_dpi_test.moc"
