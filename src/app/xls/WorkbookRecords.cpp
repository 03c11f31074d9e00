#include "app/xls/WorkbookRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kCompoundSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kHeaderFatSectors = 109;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
// The library's record buffer: a longer record ends its reading of the stream.
constexpr std::size_t kRecordBuffer = 8192;
// The library gives up on a larger shared string table by itself.
constexpr std::uint32_t kMaxSharedStrings = 1024 * 1024;

std::uint16_t u16(std::string_view bytes, std::size_t at)
{
    return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8);
}

std::uint32_t u32(std::string_view bytes, std::size_t at)
{
    return std::uint32_t(u16(bytes, at)) | std::uint32_t(u16(bytes, at + 2)) << 16;
}

// Why the container cannot be read the way the library reads it.
struct Damaged {
    std::string why;
};

// The compound document around a workbook: its sectors and sector table, read as the
// library reads them.
class Container {
public:
    explicit Container(std::string_view file)
        : m_file(file)
        , m_sectorSize(u16(file, 0x1E) == 12 ? 4096 : 512)
    {
        const std::uint16_t shift = u16(file, 0x1E);
        if (shift != 9 && shift != 12)
            throw Damaged{"its sector size is unknown"};
        for (std::size_t i = 0; i < kHeaderFatSectors; ++i) {
            const std::uint32_t fatSector = u32(file, 0x4C + 4 * i);
            if (fatSector != kFreeSector)
                addFatSector(fatSector);
        }
        readExtraFatSectors(u32(file, 0x44), u32(file, 0x48));
        // Without a mini sector table every stream is read from whole sectors.
        m_miniCutoff = u32(file, 0x40) > 0 ? u32(file, 0x38) : 0;
    }

    std::string workbookStream() const
    {
        const std::string_view directory = sector(u32(m_file, 0x30));
        std::uint32_t rootStart = 0;
        std::uint32_t rootSize = 0;
        for (std::size_t at = 0; at + kEntrySize <= directory.size(); at += kEntrySize) {
            const std::string_view entry = directory.substr(at, kEntrySize);
            const std::string name = entryName(entry);
            if (name == "Root Entry") {
                rootStart = u32(entry, 0x74);
                rootSize = u32(entry, 0x78);
            }
            if (name == "Workbook" || name == "Book")
                return streamOf(u32(entry, 0x74), u32(entry, 0x78), rootStart, rootSize);
        }
        throw Damaged{"it holds no workbook stream"};
    }

private:
    std::string_view sector(std::uint32_t number) const
    {
        const std::uint64_t at = (std::uint64_t(number) + 1) * m_sectorSize;
        if (at + m_sectorSize > m_file.size())
            throw Damaged{"sector " + std::to_string(number) + " lies beyond the end of the file"};
        return m_file.substr(at, m_sectorSize);
    }

    std::size_t sectorsInFile() const { return m_file.size() / m_sectorSize; }

    void addFatSector(std::uint32_t number)
    {
        // More table sectors than the file's sectors need (beyond the header's own list)
        // mean a loop in the container's list of them.
        const std::size_t needed = sectorsInFile() / (m_sectorSize / 4) + 1;
        if (m_fat.size() / (m_sectorSize / 4) >= std::max(needed, kHeaderFatSectors))
            throw Damaged{"its sector table is longer than the file"};
        const std::string_view entries = sector(number);
        for (std::size_t at = 0; at < entries.size(); at += 4)
            m_fat.push_back(u32(entries, at));
    }

    void readExtraFatSectors(std::uint32_t next, std::uint32_t count)
    {
        if (count == 0)
            return;
        if (count > sectorsInFile())
            throw Damaged{"it lists more sector table sectors than the file has"};
        const std::size_t perSector = m_sectorSize / 4;
        for (std::uint32_t block = 0; block < count; ++block) {
            const std::string_view entries = sector(next);
            for (std::size_t i = 0; i < perSector; ++i) {
                const std::uint32_t value = u32(entries, 4 * i);
                if (value == kEndOfChain)
                    return;
                if (i + 1 == perSector)
                    next = value;
                else if (value != kFreeSector)
                    addFatSector(value);
            }
        }
    }

    std::uint32_t nextSector(std::uint32_t number) const
    {
        if (number >= m_fat.size())
            throw Damaged{"sector " + std::to_string(number) + " is not in its sector table"};
        return m_fat[number];
    }

