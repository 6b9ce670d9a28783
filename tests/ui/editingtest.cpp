#include "support/uitestsupport.h"
#include "ui/loadnote.h"
#include "ui/sortedcombobox.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTableView>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>
#include <functional>

namespace {

// A game folder of the standard items and more than the grid shows at once, two models and a saved class,
// the editor started on it.
std::unique_ptr<EditorGame> StartedStandardGame()
{
    auto game = std::make_unique<EditorGame>();
    // Two items whose internal names a class file reads otherwise than it writes them: "hat " and 'ha"t'.
    QStringList spares = {u"hat ,Hat,misc,1,0.1,,,,,,0,,"_s, u"ha\"t,Quote Hat,misc,1,0.1,,,,,,0,,"_s};
    for (int i = 1; i <= 20; ++i)
        spares.append(u"spare%1,Spare %1,equipment,1,1,,,,,,0,,"_s.arg(i));
    MakeStandardGame(*game, spares);
    game->WriteClass(u"Grenadier.cfg"_s, {"set class \"Grenadier\"", "set callsign \"Thunder\"",
                                          "set skin \"trooper/h01 b01 l01\"", "set proficiency8 explosives1",
                                          "set proficiency12 strength2", "set equipment1 lbv",
                                          "set equipment2 frag", "set equipment3 c4"});
    if (!game->Start())
        qWarning("the editor did not start");
    return game;
}

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

// What the window shows of the class, for one comparison each: its name, callsign, model and skins
// ("Sniper, Hawk, trooper/001 002 003"), and the points, weight, movement, first line of the load mode and
// the entries after the starting item ("29 | 25 kg | Slow run, small jumps. |  | Crate").
QString Identity(const Form1& window)
{
    return u"%1, %2, %3/%4 %5 %6"_s.arg(window.ClassName->currentText(), window.Callsign->text(),
                                        window.ModelName->currentText(), window.HeadSkin->currentText(),
                                        window.BodySkin->currentText(), window.LegsSkin->currentText());
}

QString Displays(const Form1& window)
{
    QStringList entries;
    for (int i = 1; i < window.List1->count(); ++i)
        entries.append(window.List1->item(i)->text());
    return QStringList{window.PointsAvailable->text(), window.WeightConsumed->text(),
                       window.MovementMessage->text(), window.AmmoMessage->text().section(u'\r', 0, 0),
                       entries.join(u';')}
        .join(u" | "_s);
}

} // namespace

