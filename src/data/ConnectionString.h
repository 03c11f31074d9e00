#pragma once

#include <QString>

// What the data module hands the workbook layer: a provider chosen by the workbook path's
// extension (exactly ".xls" picks the binary workbook reader, anything else the Open XML
// reader) with the path appended at the end.
inline constexpr QStringView kXlsConnectionPrefix =
    u"Provider=Microsoft.Jet.OLEDB.4.0;Extended Properties=Excel 8.0;"
    u"Persist Security Info=false;Data Source=";
inline constexpr QStringView kXlsxConnectionPrefix =
    u"Provider=Microsoft.ACE.OLEDB.12.0;Extended Properties='Excel 8.0;HDR=YES;IMEX=1';"
    u"Persist Security Info=false;Data Source=";

QString connectionStringForFile(const QString& path);

struct ConnectionTarget {
    bool binaryWorkbook = false; // the ".xls" provider
    QString path;
};

// Splits a connection string into provider and path; the path is everything after the
// last "Data Source=", so paths holding ';' or '=' survive.
ConnectionTarget parseConnectionString(const QString& connectionString);
