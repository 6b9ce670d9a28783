#include "ui/form1.h"

#include "classfile/classfilename.h"
#include "commands/loadclass.h"
#include "commands/saveclass.h"
#include "platform/files.h"
#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"
#include "ui/cataloguegridmodel.h"
#include "ui/loadnote.h"
#include "ui/seams.h"
#include "ui/sortedcombobox.h"
#include "ui/valuelabel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableView>

Form1::Form1(const EditorContext& context, QWidget* parent)
    : QWidget(parent)
    , Context(context)
{
    BuildControls();
    WireEvents();
}

Form1::~Form1() = default;

// One user action runs to its end and reports its own failure; an exception (memory exhausted by a
// hostile file, for one) never passes into Qt's event loop.
void Form1::RunGuarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& failure) {
        Context.Messages.Show(UnexpectedFailureMessage(failure.what()));
    }
}

std::function<void()> Form1::Guarded(void (Form1::*handler)())
{
    return [this, handler] {
        RunGuarded([this, handler] { (this->*handler)(); });
    };
}

void Form1::WireEvents()
{
    qApp->installEventFilter(this); // key preview: key presses reach the window before the focused control
    connect(ClassName, &QComboBox::activated, this,
            [this](int entry) { RunGuarded([this, entry] { OnClassPicked(entry); }); });
    for (int i = 0; i < ProficiencyCount; ++i) {
        const Proficiency proficiency = ProficiencyAt(i);
        connect(SkillSliders[static_cast<std::size_t>(i)], &QSlider::valueChanged, this,
                [this, proficiency] { RunGuarded([this, proficiency] { OnSliderChanged(proficiency); }); });
    }
    connect(ModelName, &QComboBox::activated, this, Guarded(&Form1::OnModelPicked));
    connect(MSHFlexGrid1, &QTableView::doubleClicked, this, Guarded(&Form1::AddSelectedItem));
    connect(List1, &QListWidget::itemDoubleClicked, this, Guarded(&Form1::OnListDoubleClick));
    connect(Command1, &QPushButton::clicked, this, Guarded(&Form1::OnSaveClicked));
    connect(Command6, &QPushButton::clicked, this, Guarded(&Form1::ClearClass));
    connect(Command2, &QPushButton::clicked, this, [this] { Context.End.End(); });
}

void Form1::FillCatalogueGrid()
{
    GridModel->Fill(Context.Catalogue);
}

void Form1::FillClassList()
{
    // Each entry remembers its file: on a case-sensitive disk two files may show the same name.
    for (const QString& fileName : ClassFileNamesInFolder(Context.Settings.CharacterPath))
        ClassName->setItemData(AddSortedItem(ClassName, ClassNameOfFile(fileName)), fileName);
}

void Form1::DiscoverModels()
{
    Models.emplace(Context.Settings.ModelPath, Context.Location);
    const std::optional<QStringList> names = Models->ModelNames();
    if (!names) {
        for (QComboBox* box : {ModelName, HeadSkin, BodySkin, LegsSkin})
            box->setEnabled(false);
        Context.Messages.Show(ModelsFolderMissingMessage());
        return;
    }
    ModelName->clear();
    ModelName->clearEditText();
    for (const QString& name : *names) {
        AddSortedItem(ModelName, name);
        if (ModelName->currentText().isEmpty())
            ModelName->setEditText(name);
    }
    DiscoverSkins();
}

void Form1::DiscoverSkins()
{
    const SkinLists skins = Models->DiscoverSkins(ModelName->currentText());
    const std::array<std::pair<QComboBox*, const QStringList*>, 3> lists = {
        {{HeadSkin, &skins.Head}, {BodySkin, &skins.Body}, {LegsSkin, &skins.Legs}}};
    for (const auto& [box, ids] : lists) {
        for (const QString& id : *ids)
            AddSortedItem(box, id);
        if (box->currentText().isEmpty() && box->count() > 0)
            box->setEditText(box->itemText(0));
    }
}

void Form1::SelectItem()
{
    if (const std::optional<QString> item =
            ItemToSelect(GridModel->CellText(MSHFlexGrid1->currentIndex().row(), 0)))
        List1->addItem(*item);
}

void Form1::ClearClass()
{
    // The recomputation below covers every slider, so their own handlers need not run for each one.
    for (QSlider* slider : SkillSliders) {
        const QSignalBlocker quiet(slider);
        slider->setValue(0);
    }
    List1->clear();
    List1->addItem(Context.Settings.StartingEquipmentName);
    LoadNote->ShowNote({}, {});
    RecalculatePoints();
    RecalculateWeight();
}

void Form1::RecalculatePoints()
{
    const qint64 points =
        AvailablePoints(Context.Settings.StartingPoints, Levels(), SelectedEntries(), Context.Catalogue);
    SetPointsAvailable(AvailablePointsText(points));
}

void Form1::RecalculateWeight()
{
    const WeightDisplay weight =
        RecalculatedWeight(Context.Settings.StartingEquipmentWeight, Slider(Proficiency::Strength)->value(),
                           SelectedEntries(), Context.Catalogue, QLocale().decimalPoint().at(0));
    WeightConsumed->ShowValue(weight.WeightText);
    MovementMessage->ShowValue(weight.MovementText);
    AmmoMessage->ShowValue(weight.AmmoText);
}