// Editing, saving, loading and clearing a class through the window on the standard game: the standard
// items, the models trooper and urban and the class Grenadier. By mouse, and by wheel and keyboard on any
// layout without changing the class by accident; a screen reader reads every value.
class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        Game = StartedStandardGame();
        Window = Game->Editor->Window.get();
        QVERIFY(Window);
    }

    void slidersAndItems_recompute()
    {
        SetLevels(*Window, u"44000000041"); // 31 points
        QCOMPARE(Displays(*Window), u"-1 | 3.92 kg | Can move without restrictions. |  | "_s);
        QCOMPARE(Window->PointsAvailable->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        SetLevels(*Window, u"44000000040");
        QCOMPARE(Window->PointsAvailable->palette().color(QPalette::WindowText), QColor(0, 0, 0));

        QLocale::setDefault(QLocale(QLocale::German)); // the weight in the user's own notation
        DoubleClickGridItems(*Window, {"Crate"});
        MoveSlider(Window->Slider(Proficiency::Strength), 4); // carries 8 kg more, weighs the same
        QCOMPARE(Displays(*Window),
                 u"-11 | 25 kg | Can run, no sprinting, can\u2019t jump as far. |  | Crate"_s);
        // The vest's limit of 1 takes the second back at once, the item of limit -1 too; "  Pack " is listed
        // without its blanks and counts; the heading adds nothing.
        DoubleClickGridItems(*Window, {"Load Bearing Vest", "Frag Grenade", "Load Bearing Vest",
                                       "Banned Item", "Pack", "Weapons and equipment"});
        QCOMPARE(
            Displays(*Window),
            u"-15 | 27,75 kg | Can run, no sprinting, can\u2019t jump as far. | Ammo for first two weapons "
            "is being doubled and weight halved | Crate;Load Bearing Vest;Frag Grenade;Pack"_s);
        DoubleClickListEntry(*Window, 0); // the starting item stays
        DoubleClickListEntry(*Window, 2);
        QCOMPARE(
            Displays(*Window),
            u"-13 | 26,5 kg | Can run, no sprinting, can\u2019t jump as far. |  | Crate;Frag Grenade;Pack"_s);
        QLocale::setDefault(QLocale::c());
    }

    void save_writesTheFileAndJoinsTheClassList_orIsRefused()
    {
        Click(Window->Command1);
        QTest::keyClick(Window->Callsign, Qt::Key_S, Qt::AltModifier); // no check of its own: the name check
        Window->ClassName->setFocus(); // its text selected: typing replaces it
        QTest::keyClicks(Window->ClassName, u" Sniper "_s);
        SetLevels(*Window, u"20004000044"); // 33 points
        Click(Window->Command1);
        QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
        QCOMPARE( // each once: Alt+S does not press the button too
            Game->Shown.join(u'\n'),
            u"A classname must be entered to save a new class\nAs the Character name is used as the file "
            "name the following symbols are not permitted in the characters name: < > * & | / \\ : ? \"\n"
            "Point allocation exceeded. Reduce to equal or above 0 and try again.\n"
            "Point allocation exceeded. Reduce to equal or below 0 and try again."_s);

        SetLevels(*Window, u"20004000000");
        Window->Callsign->setText(u"  Hawk "_s);
        PickComboEntry(Window->HeadSkin, u"002"_s);
        DoubleClickGridItems(*Window, {"M4A1", "Twin"}); // two items of one name: two lines
        Click(Window->Command1);
        const QString sniper = ClassFile(u"Sniper.cfg"_s);
        const QByteArray file = CrLfBytes(
            {"//Halcyx Character file for Sniper. Editing this file directly may result in server weight or "
             "point verification failure.",
             "set class \"Sniper\"", "set callsign \"Hawk\"", "set skin \"trooper/002 002 003\"",
             "set proficiency1 pistol2", "set proficiency5 sniperrifle4", "", "//Weapons and Equipment",
             "set equipment1 m4a1", "set equipment2 twin_a", "set equipment3 twin_b", ""});
        QCOMPARE(ReadTestFile(sniper), file);
        // The name as typed joins the list in its place (a blank sorts first); the window keeps it all.
        QCOMPARE(ComboEntries(Window->ClassName), (QStringList{" Sniper ", "<New Class>", "Grenadier"}));
        QCOMPARE(Identity(*Window), u" Sniper ,   Hawk , trooper/002 002 003"_s);
        QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier); // again: the same file, nothing added
        QCOMPARE(Window->ClassName->count(), 3);
        const QString shown = Displays(*Window);
        PickComboEntry(Window->ClassName, u" Sniper "_s); // loads as it was saved: one entry for Twin
        QCOMPARE(Displays(*Window), shown);
        QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(ReadTestFile(sniper), file);
        // A model that the file would read back otherwise is refused, and nothing is written.
        Window->ModelName->setEditText(u"am/ber"_s);
        Click(Window->Command1);
        QVERIFY(Game->Shown.last().contains(u"the model may not contain one"_s));
        Window->ModelName->setEditText(u"trooper"_s);

        QVERIFY(QFile::setPermissions(sniper, QFileDevice::ReadOwner));
        Click(Window->Command1);
        QCOMPARE(Game->Shown.last(),
                 u"Unable to save the class file %1: The file is read-only."_s.arg(sniper));
        QCOMPARE(ReadTestFile(sniper), file);
    }

    void pickedClass_loadsWhatItsFileHolds()
    {
        MoveSlider(Window->Slider(Proficiency::Pistol), 3);
        PickComboEntry(Window->ClassName, u"<New Class>"_s); // neither clears nor loads
        QCOMPARE(Window->PointsAvailable->text(), u"24"_s);
        PickComboEntry(Window->ClassName, u"Grenadier"_s);
        QCOMPARE(Identity(*Window), u"Grenadier, Thunder, trooper/h01 b01 l01"_s);
        QCOMPARE(Displays(*Window),
                 u"19 | 6.67 kg | Can move without restrictions. | Ammo for first two weapons is being "
                 "doubled and weight halved | Load Bearing Vest;Frag Grenade;C4 Charge"_s);
        QCOMPARE(ComboEntries(Window->HeadSkin), (QStringList{"001", "002"})); // the lists are not refilled

        // A file without callsign and skin lines shows none; a missing file is reported after clearing.
        Game->WriteClass(u"Bare.cfg"_s, {"set proficiency1 pistol1"});
        AddSortedItem(Window->ClassName, u"Bare"_s);
        PickComboEntry(Window->ClassName, u"Bare"_s);
        QCOMPARE(Identity(*Window), u"Bare, , /  "_s);
        QFile::remove(ClassFile(u"Bare.cfg"_s));
        PickComboEntry(Window->ClassName, u"Bare"_s);
        QVERIFY(
            Game->Shown.value(0).startsWith(u"Error : Unable to open file "_s + ClassFile(u"Bare.cfg"_s)));
        QCOMPARE(Displays(*Window), u"30 | 3.92 kg | Can move without restrictions. |  | "_s);
    }

    void pickedModel_fillsItsSkins_foldersCarriedOver()
    {
        PickComboEntry(Window->HeadSkin, u"002"_s);
        PickComboEntry(Window->ModelName, u"urban"_s); // no body line: trooper's body folder stays
        QCOMPARE(ComboEntries(Window->HeadSkin) + ComboEntries(Window->BodySkin) +
                     ComboEntries(Window->LegsSkin),
                 (QStringList{"u01", "002", "u02"}));
        QCOMPARE(Identity(*Window), u"<New Class>, player, urban/u01 002 u02"_s);
    }

    void clearAll_keepsNameCallsignModelAndSkins()
    {
        PickComboEntry(Window->ClassName, u"Grenadier"_s);
        int clicks = 0;
        connect(Window->Command6, &QPushButton::clicked, this, [&clicks] { ++clicks; });
        QTest::keyClick(Window->List1, Qt::Key_A, Qt::AltModifier | Qt::ControlModifier); // no command
        QCOMPARE(Window->List1->count(), 4);
        QTest::keyClick(Window->List1, Qt::Key_A, Qt::AltModifier);
        Click(Window->Command6);
        QCOMPARE(clicks, 1); // Alt+A does not press the button too
        QCOMPARE(
            Identity(*Window) + u" | "_s + Displays(*Window),
            u"Grenadier, Thunder, trooper/h01 b01 l01 | 30 | 3.92 kg | Can move without restrictions. |  | "_s);
    }

    void callsign_emptiedOfPlayerOnEveryVisit()
    {
        for (const QString& typed : {u"player"_s, u"Player"_s, QString()}) { // Player stays
            Window->ClassName->setFocus();
            Window->Callsign->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(Window->Callsign, typed);
        }
        QCOMPARE(Window->Callsign->text(), u"Player"_s);
    }

    void closeEscapeAndAltC_endWithoutAsking()
    {
        QTest::keyClick(Window->Callsign, Qt::Key_C);
        QTest::keyClick(Window->Callsign, Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(Game->Ends, 0);
        QTest::keyClick(Window->Callsign, Qt::Key_C, Qt::AltModifier);
        QTest::keyClick(Window->List1, Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
        Click(Window->Command2);
        QCOMPARE(Game->Ends, 3);
    }

    void wheel_changesOnlyFocusedSlidersAndScrollsLists()
    {
        QSlider* pistol = Window->Slider(Proficiency::Pistol);
        for (QComboBox* box : {Window->ClassName, Window->HeadSkin}) {
            for (QWidget* focus : {static_cast<QWidget*>(Window->Callsign), static_cast<QWidget*>(box)}) {
                focus->setFocus();
                for (int notches : {1, -1, -1})
                    Wheel(box->lineEdit(), notches);
            }
        }
        Wheel(pistol, 1);
        QCOMPARE(Identity(*Window) + u' ' + QString::number(pistol->value()),
                 u"<New Class>, , trooper/001 002 003 0"_s);
        pistol->setFocus();
        Wheel(pistol, 1);
        QCOMPARE(Window->PointsAvailable->text(), u"29"_s);

        QTableView* grid = Window->MSHFlexGrid1;
        Wheel(grid->viewport(), -3);
        QVERIFY(grid->verticalScrollBar()->value() > 0);
        // A click on the scroll bar gives the grid the focus without a current row: End goes to the last.
        QTest::mouseClick(grid->verticalScrollBar(), Qt::LeftButton);
        QTest::keyClick(grid, Qt::Key_End);
        QCOMPARE(grid->currentIndex().row(), grid->model()->rowCount() - 1);
        Window->ClassName->showPopup();
        Wheel(Window->ClassName->view()->viewport(), -1);
        QVERIFY(Window->ClassName->view()->isVisible());
        QCOMPARE(Window->ClassName->currentText(), u"<New Class>"_s);
    }

    void keysInClosedLists_pickNothing_altTypesNothing()
    {
        QCOMPARE(QApplication::focusWidget(), Window->ClassName); // its text selected: typing replaces it
        QTest::keyClicks(Window->ClassName, u"Grenadier"_s);
        QTest::keyClick(Window->ClassName, Qt::Key_Return);
        QTest::keyClick(Window->ClassName, Qt::Key_B, Qt::AltModifier);
        // Down opens the list, and leaving the text picks nothing.
        QTest::keyClick(Window->ClassName, Qt::Key_Down);
        QAbstractItemView* list = Window->ClassName->view();
        QVERIFY(list->isVisible());
        QCOMPARE(Window->ClassName->currentText() + Window->PointsAvailable->text(), u"Grenadier30"_s);
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Return); // a pick from the open list loads
        QCOMPARE(Window->PointsAvailable->text(), u"19"_s);

        Window->Callsign->setFocus();
        QTest::keyClick(Window->Callsign, Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyClick(Window->Callsign, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(Window->Callsign->text(), u"Thunder"_s);
        QTest::keyClick(Window->Callsign, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Window->ClassName->lineEdit()->selectedText(), u"Grenadier"_s);
        QCOMPARE(Game->Shown, QStringList());
    }

    // With unsaved work: no key steps a closed list to Grenadier or to urban, whether the box or its text
    // field has it. Alt+Up, Alt+Down and F4 open the list, and close it again without picking the entry
    // highlighted meanwhile.
    void closedLists_noKeyPicks_altArrowsAndF4OpenAndClose()
    {
        MoveSlider(Window->Slider(Proficiency::Pistol), 3);
        const QString before = Identity(*Window) + u" | "_s + Displays(*Window);
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
                                    alt = Qt::AltModifier;
        for (QComboBox* box : {Window->ClassName, Window->ModelName}) {
            for (QWidget* target : {static_cast<QWidget*>(box), static_cast<QWidget*>(box->lineEdit())}) {
                for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                    Qt::Key_End, Qt::Key_F4}) {
                    for (Qt::KeyboardModifiers held :
                         {shift, ctrl, alt, shift | ctrl, shift | alt, ctrl | alt, shift | ctrl | alt,
                          Qt::KeyboardModifiers()}) {
                        const bool toggles = key == Qt::Key_F4
                                                 ? held == Qt::NoModifier
                                                 : held == alt && (key == Qt::Key_Up || key == Qt::Key_Down);
                        if (held == Qt::NoModifier && !toggles)
                            continue; // plain arrows open the list (keysInClosedLists_...)
                        QTest::keyClick(target, key, held);
                        QCOMPARE(box->view()->isVisible(), toggles);
                        if (!toggles)
                            continue;
                        QTest::keyClick(box->view(), Qt::Key_Down);
                        const Qt::Key other = key == Qt::Key_Up ? Qt::Key_Down : Qt::Key_Up;
                        QTest::keyClick(box->view(), key == Qt::Key_F4 ? key : other, held);
                        QVERIFY(!box->view()->isVisible());
                    }
                }
            }
        }
        QCOMPARE(Identity(*Window) + u" | "_s + Displays(*Window), before);
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
        QCOMPARE(grid->currentIndex().row(), 0);
        // A click below the entries gives the list the focus without a current entry: End goes to the last.
        QWidget* entries = Window->List1->viewport();
        QTest::mouseClick(entries, Qt::LeftButton, {}, QPoint(4, entries->height() - 4));
        for (Qt::Key key :
             {Qt::Key_End, Qt::Key_Delete, Qt::Key_Home, Qt::Key_Delete, Qt::Key_Down, Qt::Key_Delete})
            QTest::keyClick(Window->List1, key); // the starting item stays
        QCOMPARE(Displays(*Window), u"30 | 3.92 kg | Can move without restrictions. |  | "_s);
    }

    void commands_workInOpenListsAndOnOtherLayouts()
    {
        Window->ModelName->showPopup();
        QTest::keyClick(Window->ModelName->view(), Qt::Key_Escape); // closes the list only
        QVERIFY(!Window->ModelName->view()->isVisible() && Game->Ends == 0);
        Window->ClassName->showPopup();
        QTest::keyClick(Window->ClassName->view(), Qt::Key_S, Qt::AltModifier); // the name check
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
        }
        QCOMPARE(names.join(u'\n'),
                 u"Points Available: 27\nWeight Consumed: 26.5 kg\nMovement: Slow run, small jumps.\n"
                 "Special: Ammo for first two weapons is being doubled and weight halved First four "
                 "grenades weight halved."_s);
    }

    // A load that passed over lines or read them otherwise says so in the window's foot, without a box:
    // its first note on the line, every note in the tool tip and to a screen reader, till the next load or
    // Clear All. A load with nothing to tell shows nothing.
    void loadNote_tellsWhatTheLoadLeftOut_tillTheNextLoadOrClearAll()
    {
        Game->WriteClass(u"Odd.cfg"_s, {"set class \"Oddity\"", "set proficiency1 pistol7", "set tag x",
                                        "set equipment1 raygun", "set equipment2 m4a1"});
        AddSortedItem(Window->ClassName, u"Odd"_s);
        QAccessibleInterface* note = QAccessible::queryAccessibleInterface(Window->LoadNote);
        for (const auto& clear :
             {std::function<void()>([this] { Click(Window->Command6); }),
              std::function<void()>([this] { PickComboEntry(Window->ClassName, u"Grenadier"_s); })}) {
            PickComboEntry(Window->ClassName, u"Odd"_s);
            QVERIFY(Game->Shown.isEmpty());
            QCOMPARE(Displays(*Window).section(u" | "_s, 4), u"M4A1"_s);
            QCOMPARE(Window->LoadNote->text(),
                     u"Odd.cfg was not loaded as written: line 1, the class is named \"Oddity\" here: a save "
                     "writes it to Oddity.cfg (3 more)"_s);
            QCOMPARE(note->text(QAccessible::Name), u"Load note: "_s + Window->LoadNote->text());
            QCOMPARE(note->text(QAccessible::Description).count(u"\nline "_s), 4);
            QVERIFY(Window->LoadNote->toolTip().contains(
                u"\nline 4: item \"raygun\" is not in the weapons file: it is left out"_s));
            QVERIFY(Window->LoadNote->geometry().top() >= Window->Command1->geometry().bottom());
            QCOMPARE(Window->LoadNote->focusPolicy(), Qt::TabFocus); // its tool tip shows while focused
            clear();
            QCOMPARE(Window->LoadNote->text() + note->text(QAccessible::Name), u"Load note:"_s);
            QCOMPARE(Window->LoadNote->focusPolicy(), Qt::NoFocus);
        }
    }

    // Items whose internal names hold blanks around them or a quote, and texts longer than a text box's
    // usual limit, come back whole after a restart, and the next save writes the same bytes.
    void oddItemNamesAndLongTexts_loadWhole_afterARestart()
    {
        const QString callsign(40000, u'c');
        Window->ClassName->setFocus();
        QTest::keyClicks(Window->ClassName, u"Hatter"_s);
        Window->Callsign->setText(callsign);
        DoubleClickGridItems(*Window, {"Hat", "Quote Hat", "M4A1"});
        QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
        const QByteArray file = ReadTestFile(ClassFile(u"Hatter.cfg"_s));
        QVERIFY(file.contains("set equipment1 hat \r\nset equipment2 ha\"t\r\n"));

        Window = Game->Start(); // the editor started anew
        PickComboEntry(Window->ClassName, u"Hatter"_s);
        QCOMPARE(Displays(*Window).section(u" | "_s, 4), u"Hat;Quote Hat;M4A1"_s);
        QCOMPARE(Window->Callsign->text(), callsign);
        QCOMPARE(Window->LoadNote->text(), QString());
        QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(ReadTestFile(ClassFile(u"Hatter.cfg"_s)), file);
        QVERIFY(Game->Shown.isEmpty());
    }

