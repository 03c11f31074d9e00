#include "files/XmlDocument.h"

#include "files/FileError.h"
#include "files/FileText.h"

#include <libxml/encoding.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <limits>
#include <mutex>

namespace {

// libxml2 reports some errors (encoding failures) on stderr besides the parser context;
// ours go to the operator as one message instead.
void ignoreXmlMessage(void*, const char*, ...) {}

void installGbkAlias()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetGenericErrorFunc(nullptr, ignoreXmlMessage);
        // GB2312 is a subset of GBK: reading and writing it as GBK accepts every file from
        // the field and writes every character those files can hold.
        xmlAddEncodingAlias("GBK", "GB2312");
    });
}

bool isXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// UTF-8 of text without the characters XML 1.0 cannot carry (control characters, stray
// surrogates): written as they are, they would make the whole file unreadable.
QByteArray xmlSafeUtf8(const QString& text)
{
    bool clean = true;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() >= 0xFFFE) {
            clean = false;
            break;
        }
    }
    if (clean)
        return text.toUtf8();
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += text.at(++i);
        } else if (!c.isSurrogate() && isXmlChar(c.unicode())) {
            kept += c;
        }
    }
    return kept.toUtf8();
}

} // namespace

XmlDocument::XmlDocument()
    : XmlDocument(nullptr)
{
    m_doc.reset(xmlNewDoc(BAD_CAST "1.0"));
}

XmlDocument::XmlDocument(xmlDoc* doc)
    : m_doc(doc)
{
    installGbkAlias();
}

XmlDocument XmlDocument::parse(const QByteArray& bytes, const QString& sourceName)
{
    installGbkAlias();
    if (bytes.size() > std::numeric_limits<int>::max())
        throw FileError(FileText::tr("%1: 文件太大，不是标签文件").arg(sourceName));
    std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> context(xmlNewParserCtxt(),
                                                                         &xmlFreeParserCtxt);
    if (!context)
        throw FileError(FileText::tr("%1: 内存不足").arg(sourceName));
    // No XML_PARSE_NOENT, DTDLOAD or HUGE: entities stay unexpanded, nothing is fetched, and
    // libxml2 keeps its limits on depth, text size and entity amplification.
    constexpr int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    xmlDoc* doc = xmlCtxtReadMemory(context.get(), bytes.constData(), static_cast<int>(bytes.size()),
                                    nullptr, nullptr, options);
    XmlDocument result(doc);
    if (!doc || !context->wellFormed) {
        const xmlError* error = xmlCtxtGetLastError(context.get());
        QString reason = error && error->message ? QString::fromUtf8(error->message).trimmed()
                                                 : FileText::tr("XML 格式错误");
        const int line = error ? error->line : 0;
        throw FileError(FileText::tr("%1: 不是可读的 XML 文件（第 %2 行：%3）")
                            .arg(sourceName)
                            .arg(line)
                            .arg(reason));
    }
    if (doc->intSubset || doc->extSubset)
        throw FileError(FileText::tr("%1: 含有文档类型声明，标签文件从不含有")
                            .arg(sourceName));
    return result;
}

xmlNode* XmlDocument::root() const
{
    return xmlDocGetRootElement(m_doc.get());
}

xmlNode* XmlDocument::appendRoot(const char* name)
{
    xmlNode* node = xmlNewDocNode(m_doc.get(), nullptr, BAD_CAST name, nullptr);
    xmlDocSetRootElement(m_doc.get(), node);
    return node;
}

xmlNode* XmlDocument::appendElement(xmlNode* parent, const char* name)
{
    return xmlNewChild(parent, nullptr, BAD_CAST name, nullptr);
}

void XmlDocument::appendTextElement(xmlNode* parent, const char* name, const QString& text)
{
    // xmlNewTextChild stores the text as it is; escaping happens when the document is written.
    xmlNewTextChild(parent, nullptr, BAD_CAST name, BAD_CAST xmlSafeUtf8(text).constData());
}

QByteArray XmlDocument::toGb2312() const
{
    xmlChar* memory = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc.get(), &memory, &size, "GB2312", 0);
    if (!memory)
        throw FileError(FileText::tr("标签无法按 GB2312 编码"));
    QByteArray bytes(reinterpret_cast<const char*>(memory), size);
    xmlFree(memory);
    return bytes;
}

const xmlNode* firstChildElement(const xmlNode* parent)
{
    const xmlNode* node = parent ? parent->children : nullptr;
    while (node && node->type != XML_ELEMENT_NODE)
        node = node->next;
    return node;
}

const xmlNode* nextSiblingElement(const xmlNode* node)
{
    node = node->next;
    while (node && node->type != XML_ELEMENT_NODE)
        node = node->next;
    return node;
}

bool hasName(const xmlNode* element, const char* name)
{
    return xmlStrEqual(element->name, BAD_CAST name);
}

QString elementText(const xmlNode* element)
{
    const xmlNode* child = element->children;
    if (!child)
        return QString();
    if (!child->next && child->type == XML_TEXT_NODE)
        return QString::fromUtf8(reinterpret_cast<const char*>(child->content));
    xmlChar* content = xmlNodeGetContent(element);
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}
