#include "support/testmain.h"
#include "support/testsupport.h"
#include "support/uitestsupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// Saving, loading and clearing classes through the window, by mouse and keyboard.
class ClassFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void saveButton_writesExactFileAndJoinsClassList();
    void saveButton_refusesOverspentBudgetAndNewClass();
    void altS_refusesWithItsOwnWordingAndOnlySavesOnce();
    void altS_onNewClass_givesNameCheckMessage();
    void skillCheckComesBeforeNameCheck();
    void pickingClass_loadsItsFile();
    void pickingNewClass_changesNothing();
    void typingClassNameAndReturn_loadsNothing();
    void missingClassFile_isReportedAfterClearing();
    void savedThenLoaded_givesSameClass();
    void readOnlyClassFile_isReportedAndKept();
    void hostileCallsign_cannotInjectALine();
    void clearAll_keepsNameCallsignAndModel();
    void loading_showsNothingOfTheClassBefore();

private:
    QString ClassFile(const QString& name) const
    {
        return Game->Path(QStringLiteral("tool/characters/") + name);
    }
    void TypeClassName(const QString& name);
    void Overspend(); // 31 points of skills: the budget reads -1

    std::unique_ptr<GameFolder> Game;
    Form1* Window = nullptr;
};

namespace {

const QString Base = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");
const QString Header =
    QStringLiteral("//Halcyx Character file for %1. Editing this file directly may result in "
                   "server weight or point verification failure.");

} // namespace

void ClassFilesTest::init()
{
    Game = std::make_unique<GameFolder>();
    Game->WriteSettings({"[Application]", "Model Path=..\\models\\people"});
    Game->WriteWeapons(StandardWeapons());
    Game->AddModel(QStringLiteral("trooper"),
                   {"head people/trooper", "body people/trooper", "legs people/trooper"},
                   {"head_001.tga", "body_002.tga", "legs_003.tga"});
    Game->WriteClass(QStringLiteral("Grenadier.cfg"),
                     {Header.arg("Grenadier"), "set class \"Grenadier\"", "set callsign \"Thunder\"",
                      "set skin \"trooper/h01 b01 l01\"", "set proficiency8 explosives1",
                      "set proficiency12 strength2", "", "//Weapons and Equipment", "set equipment1 lbv",
                      "set equipment2 frag", "set equipment3 c4", ""});
    QVERIFY(Game->Start());
    Window = Game->Editor->Window.get();
    QCOMPARE(Game->Messages.Shown, QStringList());
}

void ClassFilesTest::cleanup()
{
    Game.reset();
}

void ClassFilesTest::TypeClassName(const QString& name)
{
    Window->ClassName->lineEdit()->selectAll();
    QTest::keyClicks(Window->ClassName->lineEdit(), name);
}

void ClassFilesTest::Overspend()
{
    MoveSlider(Window->Slider(Proficiency::Pistol), 4);
    MoveSlider(Window->Slider(Proficiency::Shotgun), 4);
    MoveSlider(Window->Slider(Proficiency::Knives), 4);
    MoveSlider(Window->Slider(Proficiency::Stealth), 1);
}

void ClassFilesTest::saveButton_writesExactFileAndJoinsClassList()
{
    TypeClassName(QStringLiteral(" Sniper "));
    Window->Callsign->setText(QStringLiteral("  Hawk "));
    MoveSlider(Window->Slider(Proficiency::Pistol), 2);
    MoveSlider(Window->Slider(Proficiency::SniperRifle), 4);
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    DoubleClickGridItem(*Window, QStringLiteral("Frag Grenade"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown, QStringList());
    QCOMPARE(ReadTestFile(ClassFile(QStringLiteral("Sniper.cfg"))),
             CrLfBytes({Header.arg("Sniper"), "set class \"Sniper\"", "set callsign \"Hawk\"",
                        "set skin \"trooper/001 002 003\"", "set proficiency1 pistol2",
                        "set proficiency5 sniperrifle4", "", "//Weapons and Equipment", "set equipment1 m4a1",
                        "set equipment2 frag", ""}));
    // The typed text, blanks included, joins the list in its sorted place (a blank sorts first); the
    // window keeps its contents.
    QCOMPARE(ComboEntries(Window->ClassName), (QStringList{" Sniper ", "<New Class>", "Grenadier"}));
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral(" Sniper "));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "M4A1", "Frag Grenade"}));
    // Saving again writes the same file and adds nothing to the list.
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Window->ClassName->count(), 3);
}

void ClassFilesTest::saveButton_refusesOverspentBudgetAndNewClass()
{
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown, QStringList{"A classname must be entered to save a new class"});
    TypeClassName(QStringLiteral("Heavy"));
    Overspend();
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("-1"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown.last(),
             QStringLiteral("Point allocation exceeded. Reduce to equal or above 0 and try again."));
    QVERIFY(!QFile::exists(ClassFile(QStringLiteral("Heavy.cfg"))));
    QCOMPARE(Window->ClassName->count(), 2);
}