    // The sectors of a chain, up to size bytes or the chain's end.
    std::string chain(std::uint32_t start, std::uint64_t size) const
    {
        std::string bytes;
        std::uint32_t number = start;
        while (bytes.size() < size) {
            const std::string_view data = sector(number);
            bytes.append(data.substr(0, std::min<std::uint64_t>(data.size(), size - bytes.size())));
            number = nextSector(number);
            if (number == kEndOfChain)
                break;
        }
        return bytes;
    }

    std::string streamOf(std::uint32_t start, std::uint32_t size, std::uint32_t rootStart,
                         std::uint32_t rootSize) const
    {
        if (size > m_file.size())
            throw Damaged{"its workbook stream is larger than the file"};
        if (size > m_miniCutoff)
            return chain(start, size);
        // A small stream: the library takes it from the start of the mini stream, which it
        // loads whole, and reads as far as the stream's size says.
        if (rootSize > m_file.size() || size > rootSize)
            throw Damaged{"its workbook stream is larger than its mini stream"};
        std::string mini = chain(rootStart, rootSize);
        if (mini.size() != rootSize)
            throw Damaged{"its mini stream ends early"};
        mini.resize(size);
        return mini;
    }

    // The name of a directory entry up to its first NUL, as the library compares it; a
    // character outside ASCII never matches a name it looks for.
    std::string entryName(std::string_view entry) const
    {
        const std::uint16_t bytes = u16(entry, 0x40);
        // The library converts that many bytes from its directory buffer.
        if (bytes > 64)
            throw Damaged{"a directory entry's name is longer than its field"};
        std::string name;
        for (std::size_t at = 0; at + 1 < bytes; at += 2) {
            const std::uint16_t unit = u16(entry, at);
            if (unit == 0)
                break;
            name.push_back(unit < 0x80 ? char(unit) : '?');
        }
        return name;
    }

    std::string_view m_file;
    std::size_t m_sectorSize;
    std::uint32_t m_miniCutoff = 0;
    std::vector<std::uint32_t> m_fat;
};

struct Record {
    std::uint16_t type = 0;
    std::string_view data;
    std::size_t offset = 0; // in its stream, for the message
};

// The records of a stream, as far as the library reads them.
class RecordStream {
public:
    explicit RecordStream(std::string_view stream)
        : m_stream(stream)
    {
    }

    std::optional<Record> next()
    {
        if (m_stream.size() - m_at < 4)
            return std::nullopt;
        const std::uint16_t type = u16(m_stream, m_at);
        const std::uint16_t size = u16(m_stream, m_at + 2);
        // A zero record ends the stream; a larger one than the buffer, or one cut off by
        // the stream's end, makes the library stop (or fail) before it reads it.
        if ((type == 0 && size == 0) || size > kRecordBuffer || size > m_stream.size() - m_at - 4)
            return std::nullopt;
        const Record record{type, m_stream.substr(m_at + 4, size), m_at};
        m_at += 4 + std::size_t(size);
        return record;
    }

private:
    std::string_view m_stream;
    std::size_t m_at = 0;
};

enum class Biff { V2, V3, V4, V5, V8 };

std::string tooShort(const Record& record, std::size_t needed)
{
    char type[8];
    std::snprintf(type, sizeof type, "0x%04X", unsigned(record.type));
    return "record " + std::string(type) + " at byte " + std::to_string(record.offset) + " holds "
        + std::to_string(record.data.size()) + " bytes where " + std::to_string(needed)
        + " are needed";
}

// Bytes of a text of length characters from `at`, as the library reads it: in version 8 a
// flags byte (two bytes per character when bit 0 is set; rich-text and phonetic fields
// announced by bits 3 and 2 come before the characters), in earlier versions one byte per
// character.
std::optional<std::size_t> textEnd(std::string_view data, std::size_t at, std::size_t length, Biff biff)
{
    if (biff != Biff::V8)
        return at + length;
    if (at >= data.size())
        return std::nullopt;
    const std::uint8_t flags = std::uint8_t(data[at]);
    const std::size_t fields = (flags & 0x08 ? 2 : 0) + (flags & 0x04 ? 4 : 0);
    return at + 1 + fields + length * (flags & 0x01 ? 2 : 1);
}

std::string checkText(const Record& record, std::size_t at, std::size_t length, Biff biff)
{
    const std::optional<std::size_t> end = textEnd(record.data, at, length, biff);
    const std::size_t needed = end ? *end : at + 1;
    return needed > record.data.size() ? tooShort(record, needed) : std::string();
}

