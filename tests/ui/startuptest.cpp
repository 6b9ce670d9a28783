#include "support/uitestsupport.h"
#include "ui/sortedcombobox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTableView>
#include <QToolTip>
#include <algorithm>

// The start-up order on game folders of many shapes, and the window it shows: every control at its place,
// with its caption and tool tip, in tab order.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void missingFilesAndFolders_areReported()
    {
        EditorGame game;
        QVERIFY(!game.Start());
        QCOMPARE(
            game.Shown.last(),
            u"Error : Unable to open file %1 for read access. Check the following:\r\n - Check to ensure "
            "that the file exists. \r\n - If using NTFS check file permissions. \r\n - Check to ensure no "
            "other applications are holding the file open.\r\n\r\nThe Application will not run without "
            "this file."_s.arg(game.Path(u"weapons.csv"_s)));
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<Form1*>(widget));

        game.Shown.clear();
        game.WriteWeapons(StandardItems());
        for (const char* name : {"bravo.cfg", "Alpha.old.cfg", "Charlie.CFG", "Delta.cfg.bak", "1st.cfg"})
            game.AddFile(u"tool/characters/"_s + QString::fromLatin1(name));
        Form1* window = game.Start();
        QCOMPARE(
            game.Shown,
            (QStringList{
                game.Path(u"tool/rostermaker.ini"_s) + u" not found. Defaults used."_s,
                "A grimvale models directory was not detected. Models and skin selection is disabled."}));
        QCOMPARE(ComboEntries(window->ClassName),
                 (QStringList{"<New Class>", "1st", "Alpha", "bravo", "Charlie"}));
        for (QComboBox* box : {window->ModelName, window->HeadSkin, window->BodySkin, window->LegsSkin})
            QVERIFY(!box->isEnabled() && box->count() == 0);
    }

    // The demo game opens filled, without a message, in the window as designed.
    void demoGame_opensFilledWithoutAMessage()
    {
        const Form1& window = DemoWindow();
        QVERIFY(window.isVisible() && DemoSeams.Shown.isEmpty());
        QCOMPARE(ComboEntries(window.ClassName) + ComboEntries(window.ModelName) +
                     ComboEntries(window.HeadSkin),
                 (QStringList{"<New Class>", "Grenadier", "Scout", "Sniper", "commando", "Ranger", "Sapper",
                              "urban", "001", "002", "00A"}));  // commando's head skins, found in "People"
        QCOMPARE(window.MSHFlexGrid1->model()->rowCount(), 35); // the heading and the items that cost points
        QVERIFY(window.size() == QSize(781, 529) && window.minimumSize() == window.maximumSize());
        for (QSlider* slider : window.SkillSliders)
            QVERIFY(slider->minimum() == 0 && slider->maximum() == 4 && slider->value() == 0);
    }

    // Run with the usual fonts and again with DejaVu as the system's only font (CMakeLists.txt): whatever
    // fonts a system has, no caption, value, grid cell or button text is cut off.
    void captions_neverCutOffNorGrownOverOthers()
    {
        const QList<QWidget*> controls =
            DemoWindow().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (const QLabel* label :
             DemoWindow().findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) { // every line within its height
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->objectName()));
                continue;
            }
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->objectName()));
            for (const QWidget* other : controls) { // grown up to the next control on its right at most
                const QRect o = other->geometry();
                const bool onTheRight =
                    o.left() > label->x() && o.top() < label->geometry().bottom() && o.bottom() > label->y();
                QVERIFY2(!onTheRight || label->x() + label->width() <= o.left(),
                         qPrintable(label->objectName() + u" over "_s + other->objectName()));
            }
        }
        const QTableView* grid = DemoWindow().MSHFlexGrid1;
        const int gridLine = grid->showGrid() ? 1 : 0;              // drawn within the cell, on its right
        for (int row = 0; row < grid->model()->rowCount(); ++row) { // the heading and every item
            for (int column = 0; column < grid->model()->columnCount(); ++column) {
                const QModelIndex cell = grid->model()->index(row, column);
                QVERIFY2(grid->sizeHintForIndex(cell).width() <= grid->columnWidth(column) - gridLine,
                         qPrintable(cell.data().toString()));
            }
        }
        for (QPushButton* button : DemoWindow().findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const int room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
            QVERIFY2(button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) <= room,
                     qPrintable(button->objectName()));
        }
    }

    // Tool tips are told to screen readers as given, and shown wrapped within the window's width: the same
    // text, each break in place of a blank.
    void toolTips_shownWrappedAndReadAsGiven()
    {
        for (QWidget* control : DemoWindow().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            QCOMPARE(control->accessibleDescription(), control->toolTip());
            if (control->toolTip().isEmpty())
                continue;
            QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(control, &help);
            const QWidgetList windows = QApplication::topLevelWidgets();
            const auto tip = std::find_if(windows.begin(), windows.end(), [](const QWidget* w) {
                return w->objectName() == u"qtooltip_label" && w->isVisible();
            });
            QVERIFY2(tip != windows.end() && (*tip)->width() < DemoWindow().width() * 3 / 4,
                     qPrintable(control->objectName()));
            QCOMPARE(QToolTip::text().replace(u'\n', u' '), control->toolTip());
        }
    }

    void tabOrder_downTheLeftSideThenTheLists()
    {
        QStringList order;
        for (const QWidget* control = DemoWindow().ClassName; order.size() < 23;
             control = control->nextInFocusChain()) {
            if (control->focusPolicy() != Qt::NoFocus && control->parentWidget() == &DemoWindow())
                order.append(control->objectName());
        }
        QCOMPARE(order.join(u' '),
                 u"ClassName Callsign PistolSkill SubMachineGunSkill ShotgunSkill AssaultRifleSkill "
                 "SniperRifleSkill MachineGunSkill KnivesSkill ExplosivesSkill MedicSkill StealthSkill "
                 "StaminaAttribute StrengthAttribute ModelName HeadSkin BodySkin LegsSkin MSHFlexGrid1 "
                 "List1 Command6 Command2 Command1"_s);
    }

private:
    // The demo game's editor, started when a test first asks for its window.
    Form1& DemoWindow()
    {
        if (!Demo) {
            const QString tool = QDir::toNativeSeparators(u"" ROSTERMAKER_DEMO_DATA "/tool"_s);
            Demo = Main({tool, u"rostermaker"_s, NativePathStyle()}, DemoSeams, DemoSeams);
            if (!Demo)
                qFatal("the demo game did not start");
        }
        return *Demo->Window;
    }

    RecordingSeams DemoSeams;
    std::unique_ptr<RunningEditor> Demo;
};

QTEST_MAIN(StartupTest)
#include "startuptest.moc"
