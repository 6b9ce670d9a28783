#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "ui/form1.h"

#include <memory>

class MessageBoxes;
class ProgramEnd;

// The editor's state for its whole run: the settings and the catalogue, filled once, and the window.
struct RunningEditor {
    AppSettings Settings;
    EquipmentCatalogue Catalogue;
    std::unique_ptr<Form1> Window;
};

// The start-up order: settings, weapons file and catalogue grid (in a hidden window), the window shown,
// the class list, the models, a new class. Returns nothing when the weapons file cannot be used or the
// start-up failed otherwise (an exception); the program must then end (its message has been shown).
std::unique_ptr<RunningEditor> Main(const ProgramLocation& location, MessageBoxes& messages, ProgramEnd& end);
