#include "app/cli/CliCommand.h"
#include "app/cli/CliRecord.h"
#include "app/cli/CliOutput.h"
#include "data/Tdm.h"
#include "files/LabelFile.h"
#include "job/DateStyle.h"
#include "job/TableRecord.h"
#include "job/ValueListing.h"
#include "model/Convert.h"
#include "model/MessageError.h"

#include <cstdio>
#include <optional>

namespace {

constexpr const char* kSynopsis = "values LABEL.xml [--workbook BOOK --sheet SHEET --record K]";

// Where the values come from: the stored values, or one record of a sheet.
struct ValuesRequest {
    QString label;
    QString workbook;
    QString sheet;
    std::optional<int> record;
};

// The request the arguments describe; nullopt when they do not fit the synopsis. The three
// record options go together: a record number means nothing without its sheet.
std::optional<ValuesRequest> parseRequest(const QStringList& args)
{
    ValuesRequest request;
    QStringList positional;
    std::optional<QString> workbook;
    std::optional<QString> sheet;
    std::optional<QString> record;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& argument = args[i];
        std::optional<QString>* option = argument == u"--workbook" ? &workbook
                                         : argument == u"--sheet"  ? &sheet
                                         : argument == u"--record" ? &record
                                                                    : nullptr;
        if (!option) {
            if (argument.startsWith(u"--"))
                return std::nullopt;
            positional.append(argument);
        } else if (i + 1 == args.size() || option->has_value()) {
            return std::nullopt;
        } else {
            *option = args[++i];
        }
    }
    const bool fromRecord = workbook.has_value();
    if (positional.size() != 1 || sheet.has_value() != fromRecord
        || record.has_value() != fromRecord)
        return std::nullopt;
    request.label = positional.first();
    if (fromRecord) {
        request.workbook = *workbook;
        request.sheet = *sheet;
        request.record = strToInt(*record);
    }
    return request;
}

// The label's objects, or nullopt for a missing file (LoadLabel has said so on stderr). A label
// read only in part would list some of its objects as if they were all, so it is refused.
std::optional<ShapeList> loadObjects(const QString& path)
{
    Tobject document;
    LabelSettings label;
    JobSettings job;
    const LabelLoadResult result = LoadLabel(path, {document, label, job}, nullptr);
    if (!result.fileFound)
        return std::nullopt;
    if (!result.complete)
        throw MessageError(result.objectStop.describe() + QStringLiteral("; nothing listed"));
    return document.objects;
}

void writeLines(const QStringList& lines)
{
    for (const QString& line : lines) {
        const QByteArray bytes = (line + u'\n').toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
}

} // namespace

// marlune-cli values LABEL.xml [--workbook BOOK --sheet SHEET --record K]: what each print
// object of the label sends to the printer, from the stored values or from record K.
int runValues(const QStringList& args)
{
    const std::optional<ValuesRequest> request = parseRequest(args);
    if (!request)
        return usageError(kSynopsis);
    const std::optional<ShapeList> objects = loadObjects(request->label);
    if (!objects)
        return 1; // the reason is already on stderr
    if (!request->record) {
        writeLines(valueListing(*objects, nullptr, systemDateSeparator()));
        return 0;
    }
    Tdm& data = dm();
    openRecord(data, request->workbook, request->sheet, *request->record);
    const TableRecord fields(data);
    const QStringList lines = valueListing(*objects, &fields, systemDateSeparator());
    data.close();
    writeLines(lines);
    return 0;
}
