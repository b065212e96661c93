#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "orvane/form1.h"
#include "orvane/reference_pages.h"
#include "tests/orvane/orvane_test_support.h"
#include "tests/support/notice_recorder.h"
#include "ui/picture.h"

using orvane_test::Pixels;
using orvane_test::Q;

namespace {

struct BoxPlacement {
    const char* name;
    QRect rect;
};

// What each reference button opens and where the page shows its picture.
struct PageCase {
    const char* button;
    const char* page;
    const char* picture;
    bool background;
    std::vector<BoxPlacement> boxes;
    bool centred = false;
};

const std::vector<PageCase>& PageCases() {
    static const std::vector<PageCase> cases = {
        {"Command2", "Form2", ":/orvane/form2.jpg", false, {{"Picture1", Pixels(2640, 1560, 12975, 7575)}}},
        {"Command22", "Form3", ":/orvane/form3.bmp", false, {{"Picture1", Pixels(2280, 120, 13215, 11295)}}},
        {"Command25", "Form4", ":/orvane/form4.bmp", false, {{"Picture1", Pixels(3120, 1680, 8655, 7695)}}},
        {"Command26", "Form5", ":/orvane/form5.bmp", false, {{"Picture1", Pixels(3480, 960, 9255, 9615)}}},
        {"Command27", "Form6", ":/orvane/form6.bmp", true, {{"Picture1", Pixels(720, 480, 615, 135)}}},
        {"Command3", "Form8", ":/orvane/form8.bmp", true, {}, true},
        {"Command4", "Form9", ":/orvane/form9.jpg", true, {}, true},
        {"Command5", "Form10", ":/orvane/form10.bmp", true, {}},
        {"Command1", "Form11", ":/orvane/form11.jpg", true, {}},
        {"Command7", "Form12", ":/orvane/form12.bmp", true, {}},
        {"Command8", "Form13", ":/orvane/form13.bmp", true, {}},
        {"Command10", "Form14", ":/orvane/form14.bmp", false,
         {{"Picture1", Pixels(1200, 960, 16335, 8895)}, {"Picture2", Pixels(600, 240, 255, 15)}}, true},
        {"Command11", "Form15", ":/orvane/form15.bmp", false, {{"Picture1", Pixels(1080, 960, 16215, 9015)}}},
        {"Command12", "Form16", ":/orvane/form16.bmp", false, {{"Picture1", Pixels(1320, 1200, 16215, 9135)}}},
        {"Command14", "Form17", ":/orvane/form17.bmp", false, {{"Picture1", Pixels(960, 720, 16575, 10815)}}},
        {"Command15", "Form18", ":/orvane/form18.bmp", false, {{"Picture1", Pixels(1800, 1800, 16095, 7215)}}},
        {"Command23", "Form19", ":/orvane/form19.bmp", false, {{"Picture1", Pixels(3240, 1080, 13095, 7455)}}},
    };
    return cases;
}

const char* const kAllPages[] = {"Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",
                                 "Form8",  "Form9",  "Form10", "Form11", "Form12", "Form13",
                                 "Form14", "Form15", "Form16", "Form17", "Form18", "Form19"};

std::vector<ui::Window*> LiveWindows() {
    std::vector<ui::Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ui::Window*>(widget)) windows.push_back(window);
    }
    return windows;
}

int VisibleTopLevelsNamed(const QString& name) {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) ++count;
    }
    return count;
}

