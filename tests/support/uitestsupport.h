#pragma once

#include "ui/form1.h"
#include "ui/seams.h"
#include "ui/sortedcombobox.h"
#include "ui/startup.h"

#include <QComboBox>
#include <QListWidget>
#include <QSlider>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

// Records the messages the program shows, instead of showing boxes.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void Show(const QString& text) override { Shown.append(text); }
    QStringList Shown;
};

// Records that the program asked to end.
class RecordingProgramEnd final : public ProgramEnd {
public:
    void End() override { ++Ends; }
    int Ends = 0;
};

// A game folder in a temporary place: tool/ holds the settings file and the characters folder, and the
// weapons file lies beside tool/ as by default. Start() runs the start-up order on it.
class GameFolder {
public:
    GameFolder();

    QString Path(const QString& relative = {}) const;
    QString ToolFolder() const { return Path(QStringLiteral("tool")); }

    void WriteSettings(const QStringList& lines);
    void WriteWeapons(const QStringList& lines);
    void WriteClass(const QString& fileName, const QStringList& lines);
    // A model folder under models/people with its skinfolder.txt lines and empty image files.
    void AddModel(const QString& name, const QStringList& skinFolderLines, const QStringList& images = {});
    void AddFile(const QString& relative, const QByteArray& bytes = "x");
    // Copies the demo game folder into this one.
    void CopyDemo();

    // The start-up order with recording seams; the editor, or null when the program must end.
    RunningEditor* Start();

    RecordingMessageBoxes Messages;
    RecordingProgramEnd End;
    std::unique_ptr<RunningEditor> Editor;

private:
    QTemporaryDir Dir;
};

// A weapons file with a header row and a few items of every kind the rules know.
QStringList StandardWeapons();

// Gestures on real controls.
int GridRowOf(const Form1& window, const QString& itemName); // -1 when absent
void DoubleClickGridRow(Form1& window, int row);
void DoubleClickGridItem(Form1& window, const QString& itemName);
void DoubleClickListEntry(Form1& window, int index);
void MoveSlider(QSlider* slider, int level); // by key presses, as a user does
void PickComboEntry(QComboBox* box, const QString& text);
QStringList ListEntries(const QListWidget* list);
