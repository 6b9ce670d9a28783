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

} // namespace

bool IsControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

QByteArray ClassFileBytes(const ClassRecord& record, const EquipmentCatalogue& catalogue,
                          const QString& startingEquipmentName)
{
    QString text;
    const auto writeLine = [&text](const QString& line) {
        text += line;
        text += QStringLiteral("\r\n");
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
    const QString model = FileValue(record.Model);
    if (!model.isEmpty()) {
        writeLine(QStringLiteral("set skin ") +
                  Quoted(model + u'/' + FileValue(record.HeadSkin) + u' ' + FileValue(record.BodySkin) +
                         u' ' + FileValue(record.LegsSkin)));
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
    for (const QString& entry : record.Entries) {
        if (entry.isEmpty() || entry == startingEquipmentName)
            continue;
        catalogue.ForEachListedAs(entry, [&](const Equipment& item) {
            writeLine(QStringLiteral("set equipment") + QString::number(++counter) + u' ' +
                      item.InternalName);
        });
    }
    writeLine(QString());
    return EncodeFileText(text);
}
