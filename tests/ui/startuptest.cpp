#include "support/testmain.h"
#include "support/uitestsupport.h"
#include "ui/sortedcombobox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

// Place in twips (left, top, width, height) and caption; the labels may grow to the right.
constexpr struct {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Caption = "";
} Controls[] = {
    {"ClassName", 960, 120, 2535, 315},
    {"Callsign", 960, 480, 2535, 285},
    {"PistolSkill", 1680, 1320, 1815, 255},
    {"StrengthAttribute", 1680, 5280, 1815, 255},
    {"ModelName", 1440, 5880, 1995, 315},
    {"LegsSkin", 2160, 6960, 1270, 315},
    {"MSHFlexGrid1", 3600, 120, 8025, 4400},
    {"List1", 3600, 4560, 5040, 2985},
    {"AmmoMessage", 8880, 4800, 2655, 855},
    {"MovementMessage", 8880, 6120, 2775, 375},
    {"PointsAvailable", 10560, 6720, 735, 255},
    {"WeightConsumed", 10560, 6960, 735, 255},
    {"Label1", 120, 120, 735, 255, "Name"},
    {"Label21", 120, 480, 735, 255, "Callsign :"},
    {"Label4", 120, 840, 3255, 255, "Proficiency's and Physical Attributes"},
    {"Label6", 120, 1680, 1455, 255, "Sub-Machine Guns"},
    {"Label14", 120, 5280, 735, 255, "Strength"},
    {"Label20", 120, 5880, 975, 255, "Model:"},
    {"Label3", 120, 6240, 735, 255, "Skin ID's"},
    {"Label15", 1320, 6240, 735, 255, "Head"},
    {"Label25", 8880, 4560, 1215, 255, "Special:"},
    {"Label18", 8880, 5760, 1215, 255, "Movement:"},
    {"Label2", 8880, 6720, 1335, 255, "Points Available  :"},
    {"Label17", 8880, 6960, 1455, 255, "Weight Consumed  :"},
    {"Command6", 8880, 7320, 800, 255, "Clear &All"},
    {"Command2", 9840, 7320, 800, 255, "&Close"},
    {"Command1", 10800, 7320, 800, 255, "&Save"},
};

} // namespace

// The start-up order on game folders of many shapes, and the window it shows: every control at its place,
// with its caption and tool tip, in tab order.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void demoData_opensFilledWithoutMessage();
    void unusableWeaponsFile_endsBeforeAnyWindow();
    void missingSettingsAndFolders_areReportedAndTheWindowOpens();
    void controls_data() { AddRows(Controls); }
    void controls();
    void windowAsDesigned();

private:
    std::unique_ptr<EditorGame> Game;
};

