#include "support/testmain.h"
#include "support/testsupport.h"
#include "support/uitestsupport.h"

#include <QPushButton>
#include <QTest>

// The model list and the three skin lists as the window fills them.
class ModelsTest : public QObject {
    Q_OBJECT
private slots:
    void startup_listsModelsAndFirstModelsSkins();
    void pickingModel_refillsSkinLists();
    void missingModelsFolder_disablesSelection();
    void pickedModelAndSkins_areSavedInSkinLine();
};

namespace {

void WriteModels(GameFolder& game)
{
    game.WriteSettings({"[Application]", "Model Path=..\\models\\people"});
    game.WriteWeapons(StandardWeapons());
    game.AddModel(QStringLiteral("Cobalt"), {"head people/Cobalt", "body skins/shared", "legs people/Cobalt"},
                  {"head_c01.tga", "legs_c01.tga"});
    game.AddModel(
        QStringLiteral("amber"), {"head people/amber", "body people/amber", "legs people/amber"},
        {"head_002.tga", "HEAD_00A.TGA", "head_001.tga", "head_001p1.tga", "body_b01.tga", "legs_l01.tga"});
    game.AddModel(QStringLiteral("Birch"), {"head people/Birch", "body skins/shared"}, {"head_h01.tga"});
    game.AddFile(QStringLiteral("models/skins/shared/body_s02.tga"));
    game.AddFile(QStringLiteral("models/skins/shared/body_s01.tga"));
}

} // namespace

void ModelsTest::startup_listsModelsAndFirstModelsSkins()
{
    GameFolder game;
    WriteModels(game);
    Form1& window = *game.Start()->Window;
    QCOMPARE(game.Messages.Shown, QStringList());
    QCOMPARE(ComboEntries(window.ModelName), (QStringList{"amber", "Birch", "Cobalt"}));
    QCOMPARE(window.ModelName->currentText(), QStringLiteral("amber"));
    QCOMPARE(ComboEntries(window.HeadSkin), (QStringList{"001", "002", "00A"}));
    QCOMPARE(window.HeadSkin->currentText(), QStringLiteral("001"));
    QCOMPARE(ComboEntries(window.BodySkin), QStringList{"b01"});
    QCOMPARE(window.LegsSkin->currentText(), QStringLiteral("l01"));
}

void ModelsTest::pickingModel_refillsSkinLists()
{
    GameFolder game;
    WriteModels(game);
    Form1& window = *game.Start()->Window;
    window.HeadSkin->setEditText(QStringLiteral("typed"));
    PickComboEntry(window.ModelName, QStringLiteral("Birch"));
    QCOMPARE(window.ModelName->currentText(), QStringLiteral("Birch"));
    QCOMPARE(ComboEntries(window.HeadSkin), QStringList{"h01"});
    QCOMPARE(window.HeadSkin->currentText(), QStringLiteral("h01"));
    QCOMPARE(ComboEntries(window.BodySkin), (QStringList{"s01", "s02"}));
    // Birch's file has no legs line: the legs folder of the model before (amber) still counts.
    QCOMPARE(ComboEntries(window.LegsSkin), QStringList{"l01"});
    PickComboEntry(window.ModelName, QStringLiteral("Cobalt"));
    QCOMPARE(ComboEntries(window.LegsSkin), QStringList{"c01"});
    QCOMPARE(window.BodySkin->currentText(), QStringLiteral("s01"));
}

void ModelsTest::missingModelsFolder_disablesSelection()
{
    GameFolder game;
    game.WriteSettings({"[Application]", "Model Path=..\\nowhere"});
    game.WriteWeapons(StandardWeapons());
    Form1& window = *game.Start()->Window;
    QCOMPARE(
        game.Messages.Shown,
        QStringList{"A grimvale models directory was not detected. Models and skin selection is disabled."});
    for (QComboBox* box : {window.ModelName, window.HeadSkin, window.BodySkin, window.LegsSkin}) {
        QVERIFY(!box->isEnabled());
        QVERIFY(box->isVisible());
        QCOMPARE(box->count(), 0);
    }
    QVERIFY(window.ClassName->isEnabled());
}

void ModelsTest::pickedModelAndSkins_areSavedInSkinLine()
{
    GameFolder game;
    WriteModels(game);
    Form1& window = *game.Start()->Window;
    PickComboEntry(window.ModelName, QStringLiteral("Cobalt"));
    window.ClassName->setEditText(QStringLiteral("Scout"));
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    const QList<QByteArray> lines = ReadTestFile(game.Path(QStringLiteral("tool/characters/Scout.cfg"))).split('\n');
    QCOMPARE(lines.at(3), QByteArray("set skin \"Cobalt/c01 s01 c01\"\r"));
}

ROSTERMAKER_REGISTER_TEST(ModelsTest)
#include "modelstest.moc"
