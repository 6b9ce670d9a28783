#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/sortedcombobox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>

// Editing, saving, loading and clearing a class through the window, by mouse and keyboard, on the
// standard game: the standard items, the model trooper and the class Grenadier.
class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void slidersAndItems_recomputePointsWeightAndMovement();
    void itemLimitsAndRemoval();
    void save_writesTheExactFileAndJoinsTheClassList();
    void save_refusalsByButtonAndByAltS();
    void pickedClass_loadsWhatItsFileHolds();
    void pickedModel_refillsTheSkinLists();
    void clearAll_callsignAndTheProgramsEnd();

private:
    QString ClassFile(const QString& name) const
    {
        return Game->Path(QStringLiteral("tool/characters/") + name);
    }
    QStringList ClassFiles() const
    {
        return QDir(Game->Path(QStringLiteral("tool/characters"))).entryList(QDir::Files);
    }
    void TypeClassName(const QString& name);

    std::unique_ptr<EditorGame> Game;
    Form1* Window = nullptr;
};

namespace {

const QString Header =
    QStringLiteral("//Halcyx Character file for %1. Editing this file directly may result in server "
                   "weight or point verification failure.");

QColor PointsColour(const Form1& window)
{
    return window.PointsAvailable->palette().color(QPalette::WindowText);
}

} // namespace

void EditingTest::init()
{
    Game = StartedStandardGame();
    Window = Game->Editor->Window.get();
    QVERIFY(Window);
    QCOMPARE(Game->Messages.Shown, QStringList());
}

void EditingTest::cleanup()
{
    Game.reset();
    QLocale::setDefault(QLocale::c());
}

void EditingTest::TypeClassName(const QString& name)
{
    Window->ClassName->setFocus();
    Window->ClassName->lineEdit()->selectAll();
    QTest::keyClicks(Window->ClassName, name);
}

void EditingTest::slidersAndItems_recomputePointsWeightAndMovement()
{
    for (QSlider* slider : {Window->Slider(Proficiency::Pistol), Window->Slider(Proficiency::Stealth),
                            Window->Slider(Proficiency::SubMachineGun)})
        MoveSlider(slider, 4);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("0"));
    QCOMPARE(PointsColour(*Window), QColor(0, 0, 0));
    MoveSlider(Window->Slider(Proficiency::Stamina), 1);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("-1"));
    QCOMPARE(PointsColour(*Window), QColor(255, 0, 0));
    MoveSlider(Window->Slider(Proficiency::Stamina), 0);

    QLocale::setDefault(QLocale(QLocale::German)); // the weight in the user's own notation
    DoubleClickGridItem(*Window, QStringLiteral("Crate"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("25 kg"));
    QCOMPARE(Window->MovementMessage->text(), QStringLiteral("Slow run, small jumps."));
    MoveSlider(Window->Slider(Proficiency::Strength), 4); // carries 8 kg more, weighs the same
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("25 kg"));
    QCOMPARE(Window->MovementMessage->text(),
             QStringLiteral("Can run, no sprinting, can\u2019t jump as far."));
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Crate", "M4A1"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("-16"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("29,9 kg")); // 25 + 3.4 + 3 x 0.5
    QCOMPARE(Window->MovementMessage->text(), QStringLiteral("Slow run, small jumps."));

    DoubleClickGridRow(*Window, 0); // the heading adds nothing, nor does the empty space below the rows
    QTableView* grid = Window->MSHFlexGrid1;
    const QPoint belowTheRows(5, grid->viewport()->height() - 3);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, belowTheRows);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, belowTheRows);
    QCOMPARE(Window->List1->count(), 3);
}

void EditingTest::itemLimitsAndRemoval()
{
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest"));
    DoubleClickGridItem(*Window, QStringLiteral("Frag Grenade"));
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest")); // limit 1: taken back at once
    DoubleClickGridItem(*Window, QStringLiteral("Banned Item"));       // forbidden
    DoubleClickGridItem(*Window, QStringLiteral("Pack")); // shown without its blanks, and it counts
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Load Bearing Vest", "Frag Grenade", "Pack"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("26"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("6.67 kg")); // 3.92 + 1.5 + 0.5 + 1 - 0.25
    QVERIFY(Window->AmmoMessage->text().startsWith(QStringLiteral("Ammo for first two weapons")));

    DoubleClickListEntry(*Window, 0); // the starting item stays
    DoubleClickListEntry(*Window, 1);
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Frag Grenade", "Pack"}));
    QCOMPARE(Window->AmmoMessage->text(), QString());
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("5.42 kg"));
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest")); // allowed again
    QCOMPARE(Window->List1->count(), 4);
}

