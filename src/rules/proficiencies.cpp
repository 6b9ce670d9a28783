#include "rules/proficiencies.h"

namespace {

const std::array<const char16_t*, ProficiencyCount> Keywords = {
    u"pistol", u"submachinegun", u"shotgun", u"assaultrifle", u"sniperrifle", u"machinegun",
    u"knives", u"explosives",    u"medic",   u"stealth",      u"stamina",     u"strength",
};

} // namespace

int ProficiencyNumber(Proficiency proficiency)
{
    return static_cast<int>(proficiency) + 1;
}

QString ProficiencyKeyword(Proficiency proficiency)
{
    return QString::fromUtf16(Keywords[static_cast<std::size_t>(proficiency)]);
}

QString ProficiencyLinePrefix(Proficiency proficiency)
{
    return QStringLiteral("set proficiency") + QString::number(ProficiencyNumber(proficiency)) + u' ' +
           ProficiencyKeyword(proficiency);
}

Proficiency ProficiencyAt(int index)
{
    return static_cast<Proficiency>(index);
}