#ifndef Q_OS_WIN
    // On a case-sensitive disk, two files whose names differ only in case each open from their own class
    // list entry, and each class saves back to its own file.
    void filesDifferingInCase_eachOpenAndSaveFromTheirOwnEntry()
    {
        Game->WriteClass(u"Alpha.cfg"_s, {"set class \"Alpha\"", "set callsign \"One\""});
        Game->WriteClass(u"Alpha.CFG"_s, {"set class \"Alpha\"", "set callsign \"Two\""});
        Window = Game->Start();
        const int first = Window->ClassName->findText(u"Alpha"_s);
        QCOMPARE(Window->ClassName->itemText(first + 1), u"Alpha"_s);
        QStringList seen;
        for (const int entry : {first, first + 1}) {
            Window->ClassName->showPopup();
            ClickItem(Window->ClassName->view(), Window->ClassName->view()->model()->index(entry, 0), false);
            seen.append(Window->Callsign->text());
            Window->Callsign->setText(seen.last() + u" saved"_s);
            QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
        }
        QCOMPARE(seen.size(), QSet<QString>(seen.begin(), seen.end()).size());
        QVERIFY(ReadTestFile(ClassFile(u"Alpha.cfg"_s)).contains("set callsign \"One saved\""));
        QVERIFY(ReadTestFile(ClassFile(u"Alpha.CFG"_s)).contains("set callsign \"Two saved\""));
        QCOMPARE(QDir(Game->Path(u"tool/characters"_s)).entryList(QDir::Files).size(), 3); // and Grenadier
    }
#endif

private:
    QString ClassFile(const QString& name) const
    {
        return Game->Path(u"tool/characters/"_s + name);
    }

    void Click(QPushButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
    }

    std::unique_ptr<EditorGame> Game;
    Form1* Window = nullptr;
};

QTEST_MAIN(EditingTest)
#include "editingtest.moc"