void EditingTest::save_writesTheExactFileAndJoinsTheClassList()
{
    TypeClassName(QStringLiteral(" Sniper "));
    Window->Callsign->setText(QStringLiteral("  Hawk "));
    PickComboEntry(Window->HeadSkin, QStringLiteral("002"));
    MoveSlider(Window->Slider(Proficiency::Pistol), 2);
    MoveSlider(Window->Slider(Proficiency::SniperRifle), 4);
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    DoubleClickGridItem(*Window, QStringLiteral("Twin")); // two items of one name: two lines
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown, QStringList());
    const QByteArray file =
        CrLfBytes({Header.arg("Sniper"), "set class \"Sniper\"", "set callsign \"Hawk\"",
                   "set skin \"trooper/002 002 003\"", "set proficiency1 pistol2",
                   "set proficiency5 sniperrifle4", "", "//Weapons and Equipment", "set equipment1 m4a1",
                   "set equipment2 twin_a", "set equipment3 twin_b", ""});
    QCOMPARE(ReadTestFile(ClassFile(QStringLiteral("Sniper.cfg"))), file);
    // The name as typed joins the list in its sorted place (a blank sorts first); the window keeps it all.
    QCOMPARE(ComboEntries(Window->ClassName), (QStringList{" Sniper ", "<New Class>", "Grenadier"}));
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral(" Sniper "));
    QCOMPARE(Window->List1->count(), 3);
    QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier); // again: the same file, nothing added
    QCOMPARE(ReadTestFile(ClassFile(QStringLiteral("Sniper.cfg"))), file);
    QCOMPARE(Window->ClassName->count(), 3);
}

