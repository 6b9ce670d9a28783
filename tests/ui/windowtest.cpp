#include "support/testmain.h"
#include "support/testsupport.h"
#include "support/uitestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The window's controls: names, captions, tool tips, places, tab order and its own small behaviours.
class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void captions_data();
    void captions();
    void toolTips_areAlsoAccessibleDescriptions();
    void noCaptionIsCutOffOrOverlaps();
    void tabOrder_runsFromClassNameToSave();
    void sliders_takeWholeLevelsFromZeroToFour();
    void windowLooksAsDesigned();
    void callsign_playerEmptiedOnFocus();
    void closeButton_endsProgram();
    void escapeAndAltC_endProgram_plainLettersDoNothing();
    void altA_clearsAndDoesNotAlsoPressTheButton();

private:
    std::unique_ptr<GameFolder> Game;
    Form1* Window = nullptr;
};

void WindowTest::init()
{
    Game = std::make_unique<GameFolder>();
    Game->WriteSettings({"[Application]"});
    Game->WriteWeapons(StandardWeapons());
    QVERIFY(Game->Start());
    Window = Game->Editor->Window.get();
}

void WindowTest::cleanup()
{
    Game.reset();
}

void WindowTest::controlsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("ClassName") << "ClassName" << QRect(960, 120, 2535, 315);
    QTest::newRow("Callsign") << "Callsign" << QRect(960, 480, 2535, 285);
    QTest::newRow("PistolSkill") << "PistolSkill" << QRect(1680, 1320, 1815, 255);
    QTest::newRow("StrengthAttribute") << "StrengthAttribute" << QRect(1680, 5280, 1815, 255);
    QTest::newRow("ModelName") << "ModelName" << QRect(1440, 5880, 1995, 315);
    QTest::newRow("HeadSkin") << "HeadSkin" << QRect(2160, 6240, 1270, 315);
    QTest::newRow("BodySkin") << "BodySkin" << QRect(2160, 6600, 1270, 315);
    QTest::newRow("LegsSkin") << "LegsSkin" << QRect(2160, 6960, 1270, 315);
    QTest::newRow("MSHFlexGrid1") << "MSHFlexGrid1" << QRect(3600, 120, 8025, 4400);
    QTest::newRow("List1") << "List1" << QRect(3600, 4560, 5040, 2985);
    QTest::newRow("AmmoMessage") << "AmmoMessage" << QRect(8880, 4800, 2655, 855);
    QTest::newRow("MovementMessage") << "MovementMessage" << QRect(8880, 6120, 2775, 375);
    QTest::newRow("Command6") << "Command6" << QRect(8880, 7320, 800, 255);
    QTest::newRow("Command2") << "Command2" << QRect(9840, 7320, 800, 255);
    QTest::newRow("Command1") << "Command1" << QRect(10800, 7320, 800, 255);
    QTest::newRow("Label4") << "Label4" << QRect(120, 840, 3255, 255);
}

void WindowTest::controlsStandAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QWidget* control = Window->findChild<QWidget*>(name);
    QVERIFY(control);
    const QRect expected(qRound(twips.x() / 15.0), qRound(twips.y() / 15.0), qRound(twips.width() / 15.0),
                         qRound(twips.height() / 15.0));
    QCOMPARE(control->pos(), expected.topLeft());
    QCOMPARE(control->height(), expected.height());
    QVERIFY(control->width() >= expected.width()); // captions may grow to the right
}

