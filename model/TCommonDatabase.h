#pragma once

#include "TStoreSchema.h"

#include <QList>
#include <QString>
#include <QStringList>

class TDatabase;

// The program-wide tables (websites, installed tools, currencies, countries,
// states and the marketing lists) in ProgramFolder/CommonDB/common.db.
namespace TCommonDatabase {

const QList<TStoreSchema::TTableDef>& Tables();

// Creates every common table that is missing (and adds missing columns to the
// others), and fills the reference tables it creates from the shipped seed files
// in seedFolder (TProgramFolders::ShippedData() + "/commondb" when empty). Tables
// that already exist are never refilled, so the merchant's own rows survive. All
// in one transaction: a missing or malformed seed file raises EQuorvisError and
// leaves the database as it was. Returns the names of the tables it created.
QStringList Prepare(TDatabase& db, const QString& seedFolder = QString());

// The tables the last Prepare of this run created ("Websites" among them means
// the program has never listed websites in this common database before).
const QStringList& TablesCreatedAtOpen();

} // namespace TCommonDatabase
