#include "data/XlsxSax.h"

#include "data/DataSourceError.h"
#include "data/DataText.h"
#include "data/XlsxXml.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>

#include <algorithm>
#include <exception>
#include <memory>

namespace xlsx {

namespace {

struct ParseState {
    SaxHandler* handler;
    xmlParserCtxtPtr parser = nullptr;
    std::exception_ptr failure;
};

std::string_view view(const xmlChar* text)
{
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

// Exceptions must not cross libxml2's C frames: the first one stops the parser and is
// rethrown once the parser has returned.
template<typename Call>
void guarded(void* context, Call call)
{
    auto* state = static_cast<ParseState*>(context);
    if (state->failure)
        return;
    try {
        call(*state->handler);
    } catch (...) {
        state->failure = std::current_exception();
        xmlStopParser(state->parser);
    }
}

void onStartElement(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*, int,
                    const xmlChar**, int attributeCount, int, const xmlChar** attributes)
{
    guarded(context, [&](SaxHandler& handler) {
        handler.startElement(view(localName), SaxAttributes(attributes, attributeCount));
    });
}

void onEndElement(void* context, const xmlChar* localName, const xmlChar*, const xmlChar*)
{
    guarded(context, [&](SaxHandler& handler) { handler.endElement(view(localName)); });
}

void onCharacters(void* context, const xmlChar* text, int length)
{
    guarded(context, [&](SaxHandler& handler) {
        handler.characters(std::string_view(reinterpret_cast<const char*>(text), size_t(length)));
    });
}

// Errors are collected from the parser context after the parse, never printed.
void ignoreError(void*, xmlErrorPtr) {}

} // namespace

std::string_view SaxAttributes::value(std::string_view localName) const
{
    // Five pointers per attribute: local name, prefix, URI, value begin, value end.
    for (int i = 0; i < m_count; ++i) {
        const xmlChar* const* attribute = m_attributes + 5 * i;
        if (view(attribute[0]) == localName)
            return std::string_view(reinterpret_cast<const char*>(attribute[3]),
                                    size_t(attribute[4] - attribute[3]));
    }
    return {};
}

int SaxHandler::line() const
{
    return m_parser ? xmlSAX2GetLineNumber(m_parser) : 0;
}

void parseSax(const PartSource& source, SaxHandler& handler, const QString& workbook,
              const QString& partName)
{
    xmlSAXHandler sax{};
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = onStartElement;
    sax.endElementNs = onEndElement;
    sax.characters = onCharacters;
    sax.cdataBlock = onCharacters;
    sax.serror = ignoreError;

    ParseState state{&handler, nullptr, nullptr};
    state.parser = xmlCreatePushParserCtxt(&sax, &state, nullptr, 0, nullptr);
    if (!state.parser)
        throw DataSourceError(DataText::tr("内存不足，无法读取工作簿“%1”。").arg(workbook));
    // The parser goes with this call, also when the source throws.
    const std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxtPtr)> owner(state.parser,
                                                                          xmlFreeParserCtxt);
    const std::unique_ptr<SaxHandler, void (*)(SaxHandler*)> attached(
        &handler, [](SaxHandler* detached) { detached->m_parser = nullptr; });
    // No network, no external entities, no entity substitution: a workbook part is data.
    xmlCtxtUseOptions(state.parser, XML_PARSE_NONET);
    handler.m_parser = state.parser;

    int result = 0;
    source([&](QByteArrayView chunk) {
        result = xmlParseChunk(state.parser, chunk.data(), int(chunk.size()), 0);
        return result == 0 && !state.failure;
    });
    if (result == 0 && !state.failure)
        result = xmlParseChunk(state.parser, nullptr, 0, 1);

    if (state.failure)
        std::rethrow_exception(state.failure);
    const xmlError* error = xmlCtxtGetLastError(state.parser);
    if (result != 0 || !state.parser->wellFormed)
        throwDamaged(workbook, partName, error ? error->line : 0,
                     error && error->message ? QString::fromUtf8(error->message).trimmed()
                                             : DataText::tr("XML 格式错误"));
}

PartSource piecesOf(const QByteArray& part, qsizetype piece)
{
    return [part, piece](const std::function<bool(QByteArrayView)>& sink) {
        for (qsizetype at = 0; at < part.size(); at += piece) {
            if (!sink(QByteArrayView(part).sliced(at, std::min(piece, part.size() - at))))
                return;
        }
    };
}

void parseSax(const QByteArray& part, SaxHandler& handler, const QString& workbook,
              const QString& partName)
{
    parseSax(piecesOf(part, qsizetype(1) << 20), handler, workbook, partName);
}

} // namespace xlsx
