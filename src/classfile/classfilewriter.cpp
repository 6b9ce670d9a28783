#include "classfile/classfilewriter.h"

#include "platform/codepage.h"
#include "platform/text.h"

namespace {

// The value as the file holds it: quotes and control characters left out, then trimmed, so that an empty
// value is recognised after what could not be written is gone.
QString FileValue(const QString& text)
{
    QString value;
    value.reserve(text.size());
    for (const QChar c : text) {
        if (c != u'"' && !IsControlCharacter(c))
            value.append(c);
    }
    return TrimSpaces(value);
}

QString Quoted(const QString& value)
{
    return u'"' + value + u'"';
}

// The texts of the skin line, by the names a message gives them; none when the model is empty.
struct SkinField {
    const char16_t* Name;
    QString Value;
};
QList<SkinField> SkinFields(const ClassRecord& record)
{
    const QString model = FileValue(record.Model);
    if (model.isEmpty())
        return {};
    return {{u"model", model},
            {u"head skin", FileValue(record.HeadSkin)},
            {u"body skin", FileValue(record.BodySkin)},
            {u"legs skin", FileValue(record.LegsSkin)}};
}

QString CodePageRefusal(const QString& what, const QString& outside)
{
    return QStringLiteral("As the %1 is written into the class file, it may only hold characters of the "
                          "system's code page. These characters are not permitted: %2")
        .arg(what, outside);
}

// Calls visit(const Equipment&) for every catalogue item that the class file names, in file order.
template <typename Visit>
void ForEachWrittenItem(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                        const QString& startingEquipmentName, Visit&& visit)
{
    for (const QString& entry : record.Entries) {
        if (!entry.isEmpty() && entry != startingEquipmentName)
            catalogue.ForEachListedAs(entry, visit);
    }
}

} // namespace

QByteArray ClassFileBytes(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                          const QString& startingEquipmentName)
{
    QByteArray bytes;
    const auto writeLine = [&bytes](const QString& line) {
        bytes += EncodeFileText(line);
        bytes += "\r\n";
    };

    const QString name = FileValue(record.ClassName);
    writeLine(QStringLiteral("//Halcyx Character file for ") + name +
              QStringLiteral(". Editing this file directly may result in server weight or point verification "
                             "failure."));
    writeLine(QStringLiteral("set class ") + Quoted(name));

    const QString callsign = FileValue(record.Callsign);
    if (!callsign.isEmpty())
        writeLine(QStringLiteral("set callsign ") + Quoted(callsign));

    // Empty skins keep their place: the slash and both blanks are written all the same.
    const QList<SkinField> skin = SkinFields(record);
    if (!skin.isEmpty()) {
        writeLine(QStringLiteral("set skin ") +
                  Quoted(skin[0].Value + u'/' + skin[1].Value + u' ' + skin[2].Value + u' ' + skin[3].Value));
    }

    for (int i = 0; i < ProficiencyCount; ++i) {
        const Proficiency proficiency = ProficiencyAt(i);
        const int level = LevelOf(record.Levels, proficiency);
        if (level > 0)
            writeLine(ProficiencyLinePrefix(proficiency) + QString::number(level));
    }

    writeLine(QString());
    writeLine(QStringLiteral("//Weapons and Equipment"));
    int counter = 0;
    ForEachWrittenItem(record, catalogue, startingEquipmentName, [&](const Equipment& item) {
        bytes += EncodeFileText(QStringLiteral("set equipment") + QString::number(++counter) + u' ');
        bytes += catalogue.InternalNameBytes(item); // the servers compare these bytes with the weapons file
        bytes += "\r\n";
    });
    writeLine(QString());
    return bytes;
}

std::optional<QString> UnwritableTextRefusal(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                                             const QString& startingEquipmentName)
{
    const QString callsign = FileValue(record.Callsign);
    if (const QString outside = CharactersOutsideFileCodePage(callsign); !outside.isEmpty())
        return CodePageRefusal(QStringLiteral("callsign"), outside);
    const QList<SkinField> skin = SkinFields(record);
    for (const SkinField& field : skin) {
        if (const QString outside = CharactersOutsideFileCodePage(field.Value); !outside.isEmpty())
            return CodePageRefusal(QString::fromUtf16(field.Name), outside);
    }
    std::optional<QString> refusal;
    if (!catalogue.ItemNamesInUtf8()) {
        ForEachWrittenItem(record, catalogue, startingEquipmentName, [&refusal](const Equipment& item) {
            const QString outside = CharactersOutsideFileCodePage(item.InternalName);
            if (!refusal && !outside.isEmpty()) {
                refusal = CodePageRefusal(QStringLiteral("internal name of the item \"%1\" (%2)")
                                              .arg(ListedName(item), item.InternalName),
                                          outside);
            }
        });
    }
    ForEachWrittenItem(record, catalogue, startingEquipmentName, [&](const Equipment& item) {
        if (!refusal && !catalogue.LoadsBack(item)) {
            refusal =
                QStringLiteral(
                    "As the class file names the item \"%1\" by its internal name \"%2\", which is read "
                    "back without double quotes and without blanks around it, the item would load back "
                    "as another item or not at all. Remove the item from the class, or give it an "
                    "internal name of its own in the weapons file.")
                    .arg(ListedName(item), item.InternalName);
        }
    });
    if (refusal)
        return refusal;

    // "model/head body legs": a slash in the model, or a blank or a slash in a skin, would move the text
    // into another field when the file is read.
    if (!skin.isEmpty() && skin[0].Value.contains(u'/')) {
        return QStringLiteral(
            "As the class file separates the model from the skins by a slash, the model may "
            "not contain one: the class would load back with another model. Remove the "
            "slash from the model.");
    }
    for (qsizetype i = 1; i < skin.size(); ++i) {
        const QString& value = skin[i].Value;
        if (value.contains(u' ') || value.contains(u'/')) {
            return QStringLiteral("As the class file separates the skins by blanks and the model by a slash, "
                                  "the %1 may not contain a blank or a slash: the class would load back with "
                                  "other skins. Remove them from the %1.")
                .arg(QString::fromUtf16(skin[i].Name));
        }
    }
    return std::nullopt;
}
