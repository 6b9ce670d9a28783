#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "classfile/classrecord.h"
#include "platform/paths.h"
#include "platform/result.h"

#include <QString>
#include <QStringList>
#include <optional>

// Saving a class: every check that can refuse it, in the order the user meets them, and the writing.

// The Save button's refusal of a budget overspent: the points available, read from their label's text,
// below 0.
std::optional<QString> OverspentRefusal(const QString& pointsText);

// The Save button's own checks, with the points available read from their label's text: points below 0,
// then a class still named exactly "<New Class>".
std::optional<QString> SaveButtonRefusal(const QString& pointsText, const QString& classNameText);

// Alt+S's own check: points below 0 only, with a wording of its own; "<New Class>" is refused later by the
// name check.
std::optional<QString> AltSaveRefusal(const QString& pointsText);

// Saves the class to its file in the characters folder, after the checks above. In this order, and each
// stopping the save with its message:
//  1. the skill requirements of the selected equipment (SkillRequirementsRefusal);
//  2. the class name as a file name (ClassNameRefusal);
//  3. texts that the file cannot hold so that the class loads back as it is (UnwritableTextRefusal);
//  4. the characters folder, made again when it vanished while the editor ran (MakeCharactersFolder);
//  5. the file: its complete new content replaces the old file in one step, and a file that cannot be
//     written (read-only, full disk) gives a message with its path and the system's reason and stays as
//     it was.
// The file is the one the class was loaded from (loadedFileName, in the characters folder; empty for none)
// when the class name still names it but for letter case, else an existing file whose name differs from the
// class's only in case, else the class's own (see ClassFileToLoad). A successful save shows nothing.
Result<> SaveClassFile(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                       const AppSettings& settings, PathStyle style, const QString& loadedFileName = {});

// After a save, the class name text as typed joins the class list unless an entry equals it exactly.
bool JoinsClassList(const QStringList& classList, const QString& classNameText);