void EditingTest::save_refusalsByButtonAndByAltS()
{
    int buttonClicks = 0;
    connect(Window->Command1, &QPushButton::clicked, this, [&buttonClicks] { ++buttonClicks; });
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QTest::keyClick(Window->Callsign, Qt::Key_S, Qt::AltModifier); // no check of its own: the name check
    TypeClassName(QStringLiteral("Bad'Name"));
    DoubleClickGridItem(*Window, QStringLiteral("Medkit"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton); // the skill check comes first
    MoveSlider(Window->Slider(Proficiency::Medic), 1);
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    TypeClassName(QStringLiteral("v1.2"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    for (QSlider* slider : {Window->Slider(Proficiency::Pistol), Window->Slider(Proficiency::Stealth),
                            Window->Slider(Proficiency::Shotgun)})
        MoveSlider(slider, 4);
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(buttonClicks, 5);
    const QStringList shown = Game->Messages.Shown;
    QCOMPARE(shown.size(), 7);
    QCOMPARE(shown[0], QStringLiteral("A classname must be entered to save a new class"));
    QVERIFY(shown[1].contains(QStringLiteral("following symbols are not permitted")));
    QCOMPARE(shown[2], QStringLiteral("You must posess medical knowledge to use a medkit"));
    QVERIFY(shown[3].contains(QStringLiteral("following symbols are not permitted")));
    QVERIFY(shown[4].contains(QStringLiteral("may not contain a dot")));
    QCOMPARE(shown[5],
             QStringLiteral("Point allocation exceeded. Reduce to equal or above 0 and try again."));
    QCOMPARE(shown[6],
             QStringLiteral("Point allocation exceeded. Reduce to equal or below 0 and try again."));
    QCOMPARE(ClassFiles(), QStringList{"Grenadier.cfg"});
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("v1.2"));
    QCOMPARE(Window->List1->count(), 2);

    QVERIFY(QFile::setPermissions(ClassFile(QStringLiteral("Grenadier.cfg")), QFileDevice::ReadOwner));
    TypeClassName(QStringLiteral("Grenadier"));
    MoveSlider(Window->Slider(Proficiency::Shotgun), 0);
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown.last(),
             QStringLiteral("Unable to save the class file %1: The file is read-only.")
                 .arg(ClassFile(QStringLiteral("Grenadier.cfg"))));
    QVERIFY(ReadTestFile(ClassFile(QStringLiteral("Grenadier.cfg"))).startsWith("set class \"Grenadier\""));
}

void EditingTest::pickedClass_loadsWhatItsFileHolds()
{
    MoveSlider(Window->Slider(Proficiency::Pistol), 3);
    PickComboEntry(Window->ClassName, QStringLiteral("<New Class>")); // neither clears nor loads
    QCOMPARE(Window->Slider(Proficiency::Pistol)->value(), 3);
    QTest::keyClicks(Window->ClassName, QStringLiteral("Grenadier"));
    QTest::keyClick(Window->ClassName, Qt::Key_Return); // typing a name is no pick
    QCOMPARE(Window->Slider(Proficiency::Pistol)->value(), 3);

    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    const QStringList texts = {Window->ClassName->currentText(), Window->Callsign->text(),
                               Window->ModelName->currentText(), Window->HeadSkin->currentText(),
                               Window->BodySkin->currentText(),  Window->LegsSkin->currentText(),
                               Window->PointsAvailable->text(),  Window->WeightConsumed->text()};
    QCOMPARE(texts, (QStringList{"Grenadier", "Thunder", "trooper", "h01", "b01", "l01", "19", "6.67 kg"}));
    QCOMPARE(ListEntries(Window->List1),
             (QStringList{Base, "Load Bearing Vest", "Frag Grenade", "C4 Charge"}));
    QCOMPARE(Window->Slider(Proficiency::Pistol)->value(), 0);
    QCOMPARE(Window->Slider(Proficiency::Strength)->value(), 2);
    QCOMPARE(ComboEntries(Window->HeadSkin), (QStringList{"001", "002"})); // the lists are not refilled

    // A file without callsign and skin lines shows none; a missing file is reported after clearing.
    Game->WriteClass(QStringLiteral("Bare.cfg"), {"set proficiency1 pistol1"});
    AddSortedItem(Window->ClassName, QStringLiteral("Bare"));
    PickComboEntry(Window->ClassName, QStringLiteral("Bare"));
    QCOMPARE(Window->Callsign->text() + Window->ModelName->currentText() + Window->HeadSkin->currentText() +
                 Window->BodySkin->currentText() + Window->LegsSkin->currentText(),
             QString());
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Bare"));
    QFile::remove(ClassFile(QStringLiteral("Bare.cfg")));
    PickComboEntry(Window->ClassName, QStringLiteral("Bare"));
    QCOMPARE(Game->Messages.Shown.size(), 1);
    QVERIFY(Game->Messages.Shown.first().startsWith(QStringLiteral("Error : Unable to open file ") +
                                                    ClassFile(QStringLiteral("Bare.cfg"))));
    QCOMPARE(Window->Slider(Proficiency::Pistol)->value(), 0);
    QCOMPARE(Window->List1->count(), 1);
}

void EditingTest::pickedModel_refillsTheSkinLists()
{
    Game->AddModel(QStringLiteral("urban"), {"head people/urban", "legs people/urban"},
                   {"head_u01.tga", "legs_u02.tga"});
    Game->Start();
    Window = Game->Editor->Window.get();
    QCOMPARE(ComboEntries(Window->ModelName), (QStringList{"trooper", "urban"}));
    PickComboEntry(Window->HeadSkin, QStringLiteral("002"));
    PickComboEntry(Window->ModelName, QStringLiteral("urban"));
    QCOMPARE(ComboEntries(Window->HeadSkin) + ComboEntries(Window->BodySkin) + ComboEntries(Window->LegsSkin),
             (QStringList{"u01", "002", "u02"})); // no body line: trooper's body folder stays
    QCOMPARE(Window->HeadSkin->currentText(), QStringLiteral("u01"));
    TypeClassName(QStringLiteral("Scout"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QVERIFY(
        ReadTestFile(ClassFile(QStringLiteral("Scout.cfg"))).contains("set skin \"urban/u01 002 u02\"\r\n"));
}

void EditingTest::clearAll_callsignAndTheProgramsEnd()
{
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    int clicks = 0;
    connect(Window->Command6, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    QTest::keyClick(Window->List1, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(Window->List1, Qt::Key_A, Qt::AltModifier | Qt::ControlModifier); // no command
    QCOMPARE(clicks, 0);
    QTest::mouseClick(Window->Command6, Qt::LeftButton);
    const QStringList kept = {Window->ClassName->currentText(), Window->Callsign->text(),
                              Window->HeadSkin->currentText(), Window->PointsAvailable->text(),
                              ListEntries(Window->List1).join(u'|')};
    QCOMPARE(kept, (QStringList{"Grenadier", "Thunder", "h01", "30", Base}));
    for (QSlider* slider : Window->SkillSliders)
        QCOMPARE(slider->value(), 0);

    Window->Callsign->setText(QStringLiteral("player"));
    Window->ClassName->setFocus();
    Window->Callsign->setFocus(Qt::MouseFocusReason);
    QCOMPARE(Window->Callsign->text(), QString());
    QTest::keyClicks(Window->Callsign, QStringLiteral("Player"));
    Window->ClassName->setFocus();
    Window->Callsign->setFocus(Qt::TabFocusReason);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Player"));

    QTest::keyClick(Window->Callsign, Qt::Key_C);
    QTest::keyClick(Window->Callsign, Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(Game->End.Ends, 0);
    QTest::keyClick(Window->Callsign, Qt::Key_C, Qt::AltModifier);
    QTest::keyClick(Window->List1, Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::mouseClick(Window->Command2, Qt::LeftButton);
    QCOMPARE(Game->End.Ends, 3);
    QCOMPARE(ClassFiles(), QStringList{"Grenadier.cfg"});
}

ROSTERMAKER_REGISTER_TEST(EditingTest)
#include "editingtest.moc"