void StartupTest::demoData_opensFilledWithoutMessage()
{
    RecordingMessageBoxes messages;
    RecordingProgramEnd end;
    const QString tool = QDir::toNativeSeparators(QStringLiteral(ROSTERMAKER_DEMO_DATA "/tool"));
    const std::unique_ptr<RunningEditor> editor =
        Main({tool, QStringLiteral("rostermaker"), NativePathStyle()}, messages, end);
    QVERIFY(editor);
    QCOMPARE(messages.Shown, QStringList());
    Form1& window = *editor->Window;
    QVERIFY(window.isVisible());
    QCOMPARE(ComboEntries(window.ClassName), (QStringList{"<New Class>", "Grenadier", "Sniper"}));
    QCOMPARE(ComboEntries(window.ModelName), (QStringList{"commando", "Ranger", "Sapper", "urban"}));
    QCOMPARE(ComboEntries(window.HeadSkin),
             (QStringList{"001", "002", "00A"})); // commando's, found in "People"
    QCOMPARE(window.HeadSkin->currentText(), QStringLiteral("001"));
    const QAbstractItemModel* grid = window.MSHFlexGrid1->model();
    QCOMPARE(grid->rowCount(), 35); // the heading and the 34 items that cost points
    QCOMPARE(grid->match(grid->index(0, 0), Qt::DisplayRole, QStringLiteral("Dog Tags")), QModelIndexList());
    QStringList cells;
    for (int row : {0, 1})
        for (int column = 0; column < 4; ++column)
            cells.append(grid->index(row, column).data().toString());
    QCOMPARE(cells, (QStringList{"Weapons and equipment", " Points", "Weight", "Ammunition Included",
                                 "Beretta M9", "2", "1.25", "3 magazines of 15 rounds"}));
    const QList<int> widths = {window.MSHFlexGrid1->columnWidth(0), window.MSHFlexGrid1->columnWidth(1),
                               window.MSHFlexGrid1->columnWidth(2), window.MSHFlexGrid1->columnWidth(3)};
    QCOMPARE(widths, (QList<int>{300, 40, 40, 135}));
    const QStringList shown = {window.PointsAvailable->text(), window.WeightConsumed->text(),
                               window.MovementMessage->text(), window.AmmoMessage->text(),
                               window.Callsign->text(),        ListEntries(window.List1).join(u'|')};
    QCOMPARE(shown, (QStringList{"30", "3.92 kg", "Can move without restrictions.", "", "player", Base}));
    QCOMPARE(window.PointsAvailable->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

void StartupTest::unusableWeaponsFile_endsBeforeAnyWindow()
{
    EditorGame game;
    game.WriteSettings({"[Application]"});
    QVERIFY(!game.Start());
    QCOMPARE(game.Messages.Shown,
             QStringList{
                 QStringLiteral("Error : Unable to open file ") + game.Path(QStringLiteral("weapons.csv")) +
                 QStringLiteral(
                     " for read access. Check the following:\r\n - Check to ensure that the file exists. "
                     "\r\n - If using NTFS check file permissions. \r\n - Check to ensure no other "
                     "applications are holding the file open.\r\n\r\nThe Application will not run "
                     "without this file.")});
    game.Messages.Shown.clear();
    game.WriteWeapons({"m4,M4A1,rifle,five,"});
    QVERIFY(!game.Start());
    QCOMPARE(game.Messages.Shown.size(), 1);
    QVERIFY(game.Messages.Shown.first().contains(QStringLiteral("line 2, column 4 (CostPoints): \"five\"")));
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<Form1*>(widget));
}

void StartupTest::missingSettingsAndFolders_areReportedAndTheWindowOpens()
{
    EditorGame game;
    game.WriteWeapons(StandardItems());
    for (const char* name : {"bravo.cfg", "Alpha.old.cfg", "Charlie.CFG", "Delta.cfg.bak", "1st.cfg"})
        game.AddFile(QStringLiteral("tool/characters/") + QString::fromLatin1(name));
    Form1* window = game.Start();
    QVERIFY(window);
    QCOMPARE(
        game.Messages.Shown,
        (QStringList{
            game.Path(QStringLiteral("tool/rostermaker.ini")) + QStringLiteral(" not found. Defaults used."),
            "A grimvale models directory was not detected. Models and skin selection is disabled."}));
    QCOMPARE(ComboEntries(window->ClassName),
             (QStringList{"<New Class>", "1st", "Alpha", "bravo", "Charlie"}));
    for (QComboBox* box : {window->ModelName, window->HeadSkin, window->BodySkin, window->LegsSkin})
        QVERIFY(!box->isEnabled() && box->count() == 0);

    game.WriteSettings({"[Application]", "Character Path=\\no\\such\\folder"});
    game.Messages.Shown.clear();
    window = game.Start();
    QVERIFY(game.Messages.Shown.first().endsWith(
        QStringLiteral(" was not found. An attempt to create the path was unsuccessfully made.")));
    QCOMPARE(ComboEntries(window->ClassName), QStringList{"<New Class>"});
}

void StartupTest::controls()
{
    if (!Game)
        Game = StartedStandardGame();
    const auto& row = Row(Controls);
    const QWidget* control = Game->Editor->Window->findChild<QWidget*>(QString::fromLatin1(row.Name));
    QVERIFY(control);
    QCOMPARE(control->pos(), QPoint(qRound(row.Left / 15.0), qRound(row.Top / 15.0)));
    QCOMPARE(control->height(), qRound(row.Height / 15.0));
    QVERIFY(control->width() >= qRound(row.Width / 15.0));
    if (const auto* label = qobject_cast<const QLabel*>(control); label && *row.Caption)
        QCOMPARE(label->text(), QString::fromLatin1(row.Caption));
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        QCOMPARE(button->text(), QString::fromLatin1(row.Caption));
}

void StartupTest::windowAsDesigned()
{
    Game = StartedStandardGame();
    Form1& window = *Game->Editor->Window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Halcyx Rostermaker"));
    QCOMPARE(window.size(), QSize(781, 509));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(window.font().pointSizeF(), 8.25);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label25"))->font().pointSizeF(), 9.75);
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
    for (QSlider* slider : window.SkillSliders)
        QVERIFY(slider->minimum() == 0 && slider->maximum() == 4 && slider->value() == 0);

    // Tool tips, also told to screen readers; captions name the controls they stand beside.
    QCOMPARE(
        window.Slider(Proficiency::Strength)->toolTip(),
        QStringLiteral(
            "This attribute represents your physical strenght. Strenght conteracts the effect of weight on "
            "your movement speed. With higher strenght you can carry more and move faster."));
    QCOMPARE(window.WeightConsumed->toolTip(), QStringLiteral("Starting weight of player. "));
    int withToolTip = 0;
    for (const QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!control->toolTip().isEmpty())
            withToolTip += control->accessibleDescription() == control->toolTip() ? 1 : 100;
    }
    QCOMPARE(withToolTip, 24);
    QCOMPARE(window.Slider(Proficiency::Knives)->accessibleName(), QStringLiteral("Knives"));
    QCOMPARE(window.Command6->accessibleName(), QStringLiteral("Clear All"));

    // No caption is cut off, and what a label grew by stands over no other control.
    const QList<QWidget*> controls = window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QLabel* label : window.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->wordWrap() || label->text().isEmpty())
            continue;
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
        const int given = label->property("GivenWidth").toInt();
        const QRect grown(label->x() + given, label->y(), label->width() - given, label->height());
        for (const QWidget* other : controls)
            QVERIFY2(other == label || grown.isEmpty() || !grown.intersects(other->geometry()),
                     qPrintable(label->objectName()));
    }

    QStringList order;
    QWidget* control = window.ClassName;
    for (int i = 0; i < 23; control = control->nextInFocusChain()) {
        if (control->focusPolicy() != Qt::NoFocus && control->parentWidget() == &window) {
            order.append(control->objectName());
            ++i;
        }
    }
    QCOMPARE(order,
             (QStringList{"ClassName",        "Callsign",          "PistolSkill",      "SubMachineGunSkill",
                          "ShotgunSkill",     "AssaultRifleSkill", "SniperRifleSkill", "MachineGunSkill",
                          "KnivesSkill",      "ExplosivesSkill",   "MedicSkill",       "StealthSkill",
                          "StaminaAttribute", "StrengthAttribute", "ModelName",        "HeadSkin",
                          "BodySkin",         "LegsSkin",          "MSHFlexGrid1",     "List1",
                          "Command6",         "Command2",          "Command1"}));
}

ROSTERMAKER_REGISTER_TEST(StartupTest)
#include "startuptest.moc"