// The shared string table, read the way the library reads it: a text cut at a record's end
// goes on in the next record after a new flags byte, and must end there; what follows a
// text's characters may run on into the next record, but a text's header never does.
class SharedStrings {
public:
    std::string read(const Record& record)
    {
        std::size_t at = 0;
        if (!m_started) {
            if (record.data.size() < 8)
                return tooShort(record, 8);
            m_count = u32(record.data, 4);
            m_started = true;
            at = 8;
        } else if (m_pendingCharacters > 0) {
            if (record.data.empty())
                return tooShort(record, 1);
            const std::size_t end = 1 + m_pendingCharacters * (record.data[0] & 0x01 ? 2 : 1);
            if (end > record.data.size())
                return tooShort(record, end);
            // What follows the text's characters is skipped in this record only.
            at = end + m_pendingSkip;
            m_skip = 0;
            m_pendingCharacters = 0;
            ++m_index;
        }
        for (; m_index < m_count && m_count <= kMaxSharedStrings; ++m_index) {
            if (at >= record.data.size())
                return {};
            at += m_skip;
            if (at + 3 > record.data.size())
                return tooShort(record, at + 3);
            const std::size_t length = u16(record.data, at);
            const std::uint8_t flags = std::uint8_t(record.data[at + 2]);
            const std::size_t header = 3 + (flags & 0x08 ? 2 : 0) + (flags & 0x04 ? 4 : 0);
            if (at + header > record.data.size())
                return tooShort(record, at + header);
            m_skip = 0;
            std::uint64_t skip = 0;
            std::size_t field = at + 3;
            if (flags & 0x08) {
                skip += 4 * std::uint64_t(u16(record.data, field));
                field += 2;
            }
            if (flags & 0x04)
                skip += u32(record.data, field);
            at += header;
            const std::size_t width = flags & 0x01 ? 2 : 1;
            const std::size_t available = record.data.size() - at;
            if (length * width > available) {
                m_pendingCharacters = length - (width == 1 ? available : available / 2);
                m_pendingSkip = skip;
                return {};
            }
            const std::uint64_t end = at + length * width + skip;
            m_skip = end > record.data.size() ? end - record.data.size() : 0;
            at = std::size_t(std::min<std::uint64_t>(end, record.data.size()));
        }
        return {};
    }

private:
    bool m_started = false;
    std::uint32_t m_count = 0;
    std::uint32_t m_index = 0;
    std::uint64_t m_skip = 0; // bytes of the previous text that lie in this record
    std::size_t m_pendingCharacters = 0;
    std::uint64_t m_pendingSkip = 0;
};

// The bytes a record of version 5 or 8 must hold for what the library takes from it.
std::string checkRecord(const Record& record, Biff biff)
{
    const std::string_view data = record.data;
    const auto atLeast = [&](std::size_t needed) {
        return data.size() < needed ? tooShort(record, needed) : std::string();
    };
    switch (record.type) {
    case 0x0809: // BOF
        return atLeast(4);
    case 0x0042: // CODEPAGE
    case 0x0022: // DATEMODE
        return atLeast(2);
    case 0x0085: { // BOUNDSHEET: position, state, type, name
        if (data.size() < (biff == Biff::V8 ? 8 : 7))
            return tooShort(record, biff == Biff::V8 ? 8 : 7);
        // A sheet name has no rich-text fields; any flag makes it two bytes a character.
        const std::size_t length = std::uint8_t(data[6]);
        return atLeast(biff == Biff::V8 ? 8 + length * (data[7] ? 2 : 1) : 7 + length);
    }
    case 0x0200: // DIMENSION
        return atLeast(biff == Biff::V8 ? 12 : 8);
    case 0x041E: // FORMAT: index, name
        if (biff == Biff::V8)
            return data.size() < 4 ? tooShort(record, 4) : checkText(record, 4, u16(data, 2), biff);
        return data.size() < 3 ? tooShort(record, 3) : checkText(record, 3, std::uint8_t(data[2]), biff);
    case 0x00E0: // XF
        return atLeast(4);
    case 0x0201: // BLANK: row, column, format
        return atLeast(6);
    case 0x0203: // NUMBER
        return atLeast(14);
    case 0x0205: // BOOLERR
        return atLeast(8);
    case 0x027E: // RK
    case 0x00FD: // LABELSST
        return atLeast(10);
    case 0x00BD: // MULRK
        return atLeast(6);
    case 0x0204: // LABEL: row, column, format, text
        return data.size() < 8 ? tooShort(record, 8) : checkText(record, 8, u16(data, 6), biff);
    default:
        return {};
    }
}

