#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>

// The large parts of a workbook (worksheets, shared strings) are read with libxml2's SAX
// parser: it streams through tens of megabytes many times faster than a pull reader that
// builds a string per token.
namespace xlsx {

// The attributes of one start element, as libxml2 hands them over.
class SaxAttributes {
public:
    SaxAttributes(const unsigned char** attributes, int count)
        : m_attributes(attributes)
        , m_count(count)
    {
    }
    // The value of the attribute with this local name, whatever its prefix; empty if absent.
    std::string_view value(std::string_view localName) const;

private:
    const unsigned char** m_attributes;
    int m_count;
};

// Hands a part's bytes, piece by piece, to the function it is given, until the part ends
// or that function returns false; ZipArchive::stream is one.
using PartSource = std::function<void(const std::function<bool(QByteArrayView)>&)>;

// A part held in memory, handed out in pieces of the given size.
PartSource piecesOf(const QByteArray& part, qsizetype piece);

class SaxHandler;
void parseSax(const PartSource& source, SaxHandler& handler, const QString& workbook,
              const QString& partName);

class SaxHandler {
public:
    virtual ~SaxHandler() = default;
    virtual void startElement(std::string_view name, const SaxAttributes& attributes) = 0;
    virtual void endElement(std::string_view name) = 0;
    virtual void characters(std::string_view text) = 0;
    // The line the parser stands on, for messages.
    int line() const;

private:
    friend void parseSax(const PartSource&, SaxHandler&, const QString&, const QString&);
    void* m_parser = nullptr;
};

// Feeds the part through handler, as it comes from source or whole. A DataSourceError the
// handler or the source throws stops the parse and reaches the caller; XML that is not
// well-formed throws one naming part and line.
void parseSax(const QByteArray& part, SaxHandler& handler, const QString& workbook,
              const QString& partName);

} // namespace xlsx
