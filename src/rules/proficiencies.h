#pragma once

#include <QString>
#include <array>

// The twelve proficiencies (ten skills and two physical attributes), in their fixed order: number 1 is
// the pistol, number 12 strength. A class holds a level from 0 to 4 in each.
enum class Proficiency {
    Pistol,
    SubMachineGun,
    Shotgun,
    AssaultRifle,
    SniperRifle,
    MachineGun,
    Knives,
    Explosives,
    Medic,
    Stealth,
    Stamina,
    Strength,
};

inline constexpr int ProficiencyCount = 12;
inline constexpr int HighestLevel = 4;

// One level per proficiency, indexed by the Proficiency value.
using SkillLevels = std::array<int, ProficiencyCount>;

inline int LevelOf(const SkillLevels& levels, Proficiency proficiency)
{
    return levels[static_cast<std::size_t>(proficiency)];
}

// The proficiency's number (1 to 12) and the keyword that the class file stores with it.
int ProficiencyNumber(Proficiency proficiency);
QString ProficiencyKeyword(Proficiency proficiency);

// "set proficiency" + number + " " + keyword: the class file line's text before the level.
QString ProficiencyLinePrefix(Proficiency proficiency);

Proficiency ProficiencyAt(int index); // 0 is Pistol
