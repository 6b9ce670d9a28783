#pragma once

#include "app/appsettings.h"
#include "models/modeldiscovery.h"

#include <QString>
#include <QStringList>
#include <optional>

// The skin ids found for one model, in listing order.
struct SkinLists {
    QStringList Head;
    QStringList Body;
    QStringList Legs;
};

// The message shown when the models folder cannot be listed; the window then disables model and skin
// selection.
QString ModelsFolderMissingMessage();

// The game's models folder and the skin folders that the skinfolder.txt files read so far have set. The
// folders carry over from one model to the next: a file that does not name a part leaves that part's
// folder as it was.
class ModelLibrary {
public:
    // Resolves the Model Path setting once (see ResolveSettingPath: the absent setting "0" names
    // "<folder>0").
    ModelLibrary(const QString& modelPath, const ProgramLocation& location);

    // The names of the models folder's subfolders in listing order; nothing when the folder cannot be
    // listed.
    std::optional<QStringList> ModelNames() const;

    // Reads the model's skinfolder.txt (for an empty name, the one in the models folder itself) and lists
    // the "head_???.tga", "body_???.tga" and "legs_???.tga" images of the skin folders as skin ids. A skin
    // folder that is missing or was never named gives an empty list; a model without a readable
    // skinfolder.txt (of at most 16 MiB) has no skins, and the folders stay as they were.
    SkinLists DiscoverSkins(const QString& modelName);

private:
    PathStyle Style;
    QString Folder;
    SkinFolders Skins;
};
