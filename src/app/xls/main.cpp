// marlune-xls-reader WORKBOOK [SHEET]: reads a binary workbook and writes its sheet names,
// and the cells of sheet number SHEET (from 0) when given, on standard output in the form
// of data/XlsReaderProtocol.h. The program runs it as a separate process so that a damaged
// file that upsets the parsing library ends this process, never the program. Whenever it
// cannot read the workbook it says why on standard error; it never leaves a core dump.

#include "app/xls/WorkbookRecords.h"
#include "data/XlsReaderProtocol.h"

#include <freexl.h>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace xlsreader;

const char* g_workbook = "";

// What the signal handler writes, prepared before the library runs: the handler may only
// write and exit.
char g_crashMessage[512];
std::size_t g_crashMessageLength = 0;

void say(const std::string& why)
{
    std::fprintf(stderr, "marlune-xls-reader: %s: %s\n", g_workbook, why.c_str());
}

extern "C" void onCrash(int signal)
{
    char digits[4] = {char('0' + signal / 10 % 10), char('0' + signal % 10), ')', '\n'};
    [[maybe_unused]] ssize_t written = write(STDERR_FILENO, g_crashMessage, g_crashMessageLength);
    written = write(STDERR_FILENO, digits, sizeof digits);
    _exit(128 + signal);
}

// A fault inside the library ends the process with a reason and without a core dump; the
// program then reports the workbook as damaged.
void containCrashes()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    prctl(PR_SET_DUMPABLE, 0);
    g_crashMessageLength = std::size_t(std::snprintf(
        g_crashMessage, sizeof g_crashMessage,
        "marlune-xls-reader: %s: the workbook is damaged: FreeXL failed on it (signal ", g_workbook));
    g_crashMessageLength = std::min(g_crashMessageLength, sizeof g_crashMessage - 1);
    // A stack of its own, so that a fault from a stack overflow is reported too.
    static char alternateStack[64 * 1024];
    const stack_t stack{alternateStack, 0, sizeof alternateStack};
    sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = onCrash;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(signal, &action, nullptr);
}

template<typename Value>
void put(const Value& value)
{
    std::fwrite(&value, sizeof value, 1, stdout);
}

void putTag(Tag tag)
{
    put(static_cast<char>(tag));
}

void putText(const char* text)
{
    const auto length = static_cast<std::uint32_t>(std::strlen(text));
    put(length);
    std::fwrite(text, 1, length, stdout);
}

// Reports why the workbook cannot be read and ends the stream.
[[noreturn]] void fail(Failure failure, int code, const std::string& why)
{
    say(why);
    putTag(Tag::Failure);
    put(static_cast<std::uint8_t>(failure));
    put(static_cast<std::int32_t>(code));
    putTag(Tag::End);
    std::exit(std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE);
}

[[noreturn]] void failWith(int code)
{
    const std::string library = " (FreeXL error " + std::to_string(code) + ")";
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        fail(Failure::FileNotFound, code, "the file cannot be opened" + library);
    case FREEXL_INSUFFICIENT_MEMORY:
        fail(Failure::OutOfMemory, code, "there is not enough memory to read it" + library);
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
    case FREEXL_INVALID_CFBF_HEADER:
        fail(Failure::NotAWorkbook, code, "it is no workbook" + library);
    default:
        fail(Failure::Damaged, code, "the workbook is damaged" + library);
    }
}

// The whole file, for checking its records before the library reads them.
std::optional<std::string> fileBytes(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(file);
    std::fclose(file);
    return failed ? std::nullopt : std::optional(std::move(bytes));
}

bool parseSheetIndex(std::string_view text, unsigned short& index)
{
    unsigned long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 0xFFFF)
            return false;
        value = value * 10 + unsigned(c - '0');
    }
    index = static_cast<unsigned short>(value);
    return !text.empty() && value <= 0xFFFF;
}

void putCellHead(unsigned int row, unsigned short column, ValueType type)
{
    putTag(Tag::Cell);
    put(static_cast<std::uint32_t>(row));
    put(static_cast<std::uint16_t>(column));
    put(static_cast<std::uint8_t>(type));
}

// The value type of the cells FreeXL hands out as text; none for the others.
std::optional<ValueType> textValueType(unsigned char type)
{
    switch (type) {
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
        return ValueType::Text;
    case FREEXL_CELL_DATE:
        return ValueType::Date;
    case FREEXL_CELL_DATETIME:
        return ValueType::DateTime;
    case FREEXL_CELL_TIME:
        return ValueType::Time;
    default:
        return std::nullopt;
    }
}

// Empty cells, and the formula and boolean cells FreeXL gives no value for, are left out.
void putCell(unsigned int row, unsigned short column, const FreeXL_CellValue& value)
{
    if (value.type == FREEXL_CELL_INT) {
        putCellHead(row, column, ValueType::Integer);
        put(static_cast<std::int32_t>(value.value.int_value));
    } else if (value.type == FREEXL_CELL_DOUBLE) {
        putCellHead(row, column, ValueType::Double);
        put(value.value.double_value);
    } else if (const auto type = textValueType(value.type); type && value.value.text_value) {
        putCellHead(row, column, *type);
        putText(value.value.text_value);
    }
}

void writeSheet(const void* handle, unsigned short sheet)
{
    int result = freexl_select_active_worksheet(handle, sheet);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (result == FREEXL_OK)
        result = freexl_worksheet_dimensions(handle, &rows, &columns);
    if (result != FREEXL_OK)
        failWith(result);
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle, row, column, &value) == FREEXL_OK)
                putCell(row, column, value);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Nobody is left to read the answer once the program is gone.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    unsigned short sheet = 0;
    if (argc < 2 || argc > 3 || (argc == 3 && !parseSheetIndex(argv[2], sheet))) {
        std::fputs("usage: marlune-xls-reader WORKBOOK [SHEET]\n", stderr);
        return 2;
    }
    g_workbook = argv[1];
    containCrashes();
    // Out at once: the program learns that the reader runs and holds its ground.
    std::fwrite(kMagic, 1, kMagicSize, stdout);
    std::fflush(stdout);

    const std::optional<std::string> bytes = fileBytes(argv[1]);
    if (!bytes)
        fail(Failure::FileNotFound, FREEXL_FILE_NOT_FOUND, "the file cannot be read");
    if (const std::string problem = workbookRecordProblem(*bytes); !problem.empty())
        fail(Failure::Damaged, 0, "the workbook is damaged: " + problem);

    const void* handle = nullptr;
    const int opened = freexl_open(argv[1], &handle);
    if (opened != FREEXL_OK)
        failWith(opened);
    unsigned int password = FREEXL_BIFF_PLAIN;
    unsigned int sheets = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &password) != FREEXL_OK
        || freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK)
        failWith(FREEXL_BIFF_WORKBOOK_NOT_FOUND);
    if (password == FREEXL_BIFF_OBFUSCATED)
        fail(Failure::Encrypted, 0, "the workbook is encrypted");
    for (unsigned int index = 0; index < sheets && index <= 0xFFFF; ++index) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(index), &name)
                != FREEXL_OK
            || !name)
            failWith(FREEXL_BIFF_WORKBOOK_NOT_FOUND);
        putTag(Tag::SheetName);
        putText(name);
    }
    if (argc == 3) {
        if (sheet >= sheets)
            fail(Failure::Damaged, 0, "it has no sheet " + std::to_string(sheet));
        writeSheet(handle, sheet);
    }
    putTag(Tag::End);
    freexl_close(handle);
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
