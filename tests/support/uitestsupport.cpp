#include "support/uitestsupport.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QTest>

Form1* EditorGame::Start()
{
    QLocale::setDefault(QLocale::c()); // weights with "." unless a test says otherwise
    Editor = Main(Location(), *this, *this);
    if (!Editor)
        return nullptr;
    Form1* window = Editor->Window.get();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("the window did not become active");
    return window;
}

std::unique_ptr<EditorGame> StartedStandardGame()
{
    auto game = std::make_unique<EditorGame>();
    game->WriteSettings({"[Application]", ModelsSetting});
    game->WriteWeapons(StandardItems());
    game->AddModel(u"trooper"_s, {"head people/trooper", "body people/trooper", "legs people/trooper"},
                   {"head_001.tga", "head_002.tga", "body_002.tga", "legs_003.tga"});
    game->WriteClass(u"Grenadier.cfg"_s, {"set class \"Grenadier\"", "set callsign \"Thunder\"",
                                          "set skin \"trooper/h01 b01 l01\"", "set proficiency8 explosives1",
                                          "set proficiency12 strength2", "set equipment1 lbv",
                                          "set equipment2 frag", "set equipment3 c4"});
    if (!game->Start())
        qWarning("the editor did not start");
    return game;
}

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
                       entries.join(u',')}
        .join(u" | "_s);
}

// A click (twice: a double-click) on the item of the view, as the system delivers them: a double-click
// comes after a click.
void ClickItem(QAbstractItemView* view, const QModelIndex& index, bool twice)
{
    view->scrollTo(index);
    const QPoint centre = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

void DoubleClickGridRow(Form1& window, int row)
{
    ClickItem(window.MSHFlexGrid1, window.MSHFlexGrid1->model()->index(row, 1), true); // any cell: the row
}

void DoubleClickListEntry(Form1& window, int index)
{
    ClickItem(window.List1, window.List1->model()->index(index, 0), true);
}

void MoveSlider(QSlider* slider, int level)
{
    slider->setFocus();
    while (slider->value() != level)
        QTest::keyClick(slider, slider->value() < level ? Qt::Key_Right : Qt::Key_Left);
}

void SetLevels(Form1& window, QStringView levels)
{
    for (qsizetype i = 0; i < levels.size(); ++i)
        MoveSlider(window.SkillSliders[std::size_t(i)], levels[i].digitValue());
}

void DoubleClickGridItems(Form1& window, const QStringList& itemNames)
{
    const QAbstractItemModel* grid = window.MSHFlexGrid1->model();
    for (const QString& name : itemNames) {
        const QModelIndexList found =
            grid->match(grid->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        DoubleClickGridRow(window, found.first().row());
    }
}

void PickComboEntry(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    box->showPopup();
    ClickItem(box->view(), box->view()->model()->index(index, 0), false);
}
