#pragma once

#include "app/appsettings.h"
#include "platform/paths.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The rules by which the models folder, a model's skinfolder.txt and the names of skin images become the
// folders and skin ids that the window offers. Plain values in and out; nothing here touches the disk.

// The folders in which the head, body and legs images of the current model are looked for. Empty until a
// skinfolder.txt names them.
struct SkinFolders {
    QString Head;
    QString Body;
    QString Legs;

    friend bool operator==(const SkinFolders&, const SkinFolders&) = default;
};

// The folder that holds the models folder, ending with a separator (ModelsParentFolder).
QString ModelsParentFolderOf(const QString& modelsFolder, PathStyle style);

// The skin folders after reading a skinfolder.txt. A line that contains "head" (exact case, anywhere)
// sets the head folder to modelsParentFolder followed by the line from its sixth character on, not
// trimmed; "body" and "legs" likewise, each independently, so one line may set several. Folders that no
// line names keep their previous value. "/" and "\" both separate in the result, which is a native path of
// the style.
SkinFolders ReadSkinFolderFile(QStringView text, const QString& modelsParentFolder, SkinFolders previous,
                               PathStyle style);

// The skin ids of the listed image names, in their order: each name cut before its first "." gives its
// sixth to eighth characters, case kept. A name whose ninth and tenth characters are "p1" or "p2" (exact
// case) is no skin and is left out.
QStringList SkinIdsFromFileNames(const QStringList& fileNames);
