#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orvane/form1.h"
#include "orvane/form1_definition.h"
#include "tests/orvane/orvane_test_support.h"
#include "tests/support/notice_recorder.h"
#include "ui/caption_fit.h"
#include "ui/picture.h"

using orvane_test::Pixels;
using orvane_test::Q;

namespace {

const char* const kAllBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                 "Text8", "Text9", "Text10", "Text11", "Text12", "Text13"};

// One press of a calculator button, on a window whose every box first holds
// a marker text; boxes the row does not name must keep their marker.
struct CalculatorCase {
    const char* name;
    const char* button;
    std::map<std::string, QString> typed;     // input boxes
    std::map<std::string, QString> expected;  // boxes the click writes
    QString notice;                           // the one notice, or empty
    bool fault = false;                       // a fault report instead of a notice
};

const std::vector<CalculatorCase>& CalculatorCases() {
    static const std::vector<CalculatorCase> cases = {
        {"Vlan48NextSlot", "Command6", {{"Text2", "176"}},
         {{"Text3", "49"}, {"Text4", "2"}, {"Text5", "1"}}, {}},
        {"Vlan48PortZeroWraps", "Command6", {{"Text2", "127"}},
         {{"Text3", "0"}, {"Text4", "1"}, {"Text5", "48"}}, {}},
        {"Vlan48FaultKeepsPort", "Command6", {{"Text2", "2147483775"}},
         {{"Text3", "2147483648"}, {"Text4", "44739243"}}, {}, true},
        {"DirectPortCopiesText", "Command24", {{"Text12", " 49 "}},
         {{"Text3", " 49 "}, {"Text4", "2"}, {"Text5", "1"}}, {}},
        {"Clear48EmptiesItsFiveBoxes", "Command20", {},
         {{"Text2", ""}, {"Text3", ""}, {"Text12", ""}, {"Text4", ""}, {"Text5", ""}}, {}},
        {"Port24FirstFrame", "Command13", {{"Text7", "152"}},
         {{"Text8", "25"}, {"Text9", "2"}, {"Text10", "1"}}, {}},
        {"Port24SecondFrameNotifiesThenComputes", "Command13", {{"Text7", "536"}},
         {{"Text8", "409"}, {"Text9", "2"}, {"Text10", "1"}},
         "Port Particulars falls in Second Frame"},
        {"Port24BlankVlanRefused", "Command13", {{"Text7", " "}}, {}, "Please verify the input"},
        {"Port24NotOneNumberFaults", "Command13", {{"Text7", "12abc"}}, {}, {}, true},
        {"Clear24EmptiesItsFourBoxes", "Command19", {},
         {{"Text7", ""}, {"Text8", ""}, {"Text9", ""}, {"Text10", ""}}, {}},
        {"DslamVlanSlotTable", "Command9", {{"Text1", "3900"}, {"Text6", "559"}},
         {{"Text11", "11"}, {"Text13", "0"}}, {}},
        {"DslamVlan24PortFamily", "Command9", {{"Text1", "3500"}, {"Text6", "511"}},
         {{"Text11", "17"}, {"Text13", "0"}}, "Port Particulars falls in Second Frame"},
        {"DslamVlanUnknownRefused", "Command9", {{"Text1", "2024"}, {"Text6", "200"}}, {},
         "Enter the Valid DSLAM VLAN"},
        {"DslamVlanInnerOutsideBands", "Command9", {{"Text1", "3900"}, {"Text6", "704"}}, {},
         "Please enter the Valid Inner VLAN !!!...."},
        {"DslamVlanBeyond16BitsFaults", "Command9", {{"Text1", "40000"}, {"Text6", "559"}}, {},
         {}, true},
    };
    return cases;
}

// Which window variables each calculator button may change.
bool MayChange(const std::string& button, const char* variable) {
    const std::string v = variable;
    if (button == "Command6" || button == "Command24") return v == "port48";
    if (button == "Command13") return v == "port24";
    if (button == "Command9") return v == "dslamVlan" || v == "innerOffset";
    return false;
}

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<orvane::Form1> ShownForm() {
        auto form = std::make_unique<orvane::Form1>();
        form->Show();
        return form;
    }

