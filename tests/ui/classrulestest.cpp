#include "support/testmain.h"
#include "support/testsupport.h"
#include "support/uitestsupport.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

// Classes built by double-clicks and slider moves show the points, colour, weight, movement and load mode.
class ClassRulesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void slidersSpendPoints_andTurnRedWhenOverspent();
    void strengthChangesMovementNotWeight();
    void doubleClickedRow_addsItsNameAndRecomputes();
    void headingRowAndEmptyCell_addNothing();
    void restrictionOne_takesSecondCopyBackSilently();
    void restrictionTwo_allowsAgainAfterRemoval();
    void negativeRestriction_forbidsOnlyThatItem();
    void overLimitLoadedClass_doubleClickOnHeadingRemovesNothing();
    void startingItem_cannotBeRemoved();
    void vestAndGrenades_showLoadModeUntilVestRemoved();
    void beltFedGunWithVest_showsBeltMode();
    void weightText_followsUserLocale();

private:
    std::unique_ptr<GameFolder> Game;
    Form1* Window = nullptr;
};

namespace {

const QString Base = QStringLiteral("Base (Clothing and Shoes/Boots/Knife)");
const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);

QColor PointsColour(const Form1& window)
{
    return window.PointsAvailable->palette().color(QPalette::WindowText);
}

} // namespace

void ClassRulesTest::init()
{
    Game = std::make_unique<GameFolder>();
    Game->WriteSettings({"[Application]"});
    Game->WriteWeapons(StandardWeapons());
    QVERIFY(Game->Start());
    Window = Game->Editor->Window.get();
    Game->Messages.Shown.clear(); // the settings name no models folder
}

void ClassRulesTest::cleanup()
{
    Game.reset();
}

void ClassRulesTest::slidersSpendPoints_andTurnRedWhenOverspent()
{
    MoveSlider(Window->Slider(Proficiency::Pistol), 4);
    MoveSlider(Window->Slider(Proficiency::SubMachineGun), 4);
    MoveSlider(Window->Slider(Proficiency::Stealth), 4);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("0"));
    QCOMPARE(PointsColour(*Window), Black);
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("3.92 kg"));
    MoveSlider(Window->Slider(Proficiency::Stamina), 1);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("-1"));
    QCOMPARE(PointsColour(*Window), Red);
    for (QSlider* slider : Window->SkillSliders)
        MoveSlider(slider, 4);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("-90"));
    MoveSlider(Window->Slider(Proficiency::Stamina), 0);
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("-80"));
}

void ClassRulesTest::strengthChangesMovementNotWeight()
{
    DoubleClickGridItem(*Window, QStringLiteral("Crate")); // 21.08 kg: 25 kg in all
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("25 kg"));
    QCOMPARE(Window->MovementMessage->text(), QStringLiteral("Slow run, small jumps."));
    MoveSlider(Window->Slider(Proficiency::Strength), 4);
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("25 kg"));
    QCOMPARE(Window->MovementMessage->text(),
             QStringLiteral("Can run, no sprinting, can\u2019t jump as far."));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("19"));
}

void ClassRulesTest::doubleClickedRow_addsItsNameAndRecomputes()
{
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "M4A1", "M4A1"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("20"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("13.72 kg")); // 3.92 + 2 x (3.4 + 3 x 0.5)
}

void ClassRulesTest::headingRowAndEmptyCell_addNothing()
{
    DoubleClickGridRow(*Window, 0);
    QCOMPARE(ListEntries(Window->List1), QStringList{Base});
    // Below the last row nothing is current: nothing is added either.
    QTableView* grid = Window->MSHFlexGrid1;
    const QPoint belowLastRow(5, grid->viewport()->height() - 3);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, belowLastRow);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, belowLastRow);
    QCOMPARE(ListEntries(Window->List1), QStringList{Base});
}

