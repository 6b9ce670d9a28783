#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "classfile/classrecord.h"
#include "commands/keycommands.h"
#include "models/modellibrary.h"
#include "rules/proficiencies.h"
#include "ui/valuelabel.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class CatalogueGridModel;
class LoadNoteLabel;
class MessageBoxes;
class ProgramEnd;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;
class QTableView;

// What the window works with: the settings and the catalogue (filled before it and only read), where the
// program lies, and the two ways out of the window.
struct EditorContext {
    const AppSettings& Settings;
    const EquipmentCatalogue& Catalogue;
    ProgramLocation Location;
    MessageBoxes& Messages;
    ProgramEnd& End;
};

// The editor's one window. Its controls hold the class being edited; its handlers read them, ask the core
// for the answer and write it back.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const EditorContext& context, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up steps that fill the window.
    void FillCatalogueGrid();
    void FillClassList();
    void DiscoverModels();
    void DiscoverSkins();

    // Appends the item name of the grid's current row to List1, unless it is empty or the heading.
    void SelectItem();

    void ClearClass();
    // The class the controls hold, as a save writes it.
    ClassRecord CurrentClass() const;
    void RemoveSelectedItem();
    void RecalculatePoints();
    void RecalculateWeight();

    // The controls, by their names.
    QComboBox* ClassName = nullptr;
    QLineEdit* Callsign = nullptr;
    std::array<QSlider*, ProficiencyCount> SkillSliders{};
    QComboBox* ModelName = nullptr;
    QComboBox* HeadSkin = nullptr;
    QComboBox* BodySkin = nullptr;
    QComboBox* LegsSkin = nullptr;
    QTableView* MSHFlexGrid1 = nullptr;
    QListWidget* List1 = nullptr;
    ValueLabel* AmmoMessage = nullptr;
    ValueLabel* MovementMessage = nullptr;
    ValueLabel* PointsAvailable = nullptr;
    ValueLabel* WeightConsumed = nullptr;
    QPushButton* Command1 = nullptr;   // Save
    QPushButton* Command2 = nullptr;   // Close
    QPushButton* Command6 = nullptr;   // Clear All
    LoadNoteLabel* LoadNote = nullptr; // what the last load passed over or read otherwise

    QSlider* Slider(Proficiency proficiency) const
    {
        return SkillSliders[static_cast<std::size_t>(proficiency)];
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void WireEvents();

    // Runs one user action: an exception is shown as a message, never passed into the event loop.
    void RunGuarded(const std::function<void()>& action);
    std::function<void()> Guarded(void (Form1::*handler)());

    // Key preview: the keyboard commands, then the keys that add and remove items. True when the key
    // was used.
    bool PreviewKey(QWidget* target, QKeyEvent* key);
    bool IsPartOfWindow(const QWidget* widget) const;
    static void ClosePopup(QWidget* popup);

    // Event handlers.
    void OnKeyCommand(KeyCommand command);
    void OnFocusIn(QWidget* target);
    void OnCallsignFocus();
    void OnSliderChanged(Proficiency proficiency);
    void OnClassPicked(int entry);
    void OnModelPicked();
    void AddSelectedItem();
    void OnListDoubleClick();
    void OnSaveClicked();
    void SaveClass();
    // Loads the class picked in the class list, whose entry was made from listedFileName (empty: none).
    void LoadClass(const QString& listedFileName);
    void SetPointsAvailable(const QString& text);
    void ShowMessages(const QStringList& messages);

    SkillLevels Levels() const;
    QStringList SelectedEntries() const;

    EditorContext Context;
    CatalogueGridModel* GridModel = nullptr;
    std::optional<ModelLibrary> Models; // from the start-up's DiscoverModels on
    QString LoadedFileName;             // the file of the class last picked, which its save replaces
};
