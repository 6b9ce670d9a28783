#pragma once

#include <QString>
#include <optional>

// The checks that come before a save, with the points available read from their label's text.

// The Save button: points below 0, then a class still named exactly "<New Class>".
std::optional<QString> SaveButtonRefusal(const QString& pointsText, const QString& classNameText);

// Alt+S: points below 0 only, with a wording of its own; "<New Class>" is refused later by the name check.
std::optional<QString> AltSaveRefusal(const QString& pointsText);