void ClassRulesTest::restrictionOne_takesSecondCopyBackSilently()
{
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest"));
    const QString points = Window->PointsAvailable->text();
    const QString weight = Window->WeightConsumed->text();
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Load Bearing Vest"}));
    QCOMPARE(Window->PointsAvailable->text(), points);
    QCOMPARE(Window->WeightConsumed->text(), weight);
    QCOMPARE(Game->Messages.Shown, QStringList());
}

void ClassRulesTest::restrictionTwo_allowsAgainAfterRemoval()
{
    for (int i = 0; i < 3; ++i)
        DoubleClickGridItem(*Window, QStringLiteral("Thermite"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Thermite", "Thermite"}));
    DoubleClickListEntry(*Window, 1);
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Thermite"}));
    DoubleClickGridItem(*Window, QStringLiteral("Thermite"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Thermite", "Thermite"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("26"));
}

void ClassRulesTest::negativeRestriction_forbidsOnlyThatItem()
{
    DoubleClickGridItem(*Window, QStringLiteral("Banned Item"));
    DoubleClickGridItem(*Window, QStringLiteral("Frag Grenade"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Frag Grenade"}));
}

void ClassRulesTest::overLimitLoadedClass_doubleClickOnHeadingRemovesNothing()
{
    // A class file may hold more copies than the limit; the user's items are never taken away by a
    // double-click that added nothing.
    Window->List1->addItem(QStringLiteral("Load Bearing Vest"));
    Window->List1->addItem(QStringLiteral("Load Bearing Vest"));
    Window->RecalculatePoints();
    DoubleClickGridRow(*Window, 0);
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Load Bearing Vest", "Load Bearing Vest"}));
    DoubleClickGridItem(*Window, QStringLiteral("M4A1"));
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Load Bearing Vest", "Load Bearing Vest"}));
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("26"));
}

void ClassRulesTest::startingItem_cannotBeRemoved()
{
    DoubleClickGridItem(*Window, QStringLiteral("Medkit"));
    DoubleClickListEntry(*Window, 0);
    QCOMPARE(ListEntries(Window->List1), (QStringList{Base, "Medkit"}));
    DoubleClickListEntry(*Window, 1);
    QCOMPARE(ListEntries(Window->List1), QStringList{Base});
    QCOMPARE(Window->PointsAvailable->text(), QStringLiteral("30"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("3.92 kg"));
}

void ClassRulesTest::vestAndGrenades_showLoadModeUntilVestRemoved()
{
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest"));
    for (int i = 0; i < 5; ++i)
        DoubleClickGridItem(*Window, QStringLiteral("Frag Grenade"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("6.92 kg")); // 3.92 + 1.5 + 2.5 - 1
    QCOMPARE(Window->AmmoMessage->text(),
             QStringLiteral("Ammo for first two weapons is being doubled and weight "
                            "halved\r\nFirst four grenades weight halved."));
    DoubleClickListEntry(*Window, 1);
    QCOMPARE(Window->AmmoMessage->text(), QString());
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("6.42 kg"));
}

void ClassRulesTest::beltFedGunWithVest_showsBeltMode()
{
    DoubleClickGridItem(*Window, QStringLiteral("M249 SAW"));
    DoubleClickGridItem(*Window, QStringLiteral("Load Bearing Vest"));
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("14.92 kg")); // 3.92 + 11.5 + 1.5 - 2
    QCOMPARE(Window->AmmoMessage->text(),
             QStringLiteral("Ammo for first weapon is being doubled and weight "
                            "halved.\r\nFirst two machinegun belt's weight halved."));
    QCOMPARE(Window->MovementMessage->text(),
             QStringLiteral("Can run, no sprinting, can\u2019t jump as far."));
    // Clearing the class leaves no vest: the load-mode text goes with it.
    Window->Command6->click();
    QCOMPARE(Window->AmmoMessage->text(), QString());
}

void ClassRulesTest::weightText_followsUserLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DoubleClickGridItem(*Window, QStringLiteral("Frag Grenade"));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(Window->WeightConsumed->text(), QStringLiteral("4,42 kg"));
}

ROSTERMAKER_REGISTER_TEST(ClassRulesTest)
#include "classrulestest.moc"
