#pragma once

// Filling a client data set from a server table.
//
//   CopyReaderToClientDataSet(reader, dataSet);  // fields replaced by the reader's columns, rows appended
//   AssignPacket(packet, dataSet);               // a data packet replaces content and structure
//
// The table is decoded completely before the data set is touched, so a bad answer leaves the
// data set as it was. A table without any column ({"table":[]}) empties the data set and keeps
// its fields. Double, Currency and BCD columns stay apart (ftFloat, ftCurrency, ftBCD).

#include "platform/dataset/field.h"
#include "platform/dbx/dbxtable.h"

#include <string_view>

class TClientDataSet;

// Raises EDBXError for a code without a field type.
TFieldType fieldTypeForDbxType(int dbxType);

void CopyReaderToClientDataSet(const TDBXReader &reader, TClientDataSet &dataSet);
void AssignPacket(const DbxTable &packet, TClientDataSet &dataSet);
// Decode a table's JSON text and load it in one step.
void loadTableText(std::string_view json, TClientDataSet &dataSet);
