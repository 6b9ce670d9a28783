#include "support/testmain.h"
#include "support/uitestsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

// Input by wheel and keyboard: nothing changes the class by accident, everything the mouse does the
// keyboard does too, and a screen reader reads every value.
class InputTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void wheel_changesOnlyFocusedSlidersAndScrollsLists();
    void stepKeysInClosedList_openItAndPickNothing();
    void keyboardAlone_addsAndRemovesItems();
    void commands_workInOpenListsAndOnOtherLayouts();
    void altWithATypingKey_typesNothing();
    void className_selectedOnFocus_typingReplacesIt();
    void valueLabels_readWithCaptionsAndAnnounced();

private:
    std::unique_ptr<GameFolder> Game;
    Form1* Window = nullptr;
};

namespace {

// A turn of the wheel over the middle of target, delivered as the system delivers it: to the widget
// under the pointer, and on to its parents while they ignore it.
void Wheel(QWidget* target, int notches)
{
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent event(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(target, &event);
}

} // namespace

void InputTest::init()
{
    Game = std::make_unique<GameFolder>();
    Game->WriteSettings({"[Application]", "Model Path=..\\models\\people"});
    QStringList weapons = StandardWeapons();
    for (int i = 1; i <= 40; ++i)
        weapons.append(QStringLiteral("spare%1,Spare %1,equipment,1,1,,,,,,0,,").arg(i));
    Game->WriteWeapons(weapons);
    Game->AddModel(QStringLiteral("amber"), {"head people/amber"}, {"head_001.tga"});
    Game->AddModel(QStringLiteral("birch"), {"head people/birch"}, {"head_002.tga"});
    Game->WriteClass(QStringLiteral("Medic.cfg"), {"set class \"Medic\"", "set proficiency9 medic4"});
    QVERIFY(Game->Start());
    Window = Game->Editor->Window.get();
}

void InputTest::cleanup()
{
    Game.reset();
}

void InputTest::wheel_changesOnlyFocusedSlidersAndScrollsLists()
{
    QSlider* pistol = Window->Slider(Proficiency::Pistol);
    for (QComboBox* box : {Window->ClassName, Window->ModelName}) {
        for (bool focused : {false, true}) {
            (focused ? static_cast<QWidget*>(box) : Window->Callsign)->setFocus();
            Wheel(box->lineEdit(), 1);
            Wheel(box, -1);
            Wheel(box, 1);
        }
    }
    Wheel(pistol, -1);
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("<New Class>"));
    QCOMPARE(Window->ModelName->currentText(), QStringLiteral("amber"));
    QCOMPARE(Window->HeadSkin->currentText(), QStringLiteral("001"));
    QCOMPARE(pistol->value(), 0);

    pistol->setFocus();
    Wheel(pistol, -1);
    QCOMPARE(pistol->value(), 1);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("29"));

    Wheel(Window->MSHFlexGrid1->viewport(), 3);
    QVERIFY(Window->MSHFlexGrid1->verticalScrollBar()->value() > 0);
    Window->ClassName->showPopup();
    QAbstractItemView* list = Window->ClassName->view();
    Wheel(list->viewport(), 1);
    QVERIFY(list->isVisible());
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("<New Class>"));
}

void InputTest::stepKeysInClosedList_openItAndPickNothing()
{
    MoveSlider(Window->Slider(Proficiency::Stealth), 2);
    Window->ClassName->setFocus();
    QTest::keyClick(Window->ClassName, Qt::Key_Down);
    QVERIFY(Window->ClassName->view()->isVisible());
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("<New Class>"));
    Window->ClassName->hidePopup();
    QTest::keyClicks(Window->ClassName, QStringLiteral("Medic"));
    QTest::keyClick(Window->ClassName, Qt::Key_Return);
    QCOMPARE(Window->Slider(Proficiency::Stealth)->value(), 2);

    // A pick from the open list, by keyboard, loads.
    QTest::keyClick(Window->ClassName, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = Window->ClassName->view();
    QVERIFY(list->isVisible());
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 4);
    QCOMPARE(Window->Slider(Proficiency::Stealth)->value(), 0);
}

