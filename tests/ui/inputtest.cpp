#include "support/testmain.h"
#include "support/uitestsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

// Input by wheel and keyboard: nothing changes the class by accident, the keyboard does all the mouse
// does, on any layout, and a screen reader reads every value.
class InputTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void wheel_changesOnlyFocusedSlidersAndScrollsLists();
    void keysInClosedLists_pickNothing_altTypesNothing();
    void keyboardAlone_addsAndRemovesItems();
    void commands_workInOpenListsAndOnOtherLayouts();
    void valueLabels_readWithTheirCaptions();

private:
    std::unique_ptr<EditorGame> Game;
    Form1* Window = nullptr;
};

namespace {

// A turn of the wheel over the middle of target, as the system delivers it: to the widget under the
// pointer, then to its parents while they ignore it.
void Wheel(QWidget* target, int notchesUp)
{
    const QPointF centre = QRectF(target->rect()).center();
    QWheelEvent event(centre, target->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notchesUp), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(target, &event);
}

} // namespace

void InputTest::init()
{
    Game = std::make_unique<EditorGame>();
    Game->WriteSettings({"[Application]", ModelsSetting});
    QStringList items = StandardItems();
    for (int i = 1; i <= 40; ++i)
        items.append(QStringLiteral("spare%1,Spare %1,equipment,1,1,,,,,,0,,").arg(i));
    Game->WriteWeapons(items);
    Game->AddModel(QStringLiteral("amber"), {"head people/amber"}, {"head_001.tga"});
    Game->AddModel(QStringLiteral("birch"), {"head people/birch"}, {"head_002.tga"});
    Game->WriteClass(QStringLiteral("Medic.cfg"), {"set class \"Medic\"", "set proficiency9 medic4"});
    Window = Game->Start();
    QVERIFY(Window);
}

void InputTest::wheel_changesOnlyFocusedSlidersAndScrollsLists()
{
    QSlider* pistol = Window->Slider(Proficiency::Pistol);
    for (QComboBox* box : {Window->ClassName, Window->ModelName}) {
        for (QWidget* focus : {static_cast<QWidget*>(Window->Callsign), static_cast<QWidget*>(box)}) {
            focus->setFocus();
            for (int notches : {1, -1, -1})
                Wheel(box->lineEdit(), notches);
        }
    }
    Wheel(pistol, 1);
    const QStringList texts = {Window->ClassName->currentText(), Window->ModelName->currentText(),
                               Window->HeadSkin->currentText(), QString::number(pistol->value())};
    QCOMPARE(texts, (QStringList{"<New Class>", "amber", "001", "0"}));
    pistol->setFocus();
    Wheel(pistol, 1);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("29"));

    Wheel(Window->MSHFlexGrid1->viewport(), -3);
    QVERIFY(Window->MSHFlexGrid1->verticalScrollBar()->value() > 0);
    Window->ClassName->showPopup();
    Wheel(Window->ClassName->view()->viewport(), -1);
    QVERIFY(Window->ClassName->view()->isVisible());
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("<New Class>"));
}

void InputTest::keysInClosedLists_pickNothing_altTypesNothing()
{
    QCOMPARE(QApplication::focusWidget(), Window->ClassName); // its text selected: typing replaces it
    QCOMPARE(Window->ClassName->lineEdit()->selectedText(), QStringLiteral("<New Class>"));
    QTest::keyClicks(Window->ClassName, QStringLiteral("Medic"));
    QTest::keyClick(Window->ClassName, Qt::Key_Return);
    QTest::keyClick(Window->ClassName, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Medic"));
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 0);
    QTest::keyClick(Window->ClassName, Qt::Key_Down); // opens the list rather than picking from it
    QAbstractItemView* list = Window->ClassName->view();
    QVERIFY(list->isVisible());
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 0);
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return); // a pick from the open list loads
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 4);

    Window->Callsign->setFocus(Qt::BacktabFocusReason);
    QTest::keyClicks(Window->Callsign, QStringLiteral("Sniper"));
    QTest::keyClick(Window->Callsign, Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(Window->Callsign, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Sniper"));
    QTest::keyClick(Window->Callsign, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(Window->ClassName->lineEdit()->selectedText(), QStringLiteral("Medic"));
    QCOMPARE(Game->Messages.Shown, QStringList());
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
    QTest::keyClick(Window->ModelName->view(), Qt::Key_Escape); // closes the list only
    QVERIFY(!Window->ModelName->view()->isVisible());
    QCOMPARE(Game->End.Ends, 0);
    Window->ClassName->showPopup();
    QTest::keyClick(Window->ClassName->view(), Qt::Key_S, Qt::AltModifier);
    QVERIFY(!Window->ClassName->view()->isVisible());
    QCOMPARE(Game->Messages.Shown.size(), 1); // "<New Class>" fails the name check
    QVERIFY(Game->Messages.Shown.constFirst().startsWith(QStringLiteral("As the Character name")));

    // Alt and the key that bears A and Ф on a Russian layout: Windows reports the virtual key A, X11 the key
    // code 38; then the key of C and С.
    MoveSlider(Window->Slider(Proficiency::Medic), 2);
    QKeyEvent russianA(QEvent::KeyPress, 0x0424, Qt::AltModifier, 38, 'A', 0, QStringLiteral("\u0444"));
    QApplication::sendEvent(Window->Slider(Proficiency::Medic), &russianA);
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 0);
    QKeyEvent russianC(QEvent::KeyPress, 0x0421, Qt::AltModifier, 54, 'C', 0, QStringLiteral("\u0441"));
    QApplication::sendEvent(Window->Callsign, &russianC);
    QCOMPARE(Game->End.Ends, 1);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("player")); // the letter is not typed
}

void InputTest::valueLabels_readWithTheirCaptions()
{
    // Qt announces each change of an accessible name; offscreen, no screen reader listens.
    const auto readName = [](QLabel* label) {
        return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    };
    QCOMPARE(readName(Window->PointsAvailable), QStringLiteral("Points Available: 30"));
    DoubleClickGridItem(*Window, QStringLiteral("Crate"));
    const std::pair<QLabel*, QString> values[] = {
        {Window->PointsAvailable, "Points Available: 29"},
        {Window->WeightConsumed, "Weight Consumed: 25 kg"},
        {Window->MovementMessage, "Movement: Slow run, small jumps."},
        {Window->AmmoMessage, "Special:"}};
    for (const auto& [label, name] : values) {
        QCOMPARE(readName(label), name);
        QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Description),
                 label->toolTip());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop); // as the captions beside them
    }
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest"));
    QCOMPARE(readName(Window->AmmoMessage),
             QStringLiteral("Special: Ammo for first two weapons is being doubled and weight "
                            "halved First four grenades weight halved."));
}

ROSTERMAKER_REGISTER_TEST(InputTest)
#include "inputtest.moc"