int LivePictureBoxes() {
    int count = 0;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (qobject_cast<ui::PictureBox*>(widget)) ++count;
    }
    return count;
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ReferencePageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<orvane::Form1> ShownForm() {
        auto form = std::make_unique<orvane::Form1>();
        form->Show();
        return form;
    }

    // The page as the page table places it: maximised, its restored client
    // area 4560 x 3030 twips, its picture at each box's corner or behind it.
    static void CheckPageWindow(ui::Window& page, const PageCase& c) {
        QCOMPARE(page.windowTitle(), QString::fromUtf8(c.page));
        QVERIFY(page.isVisible());
        QVERIFY(page.isMaximized());
        QVERIFY(page.parentWidget() == nullptr);
        QCOMPARE(page.normalGeometry().size(), QSize(304, 202));
        if (c.centred) {
            const QPoint centre = page.screen()->availableGeometry().center();
            QVERIFY((page.normalGeometry().center() - centre).manhattanLength() <= 2);
        }
        const QImage picture(QString::fromUtf8(c.picture));
        QVERIFY2(!picture.isNull(), c.picture);

        const auto boxes = page.findChildren<ui::PictureBox*>();
        QCOMPARE(boxes.size(), static_cast<qsizetype>(c.boxes.size()));
        int firstBoxTop = page.height();
        for (const BoxPlacement& placement : c.boxes) {
            auto* box = page.findChild<ui::PictureBox*>(QString::fromUtf8(placement.name));
            QVERIFY2(box, placement.name);
            QCOMPARE(box->geometry(), placement.rect);
            const QRect shown = QRect(QPoint(0, 0), box->size()).intersected(picture.rect());
            QVERIFY2(orvane_test::ShowsPictureCorner(*box, shown, picture), placement.name);
            firstBoxTop = std::min(firstBoxTop, placement.rect.top());
        }
        // The client-area corner shows the picture only when it is the
        // page's background; above the first box nothing covers it.
        const QRect corner(0, 0, std::min(page.width(), picture.width()),
                           std::min(firstBoxTop, picture.height()));
        QCOMPARE(orvane_test::ShowsPictureCorner(page, corner, picture), c.background);
    }

private slots:
    void ReferenceButtonOpensItsPage_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < PageCases().size(); ++i)
            QTest::newRow(PageCases()[i].page) << static_cast<int>(i);
    }
    void ReferenceButtonOpensItsPage() {
        QFETCH(int, row);
        const PageCase& c = PageCases()[static_cast<std::size_t>(row)];
        const auto form = ShownForm();
        ClickButton(form->Window(), c.button);
        ui::Window* page = form->Pages().OpenWindow(c.page);
        QVERIFY(page);
        CheckPageWindow(*page, c);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(page));
        for (const char* other : kAllPages) {
            QCOMPARE(form->Pages().IsCreated(other), QByteArray(other) == c.page);
        }
        // The main window stays usable beside it.
        QVERIFY(form->Window().isVisible());
        SetBoxText(form->Window(), "Text2", "176");
        ClickButton(form->Window(), "Command6");
        QCOMPARE(BoxText(form->Window(), "Text4"), QStringLiteral("2"));
    }

    void NoPageIsBuiltBeforeItsButton() {
        FlushDeletes();
        const auto form = ShownForm();
        QCOMPARE(LiveWindows().size(), std::size_t{1});
        // The main window's three banners are the only pictures decoded.
        QCOMPARE(LivePictureBoxes(), 3);
        for (const char* page : kAllPages) QVERIFY(!form->Pages().IsCreated(page));
        ClickButton(form->Window(), "Command26");
        const auto windows = LiveWindows();
        QCOMPARE(windows.size(), std::size_t{2});
        QVERIFY(form->Pages().OpenWindow("Form5"));
        QCOMPARE(LivePictureBoxes(), 4);
    }

    void SecondPressBringsTheSameWindowToFront() {
        const auto form = ShownForm();
        ClickButton(form->Window(), "Command22");
        QPointer<ui::Window> first = form->Pages().OpenWindow("Form3");
        QVERIFY(first);
        ClickButton(form->Window(), "Command25");
        QTRY_COMPARE(QApplication::activeWindow(),
                     static_cast<QWidget*>(form->Pages().OpenWindow("Form4")));
        ClickButton(form->Window(), "Command22");
        QCOMPARE(form->Pages().OpenWindow("Form3"), first.data());
        QCOMPARE(VisibleTopLevelsNamed("Form3"), 1);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(first.data()));
        QVERIFY(form->Pages().OpenWindow("Form4"));
    }

    void ReopeningAClosedPageBuildsItAfresh() {
        const auto form = ShownForm();
        ClickButton(form->Window(), "Command3");
        QPointer<ui::Window> first = form->Pages().OpenWindow("Form8");
        QVERIFY(first);
        first->showNormal();
        first->setGeometry(10, 10, 500, 400);
        QVERIFY(first->close());
        FlushDeletes();
        QVERIFY2(first.isNull(), "closing a page frees its window");
        QVERIFY(form->Pages().IsCreated("Form8"));
        QVERIFY(!form->Pages().OpenWindow("Form8"));

        ClickButton(form->Window(), "Command3");
        ui::Window* second = form->Pages().OpenWindow("Form8");
        QVERIFY(second);
        CheckPageWindow(*second, PageCases()[5]);
        QCOMPARE(VisibleTopLevelsNamed("Form8"), 1);
    }

    void PagesOpenAndCloseIndependently() {
        const auto form = ShownForm();
        ClickButton(form->Window(), "Command1");
        ClickButton(form->Window(), "Command14");
        QPointer<ui::Window> form11 = form->Pages().OpenWindow("Form11");
        QPointer<ui::Window> form17 = form->Pages().OpenWindow("Form17");
        QVERIFY(form11 && form17 && form11 != form17);
        form11->close();
        FlushDeletes();
        QVERIFY(form11.isNull());
        QVERIFY(form17 && form17->isVisible());
        QCOMPARE(form->Pages().OpenWindow("Form17"), form17.data());
    }

    void Form7IsCarriedButNeverShown() {
        const auto form = ShownForm();
        for (const PageCase& c : PageCases()) ClickButton(form->Window(), c.button);
        for (const PageCase& c : PageCases()) QVERIFY2(form->Pages().OpenWindow(c.page), c.page);
        QVERIFY(!form->Pages().IsCreated("Form7"));
        QCOMPARE(VisibleTopLevelsNamed("Form7"), 0);
        QCOMPARE(LiveWindows().size(), std::size_t{18});
        const auto definitions = orvane::ReferencePageDefinitions();
        const auto form7 = std::find_if(definitions.begin(), definitions.end(),
                                        [](const ui::WindowDefinition& d) { return d.name == "Form7"; });
        QVERIFY(form7 != definitions.end());
        QCOMPARE(Q(form7->backgroundPicture), QStringLiteral(":/orvane/form2.jpg"));
    }
};