void InputTest::keyboardAlone_addsAndRemovesItems()
{
    QTableView* grid = Window->MSHFlexGrid1;
    grid->setFocus(Qt::TabFocusReason);
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 1); // the current row shows at once
    QTest::keyClick(grid, Qt::Key_Return);                      // the heading adds nothing
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_End);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(ListEntries(Window->List1).mid(1), (QStringList{"M4A1", "Spare 40"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("24"));
    QCOMPARE(grid->selectionModel()->selectedRows().constFirst().row(), grid->model()->rowCount() - 1);
    QTest::keyClick(grid, Qt::Key_Home);
    QCOMPARE(grid->currentIndex().row(), 0);
    QTest::keyClick(grid, Qt::Key_PageDown);
    QVERIFY(grid->currentIndex().row() > 1);

    QListWidget* list = Window->List1;
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Delete); // the starting item stays
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(ListEntries(list).mid(1), QStringList{"Spare 40"});
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("29"));
}

void InputTest::commands_workInOpenListsAndOnOtherLayouts()
{
    Window->ModelName->showPopup();
    QAbstractItemView* models = Window->ModelName->view();
    QTest::keyClick(models, Qt::Key_Escape); // closes the list only
    QVERIFY(!models->isVisible());
    QCOMPARE(Game->End.Ends, 0);

    Window->ClassName->showPopup();
    QTest::keyClick(Window->ClassName->view(), Qt::Key_S, Qt::AltModifier);
    QVERIFY(!Window->ClassName->view()->isVisible());
    QCOMPARE(Game->Messages.Shown.size(), 1); // "<New Class>" fails the name check
    QVERIFY(Game->Messages.Shown.constFirst().startsWith(QStringLiteral("As the Character name")));

    // Alt and the key that bears A and Ф, on a Russian layout: Windows reports the virtual key A, X11
    // the key code 38.
    MoveSlider(Window->Slider(Proficiency::Medic), 2);
    QKeyEvent russianA(QEvent::KeyPress, 0x0424, Qt::AltModifier, 38, 'A', 0, QStringLiteral("\u0444"));
    QApplication::sendEvent(Window->Slider(Proficiency::Medic), &russianA);
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 0);
    QKeyEvent russianC(QEvent::KeyPress, 0x0421, Qt::AltModifier, 54, 'C', 0, QStringLiteral("\u0441"));
    QApplication::sendEvent(Window->Callsign, &russianC);
    QCOMPARE(Game->End.Ends, 1);
}

void InputTest::altWithATypingKey_typesNothing()
{
    QLineEdit* callsign = Window->Callsign;
    callsign->setFocus();
    QTest::keyClicks(callsign, QStringLiteral("Sniper"));
    QTest::keyClick(callsign, Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(callsign, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(callsign, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(callsign->text(), QStringLiteral("Sniper"));
    QCOMPARE(Game->Messages.Shown, QStringList());
    Window->ClassName->setFocus();
    QTest::keyClick(Window->ClassName, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("<New Class>"));
}

void InputTest::className_selectedOnFocus_typingReplacesIt()
{
    QCOMPARE(QApplication::focusWidget(), Window->ClassName);
    QCOMPARE(Window->ClassName->lineEdit()->selectedText(), QStringLiteral("<New Class>"));
    QTest::keyClicks(Window->ClassName, QStringLiteral("Medic"));
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Medic"));
    Window->Callsign->setFocus();
    QTest::keyClick(Window->Callsign, Qt::Key_Backtab);
    QCOMPARE(Window->ClassName->lineEdit()->selectedText(), QStringLiteral("Medic"));
}

void InputTest::valueLabels_readWithCaptionsAndAnnounced()
{
    // Qt announces each change of an accessible name (offscreen, no screen reader listens).
    const auto readName = [](QLabel* label) {
        return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    };
    QCOMPARE(readName(Window->PointsAvailable), QStringLiteral("Points Available: 30"));
    DoubleClickGridItem(*Window, QStringLiteral("Crate"));
    const QList<std::pair<QLabel*, QString>> values = {
        {Window->PointsAvailable, "Points Available: 29"},
        {Window->WeightConsumed, "Weight Consumed: 25 kg"},
        {Window->MovementMessage, "Movement: Slow run, small jumps."},
        {Window->AmmoMessage, "Special:"}};
    for (const auto& [label, name] : values) {
        QCOMPARE(readName(label), name);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description),
                 label->toolTip());
        QVERIFY(label->alignment() & Qt::AlignTop);
    }
}

ROSTERMAKER_REGISTER_TEST(InputTest)
#include "inputtest.moc"