void ClassFilesTest::altS_refusesWithItsOwnWordingAndOnlySavesOnce()
{
    TypeClassName(QStringLiteral("Heavy"));
    Overspend();
    QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(Game->Messages.Shown,
             QStringList{"Point allocation exceeded. Reduce to equal or below 0 and try again."});
    MoveSlider(Window->Slider(Proficiency::Stealth), 0);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("0"));
    int buttonClicks = 0;
    connect(Window->Command1, &QPushButton::clicked, this, [&buttonClicks] { ++buttonClicks; });
    QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(buttonClicks, 0);
    QVERIFY(QFile::exists(ClassFile(QStringLiteral("Heavy.cfg"))));
    QCOMPARE(Game->Messages.Shown.size(), 1);
    // Other combinations do nothing.
    QFile::remove(ClassFile(QStringLiteral("Heavy.cfg")));
    QTest::keyClick(Window->List1, Qt::Key_S, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(Window->List1, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!QFile::exists(ClassFile(QStringLiteral("Heavy.cfg"))));
}

void ClassFilesTest::altS_onNewClass_givesNameCheckMessage()
{
    QTest::keyClick(Window->Callsign, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(Game->Messages.Shown,
             QStringList{"As the Character name is used as the file name the following "
                         "symbols are not permitted in the characters name: < > * & | / \\ "
                         ": ? \""});
    QCOMPARE(QDir(Game->Path(QStringLiteral("tool/characters"))).entryList(QDir::Files),
             QStringList{"Grenadier.cfg"});
}

void ClassFilesTest::skillCheckComesBeforeNameCheck()
{
    TypeClassName(QStringLiteral("Bad'Name"));
    DoubleClickGridItem(*Window, QStringLiteral("Medkit"));
    DoubleClickGridItem(*Window, QStringLiteral("C4 Charge"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown, QStringList{"You must posess medical knowledge to use a medkit"});
    MoveSlider(Window->Slider(Proficiency::Medic), 1);
    MoveSlider(Window->Slider(Proficiency::Explosives), 1);
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QVERIFY(Game->Messages.Shown.last().startsWith(
        QStringLiteral("As the Character name is used as the file name")));
    TypeClassName(QStringLiteral("con"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QVERIFY(Game->Messages.Shown.last().contains(QStringLiteral("CON, PRN, AUX, NUL")));
    QCOMPARE(QDir(Game->Path(QStringLiteral("tool/characters"))).entryList(QDir::Files),
             QStringList{"Grenadier.cfg"});
}

void ClassFilesTest::pickingClass_loadsItsFile()
{
    MoveSlider(Window->Slider(Proficiency::Pistol), 3);
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Grenadier"));
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Thunder"));
    QCOMPARE(Window->ModelName->currentText(), QStringLiteral("trooper"));
    QCOMPARE(Window->HeadSkin->currentText(), QStringLiteral("h01"));
    QCOMPARE(Window->LegsSkin->currentText(), QStringLiteral("l01"));
    QCOMPARE(Window->Slider(Proficiency::Pistol)->value(), 0);
    QCOMPARE(Window->Slider(Proficiency::Explosives)->value(), 1);
    QCOMPARE(Window->Slider(Proficiency::Strength)->value(), 2);
    QCOMPARE(ListEntries(Window->List1),
             (QStringList{Base, "Load Bearing Vest", "Frag Grenade", "C4 Charge"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("19"));     // 30 - 1 - 3 - 2 - 1 - 4
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("6.67 kg")); // 3.92 + 1.5 + 0.5 + 1 - 0.25
    QCOMPARE(Window->AmmoMessage->text().section(u'\r', 0, 0),
             QStringLiteral("Ammo for first two weapons is being doubled and weight halved"));
    // Its skin lists are not refilled by a load.
    QCOMPARE(ComboEntries(Window->HeadSkin), QStringList{"001"});
}

void ClassFilesTest::pickingNewClass_changesNothing()
{
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    MoveSlider(Window->Slider(Proficiency::Medic), 2);
    PickComboEntry(Window->ClassName, QStringLiteral("<New Class>"));
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 2);
    QCOMPARE(Window->List1->count(), 4);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Thunder"));
}

void ClassFilesTest::typingClassNameAndReturn_loadsNothing()
{
    MoveSlider(Window->Slider(Proficiency::Medic), 2);
    TypeClassName(QStringLiteral("Grenadier"));
    QTest::keyClick(Window->ClassName->lineEdit(), Qt::Key_Return);
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 2);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("player"));
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Grenadier"));
}

void ClassFilesTest::missingClassFile_isReportedAfterClearing()
{
    Window->Callsign->setText(QStringLiteral("Ghost"));
    AddSortedItem(Window->ClassName, QStringLiteral("Vanished"));
    MoveSlider(Window->Slider(Proficiency::Knives), 2);
    PickComboEntry(Window->ClassName, QStringLiteral("Vanished"));
    const QString path = QDir::toNativeSeparators(ClassFile(QStringLiteral("Vanished.cfg")));
    QCOMPARE(Game->Messages.Shown,
             QStringList{
                 QStringLiteral("Error : Unable to open file ") + path +
                 QStringLiteral(" for read access. Check the following:\r\n - Check to ensure that the file "
                                "exists. \r\n - If using NTFS check file permissions. \r\n - Check to ensure "
                                "no other applications are holding the file open.")});
    QCOMPARE(Window->Slider(Proficiency::Knives)->value(), 0);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Ghost"));
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Vanished"));
}

void ClassFilesTest::savedThenLoaded_givesSameClass()
{
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    const QByteArray original = ReadTestFile(ClassFile(QStringLiteral("Grenadier.cfg")));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(ReadTestFile(ClassFile(QStringLiteral("Grenadier.cfg"))), original);
    TypeClassName(QStringLiteral("Copy"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    Window->Command6->click();
    PickComboEntry(Window->ClassName, QStringLiteral("Copy"));
    QCOMPARE(ListEntries(Window->List1),
             (QStringList{Base, "Load Bearing Vest", "Frag Grenade", "C4 Charge"}));
    QCOMPARE(Window->Slider(Proficiency::Strength)->value(), 2);
}

void ClassFilesTest::readOnlyClassFile_isReportedAndKept()
{
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    const QString path = ClassFile(QStringLiteral("Grenadier.cfg"));
    const QByteArray original = ReadTestFile(path);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(Game->Messages.Shown.size(), 1);
    QVERIFY(Game->Messages.Shown.first().contains(QDir::toNativeSeparators(path)));
    QCOMPARE(ReadTestFile(path), original);
    QCOMPARE(Window->List1->count(), 5); // the window is unchanged
    QCOMPARE(Window->ClassName->count(), 2);
}

void ClassFilesTest::hostileCallsign_cannotInjectALine()
{
    TypeClassName(QStringLiteral("Hostile"));
    Window->Callsign->setText(QStringLiteral("x\"\r\nexec autoexec.cfg\r\nset callsign \"y"));
    Window->ModelName->setEditText(QStringLiteral("m\"; quit"));
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    const QList<QByteArray> lines = ReadTestFile(ClassFile(QStringLiteral("Hostile.cfg"))).split('\n');
    QCOMPARE(lines.at(2), QByteArray("set callsign \"xexec autoexec.cfgset callsign y\"\r"));
    QCOMPARE(lines.at(3), QByteArray("set skin \"m; quit/001 002 003\"\r"));
    QCOMPARE(lines.at(4), QByteArray("\r"));
}

void ClassFilesTest::clearAll_keepsNameCallsignAndModel()
{
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    QTest::mouseClick(Window->Command6, Qt::LeftButton);
    QCOMPARE(Window->ClassName->currentText(), QStringLiteral("Grenadier"));
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Thunder"));
    QCOMPARE(Window->HeadSkin->currentText(), QStringLiteral("h01"));
    QCOMPARE(ListEntries(Window->List1), QStringList{Base});
    for (QSlider* slider : Window->SkillSliders)
        QCOMPARE(slider->value(), 0);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("30"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("3.92 kg"));
}

void ClassFilesTest::loading_showsNothingOfTheClassBefore()
{
    Game->WriteClass(QStringLiteral("Bare.cfg"), {"set class \"Bare\""});
    AddSortedItem(Window->ClassName, QStringLiteral("Bare"));
    PickComboEntry(Window->ClassName, QStringLiteral("Grenadier"));
    PickComboEntry(Window->ClassName, QStringLiteral("Bare"));
    for (const QString& text :
         {Window->Callsign->text(), Window->ModelName->currentText(), Window->HeadSkin->currentText(),
          Window->BodySkin->currentText(), Window->LegsSkin->currentText()})
        QCOMPARE(text, QString());
    QTest::mouseClick(Window->Command1, Qt::LeftButton);
    QCOMPARE(ReadTestFile(ClassFile(QStringLiteral("Bare.cfg"))),
             CrLfBytes({Header.arg("Bare"), "set class \"Bare\"", "", "//Weapons and Equipment", ""}));
}

ROSTERMAKER_REGISTER_TEST(ClassFilesTest)
#include "classfilestest.moc"
