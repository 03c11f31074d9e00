#pragma once

#include <QByteArray>
#include <QString>

#include <libxml/tree.h>

#include <memory>

// The XML layer of the label file, on libxml2. Label files declare GB2312 but hold GBK
// bytes (texts typed on the machine use characters GB2312 lacks), so GB2312 is read and
// written as GBK; characters GBK cannot hold are written as character references.
class XmlDocument {
public:
    // An empty document with an XML declaration of version "1.0".
    XmlDocument();

    // Parses a file's bytes without network access, external DTDs or external entities.
    // Raises FileError naming the source and the first error when the bytes are not
    // well-formed XML, or when they carry a document type declaration (a label file never
    // does; refusing it keeps entity tricks out).
    static XmlDocument parse(const QByteArray& bytes, const QString& sourceName);

    xmlNode* root() const;
    // Appends the root element, or a child element, and returns it.
    xmlNode* appendRoot(const char* name);
    static xmlNode* appendElement(xmlNode* parent, const char* name);
    // Appends an element holding text (characters XML 1.0 cannot hold are left out).
    static void appendTextElement(xmlNode* parent, const char* name, const QString& text);

    // The whole document encoded as GB2312 (GBK), without indentation.
    QByteArray toGb2312() const;

private:
    struct Free {
        void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
    };
    explicit XmlDocument(xmlDoc* doc);
    std::unique_ptr<xmlDoc, Free> m_doc;
};

// Walking elements: whitespace, comments and processing instructions between them are skipped.
const xmlNode* firstChildElement(const xmlNode* parent);
const xmlNode* nextSiblingElement(const xmlNode* node);
bool hasName(const xmlNode* element, const char* name);
// The text content of an element.
QString elementText(const xmlNode* element);