std::string checkWorkbookStream(std::string_view stream)
{
    RecordStream records(stream);
    std::optional<Record> record = records.next();
    // The library reads only a stream that opens with a version 5 or 8 BOF.
    if (!record || record->type != 0x0809 || record->data.size() < 2)
        return {};
    const std::uint16_t version = u16(record->data, 0);
    if (version != 0x0500 && version != 0x0600)
        return {};
    const Biff biff = version == 0x0600 ? Biff::V8 : Biff::V5;
    SharedStrings strings;
    std::uint16_t previous = 0; // the last record that was no CONTINUE
    bool inSubstream = true;
    for (; record; record = records.next()) {
        std::string problem;
        if (record->type == 0x003C) { // CONTINUE
            if (previous == 0x00FC)
                problem = strings.read(*record);
        } else if (!inSubstream && record->type != 0x0809) {
            return {}; // the library stops at anything but a BOF after an EOF
        } else {
            previous = record->type;
            inSubstream = record->type != 0x000A;
            problem = record->type == 0x00FC ? strings.read(*record) : checkRecord(*record, biff);
        }
        if (!problem.empty())
            return problem;
    }
    return {};
}

// An old single-sheet workbook of version 2, 3 or 4: one record stream, no container.
std::string checkOldWorkbook(std::string_view file)
{
    RecordStream records(file);
    std::optional<Record> record = records.next();
    if (!record)
        return {};
    Biff biff;
    switch (record->type) {
    case 0x0009: biff = Biff::V2; break;
    case 0x0209: biff = Biff::V3; break;
    case 0x0409: biff = Biff::V4; break;
    default: return {};
    }
    const bool v2 = biff == Biff::V2;
    while ((record = records.next()) && record->type != 0x000A) {
        const std::string_view data = record->data;
        const auto atLeast = [&](std::size_t needed) {
            return data.size() < needed ? tooShort(*record, needed) : std::string();
        };
        std::string problem;
        switch (record->type) {
        case 0x0042: // CODEPAGE
        case 0x0022: // DATEMODE
            problem = atLeast(2);
            break;
        case 0x001E: // FORMAT of versions 2 and 3: length, name
            if (biff != Biff::V4)
                problem = data.empty() ? atLeast(1) : atLeast(1 + std::uint8_t(data[0]));
            break;
        case 0x041E: // FORMAT of version 4: index, length, name
            if (biff == Biff::V4)
                problem = data.size() < 3 ? atLeast(3) : atLeast(3 + std::uint8_t(data[2]));
            break;
        case 0x0043: // XF of version 2
            problem = v2 ? atLeast(3) : std::string();
            break;
        case 0x0243: // XF of version 3
        case 0x0443: // XF of version 4
            problem = atLeast(2);
            break;
        case 0x0000: // DIMENSION of version 2
        case 0x0200: // DIMENSION
            problem = atLeast(8);
            break;
        case 0x0001: // BLANK of version 2
            problem = v2 ? atLeast(7) : std::string();
            break;
        case 0x0002: // INTEGER of version 2
            problem = v2 ? atLeast(9) : std::string();
            break;
        case 0x0003: // NUMBER of version 2
            problem = v2 ? atLeast(15) : std::string();
            break;
        case 0x0005: // BOOLERR of version 2
            problem = v2 ? atLeast(8) : std::string();
            break;
        case 0x0004: // LABEL of version 2: row, column, format, length, text
            if (v2)
                problem = data.size() < 8 ? atLeast(8) : atLeast(8 + std::uint8_t(data[7]));
            break;
        case 0x0201: // BLANK
            problem = atLeast(6);
            break;
        case 0x0203: // NUMBER
            problem = atLeast(14);
            break;
        case 0x0205: // BOOLERR
            problem = atLeast(7);
            break;
        case 0x027E: // RK
            problem = atLeast(10);
            break;
        case 0x0204: // LABEL: row, column, format, length, text
            problem = data.size() < 8 ? atLeast(8) : atLeast(8 + std::size_t(u16(data, 6)));
            break;
        default:
            break;
        }
        if (!problem.empty())
            return problem;
    }
    return {};
}

} // namespace

std::string workbookRecordProblem(std::string_view file)
{
    if (file.size() < kHeaderSize || file.substr(0, kCompoundSignature.size()) != kCompoundSignature)
        return checkOldWorkbook(file);
    try {
        const std::string problem = checkWorkbookStream(Container(file).workbookStream());
        return problem.empty() ? problem : "the workbook stream's " + problem;
    } catch (const Damaged& damaged) {
        return "the compound document is damaged: " + damaged.why;
    }
}
