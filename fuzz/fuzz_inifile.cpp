// Settings file: IniFile::Parse on the raw bytes (it decodes them itself), the nine keys of section
// "Application", and the start-up rules that turn their values into the settings.

#include "app/appsettings.h"
#include "fuzzsupport.h"
#include "platform/fixeddecimal.h"
#include "platform/inifile.h"
#include "platform/numbers.h"

#include <array>

namespace {

const QString Section = QStringLiteral("Application");

const std::array<QString, 9> Keys = {
    QStringLiteral("Weapons File Identifier"),
    QStringLiteral("Starting Equipment Name"),
    QStringLiteral("Starting Equipment Weight"),
    QStringLiteral("Medical Skill Name"),
    QStringLiteral("Explosives Skill Name"),
    QStringLiteral("Character Path"),
    QStringLiteral("Model Path"),
    QStringLiteral("Starting Points"),
    QStringLiteral("Weapons File Name"),
};

// A fallback that no file can give: it holds a NUL, which ends every name and value the reader keeps.
const QString Absent = QStringLiteral("absent") + QChar(u'\0');

void CheckValue(const IniFile& ini, const QString& key, const QString& value)
{
    FUZZ_REQUIRE(value.size() <= 254);
    FUZZ_REQUIRE(!value.contains(u'\0'));
    FUZZ_REQUIRE(!value.contains(u'\r') && !value.contains(u'\n'));

    // The fallback stands in only where "0" did: for an absent key or a key line without "=".
    const QString orAbsent = ini.Value(Section, key, Absent);
    FUZZ_REQUIRE(orAbsent == value || (orAbsent == Absent && value == QStringLiteral("0")));

    // Names are matched without regard to ASCII case, and the blanks around them do not count.
    FUZZ_REQUIRE(ini.Value(Section.toUpper(), key.toLower()) == value);
    FUZZ_REQUIRE(ini.Value(QStringLiteral(" \t") + Section + u' ', u' ' + key + QStringLiteral("\t ")) ==
                 value);

    const double number = NumericValue(value);
    (void)ToInt16(number);
    if (FixedDecimal::Fits(number))
        (void)FixedDecimal::FromDouble(number).ToText(u'.');
}

void CheckSettings(const IniFile& ini, const ProgramLocation& location)
{
    const Result<AppSettings> result =
        SettingsFromValues([&ini](const QString& key) { return ini.Value(Section, key); }, location);
    const AppSettings& s = *result;
    FUZZ_REQUIRE(result.Messages().size() <= 2);
    FUZZ_REQUIRE(s.StartingPoints != 0);
    FUZZ_REQUIRE(s.StartingEquipmentWeight != FixedDecimal());
    if (location.Style == PathStyle::Posix)
        FUZZ_REQUIRE(!s.CharacterPath.contains(u'\\'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const IniFile ini = IniFile::Parse(FuzzBytes(data, size));
    for (const QString& key : Keys)
        CheckValue(ini, key, ini.Value(Section, key));

    CheckSettings(ini, {QStringLiteral("/opt/game/tool"), QStringLiteral("rostermaker"), PathStyle::Posix});
    CheckSettings(ini, {QStringLiteral("C:\\Game\\Tool"), QStringLiteral("Rostermaker"), PathStyle::Windows});
    return 0;
}