void WindowTest::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const QList<std::pair<const char*, const char*>> labels = {
        {"Label1", "Name"},
        {"Label21", "Callsign :"},
        {"Label4", "Proficiency's and Physical Attributes"},
        {"Label5", "Pistols"},
        {"Label6", "Sub-Machine Guns"},
        {"Label22", "Shotguns"},
        {"Label7", "Assault Rifles"},
        {"Label8", "Sniper Rifles"},
        {"Label9", "Machine Guns"},
        {"Label24", "Knives"},
        {"Label10", "Explosives"},
        {"Label11", "Medic"},
        {"Label12", "Stealth"},
        {"Label13", "Stamina"},
        {"Label14", "Strength"},
        {"Label20", "Model:"},
        {"Label3", "Skin ID's"},
        {"Label15", "Head"},
        {"Label16", "Body"},
        {"Label19", "Legs"},
        {"Label25", "Special:"},
        {"Label18", "Movement:"},
        {"Label2", "Points Available  :"},
        {"Label17", "Weight Consumed  :"},
        {"Command6", "Clear &All"},
        {"Command2", "&Close"},
        {"Command1", "&Save"}};
    for (const auto& [name, caption] : labels)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
}

void WindowTest::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    if (const auto* label = Window->findChild<QLabel*>(name))
        QCOMPARE(label->text(), caption);
    else if (const auto* button = Window->findChild<QPushButton*>(name))
        QCOMPARE(button->text(), caption);
    else
        QFAIL(qPrintable(name));
}

void WindowTest::toolTips_areAlsoAccessibleDescriptions()
{
    QCOMPARE(Window->windowTitle(), QStringLiteral("Halcyx Rostermaker"));
    QCOMPARE(Window->ClassName->toolTip(),
             QStringLiteral("Select a class to edit or type a new name to add your own new class."));
    QCOMPARE(Window->Slider(Proficiency::Strength)->toolTip(),
             QStringLiteral(
                 "This attribute represents your physical strenght. Strenght conteracts the effect of "
                 "weight on your movement speed. With higher strenght you can carry more and move faster."));
    QCOMPARE(Window->WeightConsumed->toolTip(), QStringLiteral("Starting weight of player. "));
    QCOMPARE(Window->Slider(Proficiency::Shotgun)->toolTip(), Window->Slider(Proficiency::Pistol)->toolTip());
    int withToolTip = 0;
    for (const QWidget* control : Window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->toolTip().isEmpty())
            continue;
        ++withToolTip;
        QCOMPARE(control->accessibleDescription(), control->toolTip());
    }
    QCOMPARE(withToolTip, 24);
    QCOMPARE(Window->Slider(Proficiency::Knives)->accessibleName(), QStringLiteral("Knives"));
    QCOMPARE(Window->Callsign->accessibleName(), QStringLiteral("Callsign :"));
}

void WindowTest::noCaptionIsCutOffOrOverlaps()
{
    const QList<QWidget*> controls = Window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QLabel* label : Window->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->wordWrap() || label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(label->width() >= needed, qPrintable(label->objectName()));
        // What a label grew by stands over no other control.
        const int given = label->property("GivenWidth").toInt();
        const QRect grown(label->x() + given, label->y(), label->width() - given, label->height());
        for (const QWidget* other : controls) {
            if (other != label && !grown.isEmpty())
                QVERIFY2(!grown.intersects(other->geometry()),
                         qPrintable(label->objectName() + QStringLiteral(" over ") + other->objectName()));
        }
        QVERIFY2(label->geometry().right() < Window->width(), qPrintable(label->objectName()));
    }
    for (const QPushButton* button : Window->findChildren<QPushButton*>()) {
        const QString shown = QString(button->text()).remove(u'&');
        QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(shown) + 4, qPrintable(shown));
    }
}

void WindowTest::tabOrder_runsFromClassNameToSave()
{
    QStringList order;
    QWidget* control = Window->ClassName;
    for (int i = 0; i < 23; ++i) {
        order.append(control->objectName());
        control = control->nextInFocusChain();
        while (control->focusPolicy() == Qt::NoFocus || control->parentWidget() != Window)
            control = control->nextInFocusChain();
    }
    QCOMPARE(order,
             (QStringList{"ClassName",        "Callsign",          "PistolSkill",      "SubMachineGunSkill",
                          "ShotgunSkill",     "AssaultRifleSkill", "SniperRifleSkill", "MachineGunSkill",
                          "KnivesSkill",      "ExplosivesSkill",   "MedicSkill",       "StealthSkill",
                          "StaminaAttribute", "StrengthAttribute", "ModelName",        "HeadSkin",
                          "BodySkin",         "LegsSkin",          "MSHFlexGrid1",     "List1",
                          "Command6",         "Command2",          "Command1"}));
}

