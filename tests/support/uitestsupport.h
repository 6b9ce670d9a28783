#pragma once

#include "support/testsupport.h"
#include "ui/form1.h"
#include "ui/seams.h"
#include "ui/startup.h"

#include <QComboBox>
#include <QListWidget>
#include <QSlider>
#include <memory>

// Records the messages the program shows, instead of showing boxes, and how often it asked to end.
class RecordingSeams : public MessageBoxes, public ProgramEnd {
public:
    void Show(const QString& text) override { Shown.append(text); }
    void End() override { ++Ends; }
    QStringList Shown;
    int Ends = 0;
};

// A game folder and the editor started on it, recording.
class EditorGame : public GameFolder, public RecordingSeams {
public:
    // The start-up order; the window, active on screen as on a desktop, or null when the program ended.
    Form1* Start();

    std::unique_ptr<RunningEditor> Editor;
};

// A game folder of the standard items, one model and a saved class, the editor started on it.
std::unique_ptr<EditorGame> StartedStandardGame();

// What the window shows of the class, for one comparison each: its name, callsign, model and skins
// ("Sniper, Hawk, trooper/001 002 003"), and the points, weight, movement, first line of the load mode and
// the entries after the starting item ("29 | 25 kg | Slow run, small jumps. |  | Crate").
QString Identity(const Form1& window);
QString Displays(const Form1& window);

// Gestures on real controls, as the system delivers them.
void DoubleClickGridRow(Form1& window, int row);
void DoubleClickListEntry(Form1& window, int index);
void MoveSlider(QSlider* slider, int level);       // by key presses
void SetLevels(Form1& window, QStringView levels); // the skill levels in proficiency order, from the left
void DoubleClickGridItems(Form1& window, const QStringList& itemNames); // one after the other
void PickComboEntry(QComboBox* box, const QString& text);