void Form1::OnSliderChanged(Proficiency proficiency)
{
    RecalculatePoints();
    if (proficiency == Proficiency::Strength)
        RecalculateWeight();
}

void Form1::OnClassPicked(int entry)
{
    if (ClassName->currentText() != NewClassName)
        LoadClass(ClassName->itemData(entry).toString());
}

void Form1::OnModelPicked()
{
    for (QComboBox* box : {HeadSkin, BodySkin, LegsSkin}) {
        box->clear();
        box->clearEditText();
    }
    DiscoverSkins();
}

void Form1::AddSelectedItem()
{
    const int entriesBefore = List1->count();
    SelectItem();
    if (CheckItemRestrictions(SelectedEntries(), Context.Catalogue)) {
        RecalculatePoints();
        RecalculateWeight();
    } else if (List1->count() > entriesBefore) {
        // Take back only what this double-click added; the displays still match the list.
        delete List1->takeItem(List1->count() - 1);
    }
}

void Form1::RemoveSelectedItem()
{
    QListWidgetItem* selected = List1->currentItem();
    if (!selected || !selected->isSelected() ||
        !IsRemovable(selected->text(), Context.Settings.StartingEquipmentName))
        return;
    delete List1->takeItem(List1->row(selected));
}

void Form1::OnListDoubleClick()
{
    RemoveSelectedItem();
    RecalculatePoints();
    RecalculateWeight();
}

void Form1::OnSaveClicked()
{
    if (const std::optional<QString> refusal =
            SaveButtonRefusal(PointsAvailable->text(), ClassName->currentText()))
        Context.Messages.Show(*refusal);
    else
        SaveClass();
}

void Form1::SaveClass()
{
    const Result<> saved = SaveClassFile(CurrentClass(), Context.Catalogue, Context.Settings,
                                         Context.Location.Style, LoadedFileName);
    ShowMessages(saved.Messages());
    const QString typedName = ClassName->currentText();
    if (saved && JoinsClassList(ComboEntries(ClassName), typedName))
        AddSortedItem(ClassName, typedName);
}

void Form1::LoadClass(const QString& listedFileName)
{
    ClearClass();
    const QString pickedName = ClassName->currentText();
    const QString path =
        ClassFileToLoad(Context.Settings.CharacterPath, pickedName, listedFileName, Context.Location.Style);
    LoadedFileName = LastPathComponent(LocatePath(path), NativePathStyle());
    const Result<LoadedClass> read = LoadClassFile(path, Context.Catalogue);
    ShowMessages(read.Messages());
    if (!read)
        return;
    // The window shows what the file holds: nothing of the class shown before stays in it.
    const ClassRecord loaded = LoadedClassRecord(*read, pickedName, Context.Settings.StartingEquipmentName);
    ClassName->setEditText(loaded.ClassName);
    Callsign->setText(loaded.Callsign);
    ModelName->setEditText(loaded.Model);
    HeadSkin->setEditText(loaded.HeadSkin);
    BodySkin->setEditText(loaded.BodySkin);
    LegsSkin->setEditText(loaded.LegsSkin);
    for (int i = 0; i < ProficiencyCount; ++i) {
        QSlider* slider = SkillSliders[static_cast<std::size_t>(i)];
        const QSignalBlocker quiet(slider); // recomputed once below
        slider->setValue(loaded.Levels[static_cast<std::size_t>(i)]);
    }
    List1->clear();
    List1->addItems(loaded.Entries);
    RecalculatePoints();
    RecalculateWeight();
    // What the next save would drop or write otherwise, the player is told of now.
    const QList<LineNote> notes = LoadNotes(*read, pickedName);
    LoadNote->ShowNote(LoadNoteSummary(LoadedFileName, notes), LoadNoteDetails(LoadedFileName, notes));
}

ClassRecord Form1::CurrentClass() const
{
    return {ClassName->currentText(),
            Callsign->text(),
            ModelName->currentText(),
            HeadSkin->currentText(),
            BodySkin->currentText(),
            LegsSkin->currentText(),
            Levels(),
            SelectedEntries()};
}

void Form1::ShowMessages(const QStringList& messages)
{
    for (const QString& message : messages)
        Context.Messages.Show(message);
}

void Form1::SetPointsAvailable(const QString& text)
{
    PointsAvailable->ShowValue(text);
    QPalette colours = PointsAvailable->palette();
    colours.setColor(QPalette::WindowText, IsOverspent(text) ? QColor(255, 0, 0) : QColor(0, 0, 0));
    PointsAvailable->setPalette(colours);
}

SkillLevels Form1::Levels() const
{
    SkillLevels levels{};
    for (int i = 0; i < ProficiencyCount; ++i)
        levels[static_cast<std::size_t>(i)] = SkillSliders[static_cast<std::size_t>(i)]->value();
    return levels;
}

QStringList Form1::SelectedEntries() const
{
    QStringList entries;
    entries.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        entries.append(List1->item(i)->text());
    return entries;
}
