#pragma once

#include "app/appsettings.h"
#include "catalogue/equipmentcatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Generated game data for the benchmarks. Everything is made from the row count alone, so every run and
// every benchmark sees the same bytes.

// A weapons file of rows data rows after a header row naming the twelve columns: CR LF line ends, every
// field ended by a comma, display names of about 15 characters ("Rifle 000123", "Smoke Grenade
// 000042"), decimal and whole numbers, and empty ammunition fields for grenades and kit. The first row is
// the load-bearing vest ("lbv", "Load Bearing Vest"); about one item in fourteen costs 0 points.
QByteArray GeneratedWeaponsFile(int rows);

// The settings of the demo data, with the weapons file given by its full path.
AppSettings BenchSettings(const QString& weaponsFilePath = {}, const QString& characterPath = {});

// The catalogue that the generated weapons file of rows rows gives.
EquipmentCatalogue GeneratedCatalogue(int rows);

// The generated catalogue of 10,000 items that the recomputation and class file benchmarks share, made once.
const EquipmentCatalogue& TenThousandItemCatalogue();

// count entries as the window's list holds them: the starting item, the vest, then distinct items that
// cost points, spread over the catalogue (grenades and belt-fed guns among them, so the load modes work).
QStringList SelectedEntries(const EquipmentCatalogue& catalogue, const QString& startingItem, int count);
