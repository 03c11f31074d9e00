#include "data/XlsxSharedStrings.h"

#include "data/XlsxSax.h"

#include <string>

namespace xlsx {

namespace {

class SharedStringsParser : public SaxHandler {
public:
    void startElement(std::string_view name, const SaxAttributes&) override
    {
        if (name == "si") {
            m_text.clear();
        } else if (name == "rPh") {
            ++m_phoneticDepth;
        } else if (name == "t" && m_phoneticDepth == 0) {
            m_collecting = true;
        }
    }

    void endElement(std::string_view name) override
    {
        if (name == "si")
            strings.append(QString::fromUtf8(m_text.data(), qsizetype(m_text.size())));
        else if (name == "rPh")
            --m_phoneticDepth;
        else if (name == "t")
            m_collecting = false;
    }

    void characters(std::string_view text) override
    {
        if (m_collecting)
            m_text.append(text);
    }

    QStringList strings;

private:
    std::string m_text;
    int m_phoneticDepth = 0;
    bool m_collecting = false;
};

} // namespace

QStringList readSharedStrings(const PartSource& part, const QString& workbook,
                              const QString& partName)
{
    SharedStringsParser parser;
    parseSax(part, parser, workbook, partName);
    return std::move(parser.strings);
}

} // namespace xlsx
