// A binary workbook file, checked by the reader process before FreeXL may read it.

#include "FuzzTarget.h"

#include "app/xls/WorkbookRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    workbookRecordProblem(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
