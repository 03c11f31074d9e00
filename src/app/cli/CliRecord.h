#pragma once

#include <QString>

class Tdm;

// Opens a sheet of a workbook in the data module and moves to record K (counting from 1), as
// a label job fills its variable objects. A K outside the sheet's records raises MessageError.
void openRecord(Tdm& data, const QString& workbook, const QString& sheet, int record);