// Runs the application's own event loop: closing the main window while two
// pages are open must not end it; closing the second page must.
class ProgramEndTest : public QObject {
    Q_OBJECT

private slots:
    void ProgramEndsWhenTheLastPageCloses() {
        FlushDeletes();
        QApplication::setQuitOnLastWindowClosed(true);
        auto form = std::make_unique<orvane::Form1>();
        form->Show();
        ClickButton(form->Window(), "Command2");
        ClickButton(form->Window(), "Command10");
        QPointer<ui::Window> form2 = form->Pages().OpenWindow("Form2");
        QPointer<ui::Window> form14 = form->Pages().OpenWindow("Form14");
        QVERIFY(form2 && form14);

        QStringList steps;
        bool timedOut = false;
        QObject context;  // ends the timers with this test
        QTimer::singleShot(0, &context, [&] {
            form->Window().close();
            steps << "main window closed";
        });
        QTimer::singleShot(100, &context, [&] {
            steps << QStringLiteral("running, %1 pages open").arg(int(bool(form2)) + int(bool(form14)));
            form2->close();
        });
        QTimer::singleShot(200, &context, [&] {
            steps << QStringLiteral("running, %1 page open").arg(int(bool(form2)) + int(bool(form14)));
            form14->close();
            steps << "last page closed";
        });
        QTimer::singleShot(5000, &context, [&] {
            timedOut = true;
            QApplication::exit(1);
        });
        const int status = QApplication::exec();

        QVERIFY(!timedOut);
        QCOMPARE(status, 0);
        QCOMPARE(steps, QStringList({"main window closed", "running, 2 pages open",
                                     "running, 1 page open", "last page closed"}));
        // Closing the main window did not free it; the program's object owns it.
        QVERIFY(!form->Window().isVisible());
    }
};

}  // namespace

int RunReferencePageTests(int argc, char** argv) {
    ReferencePageTest test;
    return QTest::qExec(&test, argc, argv);
}

int RunProgramEndTests(int argc, char** argv) {
    ProgramEndTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "reference_page_test.moc"