void WindowTest::sliders_takeWholeLevelsFromZeroToFour()
{
    for (QSlider* slider : Window->SkillSliders) {
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 4);
        QCOMPARE(slider->value(), 0);
    }
    QSlider* pistol = Window->Slider(Proficiency::Pistol);
    MoveSlider(pistol, 4);
    QTest::keyClick(pistol, Qt::Key_Right);
    QCOMPARE(pistol->value(), 4);
    QTest::keyClick(pistol, Qt::Key_PageDown);
    QCOMPARE(pistol->value(), 3);
}

void WindowTest::windowLooksAsDesigned()
{
    QCOMPARE(Window->size(), QSize(781, 509));
    QCOMPARE(Window->minimumSize(), Window->maximumSize());
    QCOMPARE(Window->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(Window->font().pointSizeF(), 8.25);
    QCOMPARE(Window->findChild<QLabel*>(QStringLiteral("Label1"))->font().pointSizeF(), 9.75);
    QCOMPARE(Window->findChild<QLabel*>(QStringLiteral("Label5"))->font().pointSizeF(), 8.25);
    QVERIFY(Window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(Window->MovementMessage->toolTip().isEmpty(), false);
}

void WindowTest::callsign_playerEmptiedOnFocus()
{
    QCOMPARE(Window->Callsign->text(), QStringLiteral("player"));
    Window->activateWindow();
    Window->Callsign->setFocus(Qt::TabFocusReason);
    QCOMPARE(Window->Callsign->text(), QString());
    Window->Callsign->setText(QStringLiteral("Player"));
    Window->ClassName->setFocus();
    Window->Callsign->setFocus(Qt::MouseFocusReason);
    QCOMPARE(Window->Callsign->text(), QStringLiteral("Player"));
    Window->Callsign->setText(QStringLiteral("player"));
    Window->ClassName->setFocus();
    Window->Callsign->setFocus(Qt::TabFocusReason);
    QCOMPARE(Window->Callsign->text(), QString());
}

void WindowTest::closeButton_endsProgram()
{
    QTest::mouseClick(Window->Command2, Qt::LeftButton);
    QCOMPARE(Game->End.Ends, 1);
}

void WindowTest::escapeAndAltC_endProgram_plainLettersDoNothing()
{
    QTest::keyClick(Window->List1, Qt::Key_Escape, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(Game->End.Ends, 1);
    QTest::keyClick(Window->Callsign, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(Game->End.Ends, 2);
    QTest::keyClick(Window->Callsign, Qt::Key_C);
    QTest::keyClick(Window->Callsign, Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier);
    QCOMPARE(Game->End.Ends, 2);
}

void WindowTest::altA_clearsAndDoesNotAlsoPressTheButton()
{
    int clicks = 0;
    connect(Window->Command6, &QPushButton::clicked, this, [&clicks] { ++clicks; });
    MoveSlider(Window->Slider(Proficiency::Medic), 3);
    QTest::keyClick(Window->Callsign, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 0);
    QCOMPARE(clicks, 0);
    MoveSlider(Window->Slider(Proficiency::Medic), 3);
    QTest::keyClick(Window->Callsign, Qt::Key_A, Qt::AltModifier | Qt::ControlModifier);
    QCOMPARE(Window->Slider(Proficiency::Medic)->value(), 3);
}

ROSTERMAKER_REGISTER_TEST(WindowTest)
#include "windowtest.moc"
