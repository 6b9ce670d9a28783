// The controls of Form1: kind, name, caption, tool tip, place and tab order.

#include "catalogue/cataloguegrid.h"
#include "ui/cataloguegridmodel.h"
#include "ui/cataloguegridview.h"
#include "ui/form1.h"
#include "ui/gridstyle.h"
#include "ui/loadnote.h"
#include "ui/seams.h"
#include "ui/selecteditemslist.h"
#include "ui/sortedcombobox.h"
#include "ui/twips.h"
#include "ui/valuelabel.h"
#include "ui/windowicon.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <limits>

namespace {

constexpr int ClientWidthTwips = 11715;
constexpr int ClientHeightTwips = 7635;
// One line more at the foot of the window, for what a load passed over or read otherwise.
constexpr int LoadNoteTwips = 300;

struct LabelDef {
    const char* Name;
    QString Caption;
    QRect Place; // twips
    bool Heading;
};

struct SliderDef {
    const char* SliderName;
    const char* LabelName;
    QString Caption;
    int Top;
    int LabelWidth;
    QString ToolTip;
};

const QString WeaponSkillTip = QStringLiteral(
    "Higher skills increate your capability of doing damage and use this weapon class without penalty.");

const std::array<SliderDef, ProficiencyCount> SliderRows = {{
    {"PistolSkill", "Label5", QStringLiteral("Pistols"), 1320, 615, WeaponSkillTip},
    {"SubMachineGunSkill", "Label6", QStringLiteral("Sub-Machine Guns"), 1680, 1455, WeaponSkillTip},
    {"ShotgunSkill", "Label22", QStringLiteral("Shotguns"), 2040, 1455, WeaponSkillTip},
    {"AssaultRifleSkill", "Label7", QStringLiteral("Assault Rifles"), 2400, 1095, WeaponSkillTip},
    {"SniperRifleSkill", "Label8", QStringLiteral("Sniper Rifles"), 2760, 975, WeaponSkillTip},
    {"MachineGunSkill", "Label9", QStringLiteral("Machine Guns"), 3120, 1095, WeaponSkillTip},
    {"KnivesSkill", "Label24", QStringLiteral("Knives"), 3480, 1095,
     QStringLiteral(
         "Higher skills increate your capability of doing damage and use this weapon class without "
         "penalty as well as increasing throwing distance.")},
    {"ExplosivesSkill", "Label10", QStringLiteral("Explosives"), 3840, 855,
     QStringLiteral("Explosives skill allow players to use explosives safely. You will need this skill to "
                    "purchase high explosives.")},
    {"MedicSkill", "Label11", QStringLiteral("Medic"), 4200, 495,
     QStringLiteral("This skill enables you to use and benifit from carrying a medkit.")},
    {"StealthSkill", "Label12", QStringLiteral("Stealth"), 4560, 615,
     QStringLiteral(
         "This skill affects you ability to move silently. Higher levels of this skill allows more "
         "armor to be worn while sneaking.")},
    {"StaminaAttribute", "Label13", QStringLiteral("Stamina"), 4920, 735,
     QStringLiteral(
         "This attribute affects you ability to take damage. Higher stamina makes you harder to kill.")},
    {"StrengthAttribute", "Label14", QStringLiteral("Strength"), 5280, 735,
     QStringLiteral(
         "This attribute represents your physical strenght. Strenght conteracts the effect of weight "
         "on your movement speed. With higher strenght you can carry more and move faster.")},
}};

// The family of the window's text. Every build but Windows' carries Liberation Sans (SIL Open Font License,
// fonts/OFL.txt): metric-compatible with Arial and close to the "MS Sans Serif" the layout was made with, it
// keeps the window the same whatever fonts a system has. Windows has "Microsoft Sans Serif", the outline
// font that it puts in the place of the bitmap "MS Sans Serif" (which scales badly beyond 100 %).
QString WindowFontFamily()
{
    const int carried =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    if (carried >= 0)
        return QFontDatabase::applicationFontFamilies(carried).value(0);
    const QStringList families = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans")}) {
        if (families.contains(family))
            return family;
    }
    return {};
}

