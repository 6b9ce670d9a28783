#include "support/uitestsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

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

// Input by wheel and keyboard: nothing changes the class by accident, the keyboard does all the mouse
// does, on any layout, and a screen reader reads every value.
class InputTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Game = std::make_unique<EditorGame>();
        Game->WriteSettings({"[Application]", ModelsSetting});
        QStringList items = StandardItems();
        for (int i = 1; i <= 40; ++i)
            items.append(u"spare%1,Spare %1,equipment,1,1,,,,,,0,,"_s.arg(i));
        Game->WriteWeapons(items);
        Game->AddModel(u"amber"_s, {"head people/amber"}, {"head_001.tga"});
        Game->AddModel(u"birch"_s, {"head people/birch"}, {"head_002.tga"});
        Game->WriteClass(u"Medic.cfg"_s, {"set class \"Medic\"", "set proficiency9 medic4"});
        Window = Game->Start();
        QVERIFY(Window);
    }

    void wheel_changesOnlyFocusedSlidersAndScrollsLists()
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
        QCOMPARE(Identity(*Window) + u' ' + QString::number(pistol->value()),
                 u"<New Class>, , amber/001   0"_s);
        pistol->setFocus();
        Wheel(pistol, 1);
        QCOMPARE(Window->PointsAvailable->text(), u"29"_s);

        Wheel(Window->MSHFlexGrid1->viewport(), -3);
        QVERIFY(Window->MSHFlexGrid1->verticalScrollBar()->value() > 0);
        Window->ClassName->showPopup();
        Wheel(Window->ClassName->view()->viewport(), -1);
        QVERIFY(Window->ClassName->view()->isVisible());
        QCOMPARE(Window->ClassName->currentText(), u"<New Class>"_s);
    }

    void keysInClosedLists_pickNothing_altTypesNothing()
    {
        QCOMPARE(QApplication::focusWidget(), Window->ClassName); // its text selected: typing replaces it
        QTest::keyClicks(Window->ClassName, u"Medic"_s);
        QTest::keyClick(Window->ClassName, Qt::Key_Return);
        QTest::keyClick(Window->ClassName, Qt::Key_B, Qt::AltModifier);
        QTest::keyClick(Window->ClassName,
                        Qt::Key_Down); // opens the list, and leaving the text picks nothing
        QAbstractItemView* list = Window->ClassName->view();
        QVERIFY(list->isVisible());
        QCOMPARE(Window->ClassName->currentText() + Window->PointsAvailable->text(), u"Medic30"_s);
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Return); // a pick from the open list loads
        QCOMPARE(Window->PointsAvailable->text(), u"20"_s);

        Window->Callsign->setFocus();
        QTest::keyClicks(Window->Callsign, u"Sniper"_s);
        QTest::keyClick(Window->Callsign, Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyClick(Window->Callsign, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(Window->Callsign->text(), u"Sniper"_s);
        QTest::keyClick(Window->Callsign, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Window->ClassName->lineEdit()->selectedText(), u"Medic"_s);
        QCOMPARE(Game->Shown, QStringList());
    }

    void keyboardAlone_addsAndRemovesItems()
    {
        QTableView* grid = Window->MSHFlexGrid1;
        grid->setFocus(Qt::TabFocusReason);
        QCOMPARE(grid->selectionModel()->selectedRows().size(), 1); // the current row shows at once
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Down, Qt::Key_Return, Qt::Key_End, Qt::Key_Enter})
            QTest::keyClick(grid, key); // the heading adds nothing
        QCOMPARE(grid->selectionModel()->selectedRows().constFirst().row(), grid->model()->rowCount() - 1);
        QTest::keyClick(grid, Qt::Key_Home);
        QTest::keyClick(grid, Qt::Key_PageDown);
        QVERIFY(grid->currentIndex().row() > 1);
        Window->List1->setFocus(Qt::TabFocusReason);
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_Down, Qt::Key_Delete})
            QTest::keyClick(Window->List1, key); // the starting item stays
        QCOMPARE(Displays(*Window), u"29 | 4.92 kg | Can move without restrictions. |  | Spare 40"_s);
    }

    void commands_workInOpenListsAndOnOtherLayouts()
    {
        Window->ModelName->showPopup();
        QTest::keyClick(Window->ModelName->view(), Qt::Key_Escape); // closes the list only
        QVERIFY(!Window->ModelName->view()->isVisible() && Game->Ends == 0);
        Window->ClassName->showPopup();
        QTest::keyClick(Window->ClassName->view(), Qt::Key_S,
                        Qt::AltModifier); // "<New Class>": the name check
        QVERIFY(!Window->ClassName->view()->isVisible());
        QVERIFY(Game->Shown.value(0).startsWith(u"As the Character name"_s));

        // Alt and the key that bears A and Ф on a Russian layout: Windows reports the virtual key A, X11 the
        // key code 38; then the key of C and С. Neither types its letter.
        MoveSlider(Window->Slider(Proficiency::Medic), 2);
        QKeyEvent russianA(QEvent::KeyPress, 0x0424, Qt::AltModifier, 38, 'A', 0, u"\u0444"_s);
        QApplication::sendEvent(Window->Slider(Proficiency::Medic), &russianA);
        QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 0);
        QKeyEvent russianC(QEvent::KeyPress, 0x0421, Qt::AltModifier, 54, 'C', 0, u"\u0441"_s);
        QApplication::sendEvent(Window->Callsign, &russianC);
        QCOMPARE(Game->Ends, 1);
        QCOMPARE(Window->Callsign->text(), u"player"_s);
    }

    void valueLabels_readWithTheirCaptions()
    {
        // Qt announces each change of an accessible name; offscreen, no screen reader listens.
        DoubleClickGridItems(*Window, {"Crate", "Load Bearing Vest"});
        QStringList names;
        for (QLabel* label : {Window->PointsAvailable, Window->WeightConsumed, Window->MovementMessage,
                              Window->AmmoMessage}) {
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(label);
            names.append(readable->text(QAccessible::Name));
            QCOMPARE(readable->text(QAccessible::Description), label->toolTip());
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop); // as the captions beside them
        }
        QCOMPARE(names.join(u'\n'),
                 u"Points Available: 27\nWeight Consumed: 26.5 kg\nMovement: Slow run, small jumps.\n"
                 "Special: Ammo for first two weapons is being doubled and weight halved First four "
                 "grenades weight halved."_s);
    }

private:
    std::unique_ptr<EditorGame> Game;
    Form1* Window = nullptr;
};

QTEST_MAIN(InputTest)
#include "inputtest.moc"
