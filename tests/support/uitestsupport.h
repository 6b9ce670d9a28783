#pragma once

#include "support/testsupport.h"
#include "ui/form1.h"
#include "ui/seams.h"
#include "ui/startup.h"

#include <QComboBox>
#include <QListWidget>
#include <QLocale>
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
    Form1* Start()
    {
        QLocale::setDefault(QLocale::c()); // weights with "." unless a test says otherwise
        Editor = Main(Location(), *this, *this);
        if (!Editor)
            return nullptr;
        Editor->Window->activateWindow();
        if (!QTest::qWaitForWindowActive(Editor->Window.get()))
            qWarning("the window did not become active");
        return Editor->Window.get();
    }

    std::unique_ptr<RunningEditor> Editor;
};