private slots:
    void EveryControlOfTheTableStandsInPlace() {
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        for (const ui::ControlDefinition& control : orvane::Form1Definition().controls) {
            const QString name = Q(control.name);
            auto* widget = window.findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            const QWidget* parent = control.frame.empty()
                                        ? static_cast<QWidget*>(&window)
                                        : window.findChild<QWidget*>(Q(control.frame));
            QCOMPARE(widget->parentWidget(), parent);
            QCOMPARE(widget->geometry(), Pixels(control.rect.left, control.rect.top,
                                                control.rect.width, control.rect.height));
            switch (control.kind) {
            case ui::ControlKind::Label:
                QCOMPARE(qobject_cast<QLabel*>(widget)->text(), Q(control.text));
                break;
            case ui::ControlKind::Button:
                QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), Q(control.text));
                break;
            case ui::ControlKind::TextBox:
                QCOMPARE(qobject_cast<QLineEdit*>(widget)->text(), Q(control.text));
                break;
            case ui::ControlKind::PictureBox:
                QVERIFY2(qobject_cast<ui::PictureBox*>(widget), qPrintable(name));
                break;
            case ui::ControlKind::Frame: break;
            }
        }
    }

    // Texts whose blanks are easy to lose, and the section layout, checked
    // against the window itself rather than its table.
    void CaptionsKeepTheirBlanks_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Label9") << "Label9" << "48    PORT   CALCULATOR" << Pixels(1680, 0, 5775, 375);
        QTest::newRow("Label2") << "Label2" << "     VLANIID - 127" << Pixels(120, 1560, 1815, 495);
        QTest::newRow("Label10") << "Label10" << " 24  PORT CALCULATOR" << Pixels(0, 3120, 4665, 360);
        QTest::newRow("Label4 in frame") << "Label4" << "ENTER VLAN" << Pixels(240, 720, 1455, 255);
        QTest::newRow("Label15") << "Label15" << "ENTER   THE FOLLOWING   FEILD" << Pixels(12120, 2760, 2895, 375);
        QTest::newRow("Label13") << "Label13" << "        SLOT            PORT" << Pixels(12360, 4680, 2415, 255);
        QTest::newRow("Command9") << "Command9" << "CALCULATE BASED ON DSLAM VLAN " << Pixels(12360, 5640, 2415, 495);
        QTest::newRow("Command4") << "Command4" << "OFFICERS MOBILE  N - R" << Pixels(6120, 4920, 2175, 495);
        QTest::newRow("Command12") << "Command12" << "MPLS  H-M" << Pixels(6360, 8040, 2055, 495);
        QTest::newRow("Command19 in frame") << "Command19" << "CLEAR" << Pixels(1800, 2280, 2175, 375);
    }
    void CaptionsKeepTheirBlanks() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(QRect, rect);
        const auto form = ShownForm();
        QWidget* widget = form->Window().findChild<QWidget*>(control);
        QVERIFY(widget);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
        } else {
            QCOMPARE(qobject_cast<QPushButton*>(widget)->text(), text);
        }
        QCOMPARE(widget->geometry(), rect);
    }

    void WindowHoldsExactlyItsControls() {
        const auto form = ShownForm();
        QStringList expected;
        for (int i = 1; i <= 13; ++i) expected << QStringLiteral("Text%1").arg(i);
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 20, 22, 23, 24, 25, 26, 27})
            expected << QStringLiteral("Command%1").arg(i);
        for (int i = 1; i <= 15; ++i) expected << QStringLiteral("Label%1").arg(i);
        expected << "Frame2" << "Picture1" << "Picture2" << "Picture3";
        QStringList named;
        for (const QWidget* child : form->Window().findChildren<QWidget*>()) {
            if (child->objectName().contains(QRegularExpression("^(Text|Command|Label|Frame|Picture)\\d+$")))
                named << child->objectName();
        }
        expected.sort();
        named.sort();
        QCOMPARE(named, expected);
    }

    void BoxesStartBlankOrEmpty() {
        const auto form = ShownForm();
        for (const char* box : {"Text2", "Text3", "Text4", "Text5", "Text7", "Text8", "Text9", "Text10"})
            QCOMPARE(BoxText(form->Window(), box), QStringLiteral(" "));
        for (const char* box : {"Text1", "Text6", "Text11", "Text12", "Text13"})
            QCOMPARE(BoxText(form->Window(), box), QString());
    }

    void FocusStartsInText2AndFollowsTabIndex() {
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        QCOMPARE(window.focusWidget(), window.findChild<QWidget*>("Text2"));
        const QStringList expected = {
            "Text2", "Text3", "Text4", "Text5", "Command6", "Text7", "Text8", "Text9", "Text10",
            "Command19", "Command20", "Command13", "Command23", "Text12", "Command24", "Command22",
            "Command25", "Command26", "Command27", "Command1", "Command2", "Command3", "Command4",
            "Command5", "Command7", "Command8", "Picture1", "Picture2", "Text1", "Text6", "Text11",
            "Text13", "Command9", "Picture3", "Command10", "Command11", "Command12", "Command14",
            "Command15"};
        QStringList order;
        QWidget* widget = window.findChild<QWidget*>("Text2");
        for (int step = 0; step < 500 && order.size() < expected.size(); ++step) {
            if ((widget->focusPolicy() & Qt::TabFocus) && expected.contains(widget->objectName()))
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(order, expected);
    }

    void OpensMaximisedWithDesignedRestoredSize() {
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        QVERIFY(window.isVisible());
        QVERIFY(window.isMaximized());
        QCOMPARE(window.windowTitle(), QString());
        QCOMPARE(window.normalGeometry().size(), QSize(1016, 591));
        const QPoint screenCentre = window.screen()->availableGeometry().center();
        QVERIFY((window.normalGeometry().center() - screenCentre).manhattanLength() <= 2);
        // Maximised, nothing has moved.
        QCOMPARE(window.findChild<QWidget*>("Command15")->geometry(), Pixels(12480, 8040, 2175, 495));
    }

    void LabelsLieBeneathOtherControls() {
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        // The lower part of Label7 lies under Text1.
        QWidget* text1 = window.findChild<QWidget*>("Text1");
        QWidget* top = window.childAt(Pixels(12360, 3480, 0, 0).topLeft() + QPoint(5, 3));
        QVERIFY(top == text1 || text1->isAncestorOf(top));
    }

    void EveryCaptionFitsItsControl() {
        const auto form = ShownForm();
        const QStringList misfits = ui::CaptionsThatDoNotFit(form->Window());
        QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join("; ")));
    }

    void BannersShowTheirPicturesUnscaled() {
        const auto form = ShownForm();
        for (const auto& [box, picture] : {std::pair{"Picture1", ":/orvane/picture1.gif"},
                                           std::pair{"Picture2", ":/orvane/picture2.gif"},
                                           std::pair{"Picture3", ":/orvane/picture3.bmp"}}) {
            QWidget* widget = form->Window().findChild<QWidget*>(box);
            QVERIFY(widget);
            const QImage image(picture);
            QVERIFY2(!image.isNull(), picture);
            const QRect shown = QRect(QPoint(0, 0), widget->size()).intersected(image.rect());
            QVERIFY2(orvane_test::ShowsPictureCorner(*widget, shown, image), box);
        }
    }

    void CalculatorTouchesOnlyItsOwnSection_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < CalculatorCases().size(); ++i)
            QTest::newRow(CalculatorCases()[i].name) << static_cast<int>(i);
    }
    void CalculatorTouchesOnlyItsOwnSection() {
        QFETCH(int, row);
        const CalculatorCase& c = CalculatorCases()[static_cast<std::size_t>(row)];
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        // Every variable gets a value first, so that a stray write shows.
        SetBoxText(window, "Text2", "176");
        SetBoxText(window, "Text7", "152");
        SetBoxText(window, "Text1", "3900");
        SetBoxText(window, "Text6", "559");
        for (const char* button : {"Command6", "Command13", "Command9"}) ClickButton(window, button);
        for (const char* box : kAllBoxes) SetBoxText(window, box, QStringLiteral("was %1").arg(box));
        for (const auto& [box, text] : c.typed) SetBoxText(window, box.c_str(), text);
        std::map<std::string, QString> before;
        for (const char* box : kAllBoxes) before[box] = BoxText(window, box);
        const orvane::Form1::Variables variablesBefore = form->WindowVariables();

        NoticeRecorder recorder;
        ClickButton(window, c.button);

        for (const char* box : kAllBoxes) {
            const auto written = c.expected.find(box);
            const QString expected = written == c.expected.end() ? before[box] : written->second;
            QVERIFY2(BoxText(window, box) == expected,
                     qPrintable(QStringLiteral("%1 holds \"%2\", expected \"%3\"")
                                    .arg(box, BoxText(window, box), expected)));
        }
        const auto& notices = recorder.Notices();
        if (c.fault) {
            QCOMPARE(notices.size(), std::size_t{1});
            QCOMPARE(notices[0].title, QStringLiteral("orvane"));
            QVERIFY(notices[0].icon != QMessageBox::NoIcon);
        } else if (!c.notice.isEmpty()) {
            QCOMPARE(notices.size(), std::size_t{1});
            QCOMPARE(notices[0].title, QStringLiteral("orvane"));
            QCOMPARE(notices[0].text, c.notice);
            QCOMPARE(notices[0].icon, QMessageBox::NoIcon);
            QCOMPARE(notices[0].buttonText, QStringLiteral("OK"));
        } else {
            QCOMPARE(notices.size(), std::size_t{0});
        }
        const orvane::Form1::Variables& after = form->WindowVariables();
        const std::string button = c.button;
        if (!MayChange(button, "port48")) QCOMPARE(after.port48, variablesBefore.port48);
        if (!MayChange(button, "port24")) QCOMPARE(after.port24, variablesBefore.port24);
        if (!MayChange(button, "dslamVlan")) QCOMPARE(after.dslamVlan, variablesBefore.dslamVlan);
        if (!MayChange(button, "innerOffset")) QCOMPARE(after.innerOffset, variablesBefore.innerOffset);
    }

    void CalculatorsKeepTheirVariables() {
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        SetBoxText(window, "Text2", "176");
        ClickButton(window, "Command6");
        QCOMPARE(form->WindowVariables().port48, std::int16_t{1});
        SetBoxText(window, "Text7", "600");
        ClickButton(window, "Command13");
        QCOMPARE(form->WindowVariables().port24, std::int16_t{17});
        SetBoxText(window, "Text1", "3900");
        SetBoxText(window, "Text6", "559");
        ClickButton(window, "Command9");
        QCOMPARE(form->WindowVariables().dslamVlan, std::int16_t{3900});
        QCOMPARE(form->WindowVariables().innerOffset, std::int16_t{432});
        QCOMPARE(form->WindowVariables().port48, std::int16_t{1});
        QCOMPARE(form->WindowVariables().port24, std::int16_t{17});
    }

    void WindowWorksOnAfterAFault() {
        const auto form = ShownForm();
        ui::Window& window = form->Window();
        NoticeRecorder recorder;
        SetBoxText(window, "Text1", "40000");
        SetBoxText(window, "Text6", "559");
        ClickButton(window, "Command9");
        QCOMPARE(recorder.Notices().size(), std::size_t{1});
        QVERIFY(window.isVisible());
        QCOMPARE(BoxText(window, "Text11"), QString());
        SetBoxText(window, "Text1", "3900");
        ClickButton(window, "Command9");
        QCOMPARE(BoxText(window, "Text11"), QStringLiteral("11"));
        QCOMPARE(BoxText(window, "Text13"), QStringLiteral("0"));
        QCOMPARE(recorder.Notices().size(), std::size_t{1});
    }
};

}  // namespace

int RunMainWindowTests(int argc, char** argv) {
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_window_test.moc"
