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
