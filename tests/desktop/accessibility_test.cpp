#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <array>
#include <map>

#include "orvane/form1.h"
#include "orvane/form1_definition.h"
#include "orvane/reference_pages.h"
#include "tandrel/form1.h"
#include "tandrel/form1_definition.h"
#include "ui/accessibility.h"
#include "ui/window.h"

namespace {

using ui::ControlDefinition;
using ui::ControlKind;

struct SpokenControl {
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
};

bool Interactive(QAccessible::Role role) {
    return role == QAccessible::EditableText || role == QAccessible::PushButton ||
           role == QAccessible::Graphic;
}

// Every control a screen reader reaches from window, by object name.
void Walk(QAccessibleInterface* node, std::map<QString, SpokenControl>& found, int depth = 0) {
    QVERIFY(depth < 20);
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        QVERIFY(child && child->isValid());
        if (QObject* object = child->object()) {
            found[object->objectName()] = {child->role(), child->text(QAccessible::Name),
                                           child->text(QAccessible::Description)};
        }
        Walk(child, found, depth + 1);
    }
}

std::map<QString, SpokenControl> SpokenControls(QWidget& window) {
    std::map<QString, SpokenControl> found;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (!root) {
        QTest::qFail("the window has no accessible interface", __FILE__, __LINE__);
        return found;
    }
    Walk(root, found);
    return found;
}

// Fails unless every text box, button and picture box of definition is
// reached with an interactive role and a name.
void ExpectEveryControlNamed(QWidget& window, const ui::WindowDefinition& definition) {
    const std::map<QString, SpokenControl> spoken = SpokenControls(window);
    for (const ControlDefinition& control : definition.controls) {
        if (control.kind == ControlKind::Label || control.kind == ControlKind::Frame) {
            continue;
        }
        const QString name = QString::fromUtf8(control.name.data(), qsizetype(control.name.size()));
        const auto it = spoken.find(name);
        QVERIFY2(it != spoken.end(), qPrintable(name + QStringLiteral(" is not in the tree")));
        QVERIFY2(Interactive(it->second.role), qPrintable(name));
        QVERIFY2(!it->second.name.trimmed().isEmpty(),
                 qPrintable(name + QStringLiteral(" has no accessible name")));
    }
    for (const auto& [object, control] : spoken) {
        if (Interactive(control.role)) {
            QVERIFY2(!control.name.trimmed().isEmpty(), qPrintable(object));
        }
    }
}

QString Q(const char* text) { return QString::fromUtf8(text); }

}  // namespace

class AccessibilityTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // offscreen starts no screen reader bridge; the tree works all the same
        // once accessibility is switched on.
        QAccessible::setActive(true);
    }

    void EveryControlOfTheMainWindowsHasAName() {
        orvane::Form1 orvaneForm;
        ExpectEveryControlNamed(orvaneForm.Window(), orvane::Form1Definition());
        tandrel::Form1 tandrelForm;
        ExpectEveryControlNamed(tandrelForm.Window(), tandrel::Form1Definition());
    }

    void EveryPictureOfTheReferencePagesHasANameAndItsPageADescription() {
        for (const ui::WindowDefinition& page : orvane::ReferencePageDefinitions()) {
            ui::Window window(page, Q("orvane"));
            ExpectEveryControlNamed(window, page);
            QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
            QVERIFY(root);
            QVERIFY2(!root->text(QAccessible::Description).isEmpty(),
                     qPrintable(window.objectName()));
        }
    }

    void ControlsAreReadAsTheirLabelsOrRoles_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("spoken");
        const auto row = [](const char* program, const char* control, const char* spoken) {
            QTest::addRow("%s %s", program, control) << Q(program) << Q(control) << Q(spoken);
        };
        // Labels beside a box, with the eye's spacing read as single blanks.
        row("orvane", "Text2", "ENTER VLAN OR");
        row("orvane", "Text12", "DIRECT PORT");
        row("orvane", "Text3", "VLANIID - 127");
        row("orvane", "Text7", "ENTER VLAN");  // inside Frame2
        row("orvane", "Text8", "VLANID - 127");
        // Labels above a box.
        row("orvane", "Text1", "DSLAM VLAN");
        row("orvane", "Text6", "INNER VLAN");
        // Boxes that no label names alone, by their role.
        row("orvane", "Text4", "slot");
        row("orvane", "Text5", "port on the slot");
        row("orvane", "Text11", "calculated slot");
        row("orvane", "Text13", "calculated port");
        row("orvane", "Command9", "CALCULATE BASED ON DSLAM VLAN");
        row("orvane", "Command12", "MPLS H-M");
        row("tandrel", "Text2", "ENTER VLAN OR");
        row("tandrel", "Text7", "ENTER VLAN");
        row("tandrel", "Text1", "display");
        row("tandrel", "Command1", "4");
        row("tandrel", "y", "+/-");
        row("tandrel", "Command15", "TOGGLE CALCULATOR");
    }

    void ControlsAreReadAsTheirLabelsOrRoles() {
        QFETCH(QString, program);
        QFETCH(QString, control);
        QFETCH(QString, spoken);
        std::map<QString, SpokenControl> controls;
        if (program == QLatin1String("orvane")) {
            orvane::Form1 form;
            controls = SpokenControls(form.Window());
        } else {
            tandrel::Form1 form;
            controls = SpokenControls(form.Window());
        }
        QVERIFY(controls.count(control));
        QCOMPARE(controls.at(control).name, spoken);
    }

    void PictureBoxesAreGraphicsWithADescription() {
        orvane::Form1 form;
        const std::map<QString, SpokenControl> controls = SpokenControls(form.Window());
        for (const char* name : {"Picture1", "Picture2", "Picture3"}) {
            QVERIFY(controls.count(Q(name)));
            const SpokenControl& picture = controls.at(Q(name));
            QCOMPARE(picture.role, QAccessible::Graphic);
            QVERIFY2(picture.description.startsWith(QLatin1String("Picture, ")),
                     qPrintable(picture.description));
        }
        QCOMPARE(controls.at(Q("Picture1")).description, Q("Picture, 400 by 49 pixels"));
    }

    void WindowWithoutCaptionIsReadByTheProgramName() {
        orvane::Form1 form;
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form.Window());
        QVERIFY(root);
        QCOMPARE(root->text(QAccessible::Name), Q("orvane"));
    }

    // The derivation on a small table: beside wins over above, the nearest
    // wins, labels in another frame and blank labels never name a box.
    void TextBoxNameComesFromTheLabelBesideOrAbove_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("beside beats above") << 2 << Q("beside");
        QTest::newRow("nearest above") << 5 << Q("near above");
        QTest::newRow("other frame and blank ignored") << 8 << QString();
        QTest::newRow("explicit name wins") << 9 << Q("the role");
    }

    void TextBoxNameComesFromTheLabelBesideOrAbove() {
        QFETCH(int, box);
        QFETCH(QString, spoken);
        static constexpr std::array<ControlDefinition, 10> kTable = {{
            {.name = "Above1", .kind = ControlKind::Label, .text = "above", .rect = {1000, 0, 1000, 300}},
            {.name = "Beside1", .kind = ControlKind::Label, .text = "  beside ", .rect = {0, 400, 1200, 300}},
            {.name = "Box1", .kind = ControlKind::TextBox, .rect = {1000, 350, 1000, 375}},
            {.name = "Far", .kind = ControlKind::Label, .text = "far above", .rect = {3000, 0, 1000, 300}},
            {.name = "Near", .kind = ControlKind::Label, .text = "near   above", .rect = {3000, 1000, 1000, 300}},
            {.name = "Box2", .kind = ControlKind::TextBox, .rect = {3000, 1400, 1000, 375}},
            {.name = "Framed", .kind = ControlKind::Label, .text = "in a frame", .rect = {0, 3000, 900, 300}, .frame = "Frame1"},
            {.name = "Blank", .kind = ControlKind::Label, .text = "   ", .rect = {5000, 2600, 900, 300}},
            {.name = "Box3", .kind = ControlKind::TextBox, .rect = {5000, 3000, 1000, 375}},
            {.name = "Box4", .kind = ControlKind::TextBox, .rect = {1000, 350, 1000, 375}, .accessibleName = "the role"},
        }};
        QCOMPARE(ui::AccessibleNameOf(kTable[static_cast<std::size_t>(box)], kTable), spoken);
    }

    // A notice reaches a screen reader as an alert whose text is the notice.
    void NoticeIsReadAsAnAlertWithItsText() {
        tandrel::Form1 form;
        form.Window().show();
        QString role;
        QString spoken;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(box);
            role = QString::number(alert->role());
            spoken = alert->text(QAccessible::Name) + QLatin1Char('|') +
                     alert->text(QAccessible::Description) + QLatin1Char('|') +
                     alert->text(QAccessible::Value);
            box->accept();
        });
        form.Window().Notice()("Enter the Valid DSLAM VLAN");
        QCOMPARE(role, QString::number(QAccessible::AlertMessage));
        QVERIFY2(spoken.contains(QLatin1String("Enter the Valid DSLAM VLAN")), qPrintable(spoken));
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vlan-tools"));
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    AccessibilityTests tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "accessibility_test.moc"