QFont WindowFont(double pointSize)
{
    static const QString family = WindowFontFamily();
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

// Gives a control its name, place and tool tip, and tells screen readers what it is.
template <typename Widget>
Widget* Placed(Widget* widget, const char* name, QRect twips, const QString& toolTip = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (!toolTip.isEmpty()) {
        widget->setToolTip(toolTip);
        widget->setAccessibleDescription(toolTip);
    }
    return widget;
}

QLabel* NewLabel(QWidget* parent, const LabelDef& def)
{
    auto* label = Placed(new QLabel(def.Caption, parent), def.Name, def.Place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (def.Heading)
        label->setFont(WindowFont(9.75));
    return label;
}

// A label that names a control: its caption becomes the control's accessible name, and its buddy link lets
// a screen reader announce it with the control.
QLabel* NewCaptionFor(QWidget* parent, const LabelDef& def, QWidget* control)
{
    QLabel* label = NewLabel(parent, def);
    label->setBuddy(control);
    control->setAccessibleName(def.Caption);
    return label;
}

// The label is as wide as its text needs, up to the next control on its right or the window's edge, so
// that no caption is cut off.
int RoomToTheRight(const QWidget* label)
{
    const QRect place = label->geometry();
    int limit = label->parentWidget()->width();
    for (const QObject* child : label->parentWidget()->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == label)
            continue;
        const QRect o = other->geometry();
        const bool sameBand = o.top() < place.bottom() && o.bottom() > place.top();
        if (sameBand && o.left() >= place.left() + 1 && o.left() < limit)
            limit = o.left();
    }
    return limit - place.left();
}

} // namespace

