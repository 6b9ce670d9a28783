#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"
#include "checker/findings.h"
#include "classfile/classfilereader.h"
#include "models/modellibrary.h"
#include "platform/fixeddecimal.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the window shows of a class once it is loaded; the weight always with "." as decimal point.
struct ClassSummary {
    QString ClassName;
    qint64 PointsLeft = 0; // as the window shows them: within the 16-bit range (see AvailablePointsText)
    FixedDecimal Weight;
    QString WeightText;   // "13.645 kg"
    QString MovementText; // from the movement ladder
    QString SpecialText;  // the load mode's two lines joined by CR LF, empty without a vest
};

// One path judged: a class file checked, with what the window would show of it (none when it was not
// read) and the findings in line order, those for the whole file first; or a path that could not be
// checked (Checked false), with its one finding of a path rule.
struct ClassJudgement {
    QString Path;
    QString ClassName; // as the window shows it once loaded; as the class list shows the file if unread
    std::optional<ClassSummary> Summary;
    QList<Finding> Findings;
    bool Checked = true;

    bool Has(Severity severity) const;
};

// The models and skins that the window offers right after start-up: the models folder's subfolders and,
// for a model picked then, the skins after the first model's DiscoverSkins and the model's (folders that
// its skinfolder.txt does not name carry over from the first model's). Each model's skins are read once.
class OfferedModels {
public:
    OfferedModels(const QString& modelPath, const ProgramLocation& location);

    // False when the models folder cannot be listed: the window then offers no model.
    bool Listed() const { return Names.has_value(); }

    // The model's folder name, matched without regard to case as the game's Windows disks match it.
    std::optional<QString> Find(const QString& model) const;

    const SkinLists& SkinsOf(const QString& folderName);

private:
    QString ModelPath;
    ProgramLocation Location;
    std::optional<QStringList> Names;
    QHash<QString, SkinLists> Skins;
};

// Judges class files by the editor's own rules: the file read as the window loads it (the class list's
// name for the file as the name picked), the class that the load leaves checked as Save checks it, and the
// bytes the editor would write for it compared with the file.
class ClassChecker {
public:
    ClassChecker(const AppSettings& settings, const EquipmentCatalogue& catalogue,
                 const ProgramLocation& location);

    bool ModelsListed() const { return Models.Listed(); }

    // The class file at path (native; shown as given), read as the window reads it. otherCases: the other
    // class files of its folder whose names differ from its own only in case. A file that cannot be read
    // is a path not checked.
    ClassJudgement Check(const QString& path, const QStringList& otherCases = {});

    // A class file's bytes; path names the file.
    ClassJudgement Judge(const QString& path, QByteArrayView bytes, const QStringList& otherCases = {});

private:
    // What Save would refuse of the class (errors), with the lines that set what it refuses.
    QList<Finding> SaveRefusals(const LoadedClass& loaded, const ClassRecord& record, qint64 points) const;
    // A file that the class list never loads, and the files that Windows cannot keep beside it.
    QList<Finding> NameFindings(const QString& path, const QString& listedName,
                                const QStringList& otherCases) const;
    // A model or skin that the window does not offer.
    QList<Finding> ModelFindings(const LoadedClass& loaded, const ClassRecord& record);

    const AppSettings& Settings;
    const EquipmentCatalogue& Catalogue;
    OfferedModels Models;
};