void Form1::BuildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ApplicationTitle);
    setWindowIcon(RostermakerIcon());
    setFixedSize(Pixels(ClientWidthTwips), Pixels(ClientHeightTwips + LoadNoteTwips));
    setFont(WindowFont(8.25));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);
    setAutoFillBackground(true);

    ClassName =
        Placed(NewEditableComboBox(this), "ClassName", {960, 120, 2535, 315},
               QStringLiteral("Select a class to edit or type a new name to add your own new class."));
    ClassName->addItem(NewClassName);
    NewCaptionFor(this, {"Label1", QStringLiteral("Name"), {120, 120, 735, 255}, true}, ClassName);

    Callsign = Placed(new QLineEdit(DefaultCallsign, this), "Callsign", {960, 480, 2535, 285},
                      QStringLiteral("The display name that will be used on servers. Set this to nothing or "
                                     "player if you plan on distributing this character."));
    NewCaptionFor(this, {"Label21", QStringLiteral("Callsign :"), {120, 480, 735, 255}, true}, Callsign);

    NewLabel(
        this,
        {"Label4", QStringLiteral("Proficiency's and Physical Attributes"), {120, 840, 3255, 255}, true});
    for (int i = 0; i < ProficiencyCount; ++i) {
        const SliderDef& row = SliderRows[static_cast<std::size_t>(i)];
        auto* slider = Placed(new QSlider(Qt::Horizontal, this), row.SliderName, {1680, row.Top, 1815, 255},
                              row.ToolTip);
        slider->setRange(0, HighestLevel);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        NewCaptionFor(this, {row.LabelName, row.Caption, {120, row.Top, row.LabelWidth, 255}, false}, slider);
        SkillSliders[static_cast<std::size_t>(i)] = slider;
    }

    ModelName = Placed(NewEditableComboBox(this), "ModelName", {1440, 5880, 1995, 315},
                       QStringLiteral("Use this drop down box to select the model that will be used for this "
                                      "character. Certain maps car override this value."));
    NewCaptionFor(this, {"Label20", QStringLiteral("Model:"), {120, 5880, 975, 255}, false}, ModelName);
    NewLabel(this, {"Label3", QStringLiteral("Skin ID's"), {120, 6240, 735, 255}, false});
    HeadSkin =
        Placed(NewEditableComboBox(this), "HeadSkin", {2160, 6240, 1270, 315},
               QStringLiteral("Use this drop down box to select the head skin to use on the chosen model."));
    NewCaptionFor(this, {"Label15", QStringLiteral("Head"), {1320, 6240, 735, 255}, false}, HeadSkin);
    BodySkin =
        Placed(NewEditableComboBox(this), "BodySkin", {2160, 6600, 1270, 315},
               QStringLiteral("Use this drop down box to select the body skin to use on the chosen model."));
    NewCaptionFor(this, {"Label16", QStringLiteral("Body"), {1320, 6600, 855, 255}, false}, BodySkin);
    LegsSkin =
        Placed(NewEditableComboBox(this), "LegsSkin", {2160, 6960, 1270, 315},
               QStringLiteral("Use this drop down box to select the leg skin to use on the chosen model."));
    NewCaptionFor(this, {"Label19", QStringLiteral("Legs"), {1320, 6960, 735, 255}, false}, LegsSkin);

    MSHFlexGrid1 = Placed(new CatalogueGridView(this), "MSHFlexGrid1", {3600, 120, 8025, 4400},
                          QStringLiteral("Double click to select a weapon or item."));
    MSHFlexGrid1->setAccessibleName(CatalogueGridHeading()[0]);
    GridModel = new CatalogueGridModel(this);
    MSHFlexGrid1->setModel(GridModel);
    MSHFlexGrid1->setFont(WindowFont(8.25));
    auto* gridStyle = new SlimCellStyle();
    gridStyle->setParent(MSHFlexGrid1);
    MSHFlexGrid1->setStyle(gridStyle);
    MSHFlexGrid1->horizontalHeader()->hide();
    MSHFlexGrid1->verticalHeader()->hide();
    MSHFlexGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MSHFlexGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    MSHFlexGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    MSHFlexGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    MSHFlexGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MSHFlexGrid1->setWordWrap(false);
    MSHFlexGrid1->setTabKeyNavigation(false);
    int column = 0;
    for (int widthTwips : {4500, 600, 600, 2020})
        MSHFlexGrid1->setColumnWidth(column++, Pixels(widthTwips));

    List1 = Placed(new SelectedItemsList(this), "List1", {3600, 4560, 5040, 2985},
                   QStringLiteral("Double click to remove a weapon or item."));
    List1->setAccessibleName(QStringLiteral("Selected weapons and equipment"));

    NewLabel(this, {"Label25", QStringLiteral("Special:"), {8880, 4560, 1215, 255}, true});
    AmmoMessage =
        Placed(new ValueLabel(QStringLiteral("Special:"), this), "AmmoMessage", {8880, 4800, 2655, 855},
               QStringLiteral("This area shows special effects that may be in place due to certain "
                              "combination of equipment or skills. Example : Load bearing vests and "
                              "their effect on ammo weight."));

    NewLabel(this, {"Label18", QStringLiteral("Movement:"), {8880, 5760, 1215, 255}, true});
    MovementMessage =
        Placed(new ValueLabel(QStringLiteral("Movement:"), this), "MovementMessage", {8880, 6120, 2775, 375},
               QStringLiteral("This area shows your relative maximum speed based on the amount of "
                              "weight you carry and you chosen strength."));

    for (ValueLabel* message : {AmmoMessage, MovementMessage})
        message->setWordWrap(true);
    MovementMessage->ShowValue(QStringLiteral("Slow run, small jumps."));

    PointsAvailable = Placed(
        new ValueLabel(QStringLiteral("Points Available:"), this), "PointsAvailable", {10560, 6720, 735, 255},
        QStringLiteral("Number of points remaining. You cannot save the class unless this "
                       "value is 0 or above."));
    NewLabel(this, {"Label2", QStringLiteral("Points Available  :"), {8880, 6720, 1335, 255}, false})
        ->setBuddy(PointsAvailable);
    WeightConsumed = Placed(new ValueLabel(QStringLiteral("Weight Consumed:"), this), "WeightConsumed",
                            {10560, 6960, 735, 255}, QStringLiteral("Starting weight of player. "));
    NewLabel(this, {"Label17", QStringLiteral("Weight Consumed  :"), {8880, 6960, 1455, 255}, false})
        ->setBuddy(WeightConsumed);

    Command6 =
        Placed(new QPushButton(QStringLiteral("Clear &All"), this), "Command6", {8880, 7320, 800, 255});
    Command2 = Placed(new QPushButton(QStringLiteral("&Close"), this), "Command2", {9840, 7320, 800, 255});
    Command1 = Placed(new QPushButton(QStringLiteral("&Save"), this), "Command1", {10800, 7320, 800, 255});
    LoadNote = Placed(new LoadNoteLabel(this), "LoadNote",
                      {120, ClientHeightTwips, ClientWidthTwips - 240, LoadNoteTwips - 30});
    Command6->setAccessibleName(QStringLiteral("Clear All"));
    Command2->setAccessibleName(QStringLiteral("Close"));
    Command1->setAccessibleName(QStringLiteral("Save"));

    // Captions never cut off: labels grow to the right as far as their text needs, up to the next control
    // (the room is measured once, the layout being fixed); the values do so whenever they change.
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (auto* value = qobject_cast<ValueLabel*>(label))
            value->SetWidestWidth(RoomToTheRight(label));
        else
            label->resize(FittedLabelWidth(*label, label->width(), RoomToTheRight(label)), label->height());
    }

    // Tab order: the class name first, then down the left side, the grid, the list and the buttons.
    QList<QWidget*> tabOrder = {ClassName, Callsign};
    for (QSlider* slider : SkillSliders)
        tabOrder.append(slider);
    tabOrder += {ModelName, HeadSkin, BodySkin, LegsSkin, MSHFlexGrid1, List1, Command6, Command2, Command1};
    for (QWidget* control : tabOrder)
        control->setFocusPolicy(Qt::StrongFocus);
    tabOrder.append(LoadNote); // only while it tells of a load
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    // The texts hold whatever a class file can: none is cut at a length of its own.
    for (QLineEdit* text : {Callsign, ClassName->lineEdit(), ModelName->lineEdit(), HeadSkin->lineEdit(),
                            BodySkin->lineEdit(), LegsSkin->lineEdit()})
        text->setMaxLength(std::numeric_limits<int>::max());
}
