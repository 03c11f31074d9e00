#include "files/FileError.h"

#include "files/FileText.h"
#include "files/LabelFile.h"
#include "files/LabelFormat.h"
#include "files/LabelSetup.h"
#include "files/RecentFiles.h"
#include "files/XmlDocument.h"
#include "model/ConversionError.h"
#include "model/MessageService.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

// A label file of 5,000 objects is a few megabytes; anything far beyond is not a label.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

// The child elements of one element, looked up by name: the first element of that name
// counts. Files list them in the order the program writes them, so each search starts after
// the element found last; an element whose name occurred before stands for that first one.
class Children {
public:
    Children(const xmlNode* parent, bool namesInterned)
    {
        for (const xmlNode* child = firstChildElement(parent); child; child = nextSiblingElement(child)) {
            std::size_t first = m_elements.size();
            for (std::size_t i = 0; i < m_elements.size(); ++i) {
                // Parsed names are interned, so equal names share one pointer.
                const xmlChar* earlier = m_elements[i]->name;
                if (earlier == child->name || (!namesInterned && xmlStrEqual(earlier, child->name))) {
                    first = i;
                    break;
                }
            }
            m_elements.push_back(child);
            m_first.push_back(first);
        }
    }

    const xmlNode* find(const char* name)
    {
        const std::size_t count = m_elements.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = (m_next + i) % count;
            if (hasName(m_elements[at], name)) {
                m_next = at + 1;
                return m_elements[m_first[at]];
            }
        }
        return nullptr;
    }

private:
    std::vector<const xmlNode*> m_elements;
    std::vector<std::size_t> m_first;
    std::size_t m_next = 0;
};

// A step that ended reading: the element and why.
struct StepFailure {
    QString field;
    QString reason;
    QString text;
};

// Reads the steps of a plan (fieldsOf picks the settings or the record fields of a step);
// read(field, text) stores one value and may raise ConversionError. Returns the failure that
// ended the plan, if any.
template <typename Field, typename Read>
std::optional<StepFailure> readSteps(const QList<ReadStep>& plan,
                                     QList<const Field*> ReadStep::*fieldsOf, Children& children,
                                     Read read)
{
    for (const ReadStep& step : plan) {
        const QList<const Field*>& fields = step.*fieldsOf;
        for (const Field* field : fields) {
            const xmlNode* element = children.find(field->name);
            if (!element && (step.need == ReadNeed::IfPresent || step.need == ReadNeed::IfPresentLenient))
                continue;
            // A missing element reads as an empty text: fine for texts, an error for numbers.
            const QString text = element ? elementText(element) : QString();
            try {
                read(*field, text);
            } catch (const ConversionError& error) {
                if (step.need == ReadNeed::IfPresentLenient)
                    continue;
                if (step.need != ReadNeed::Group)
                    return StepFailure{QString::fromLatin1(field->name),
                                       element ? error.message() : QStringLiteral("missing"), text};
                for (qsizetype d = 0; d < step.defaults.size() && d < fields.size(); ++d)
                    read(*fields[d], step.defaults[d]);
                break;
            }
        }
    }
    return std::nullopt;
}

// The view divides by its zoom: a zoom of zero or below cannot be shown, so it counts as a
// malformed value.
void checkZoom(const SettingField& field, const QString& text)
{
    float zoom = 0;
    parseValue(text, field.form, zoom);
    if (!(zoom > 0))
        throw ConversionError(FileText::tr("“%1”不是可用的缩放比例").arg(text));
}

// A label file's root is "Object". Files whose root the program never wrote under that name
// still count when they hold what only a label holds: the "Label" settings first, or an
// object element. Anything else (a web page, another program's XML) is no label, and
// reading it as an empty one would let a save overwrite it with one.
bool isLabelRoot(const xmlNode* root, const xmlNode* first)
{
    if (hasName(root, "Object") || (first && hasName(first, "Label")))
        return true;
    for (const xmlNode* element = first; element; element = nextSiblingElement(element)) {
        if (shapeKindOf(QString::fromUtf8(reinterpret_cast<const char*>(element->name))) != ShapeKind::None)
            return true;
    }
    return false;
}

} // namespace

QString LabelReadStop::describe() const
{
    const QString what = reason == u"missing" ? FileText::tr("缺少“%1”").arg(field)
                                              : FileText::tr("“%1”：%2").arg(field, reason);
    if (object == 0)
        return FileText::tr("设置只读到：%1").arg(what);
    return FileText::tr("读到第 %1 个对象（%2）时停止：%3；它和它后面的对象都没有读入")
        .arg(object)
        .arg(element, what);
}

LabelLoadResult readLabel(const QByteArray& bytes, const QString& sourceName, const LabelTarget& target)
{
    const XmlDocument xml = XmlDocument::parse(bytes, sourceName);
    const xmlNode* root = xml.root();
    const bool interned = root && root->doc->dict != nullptr;
    const xmlNode* first = firstChildElement(root);
    if (root && !isLabelRoot(root, first))
        throw FileError(FileText::tr("%1: 不是标签文件").arg(sourceName));
    if (!first)
        throw FileError(FileText::tr("%1: 根元素中没有标签").arg(sourceName));

    LabelLoadResult result;
    LabelSettings& label = target.label;
    label.Zoom = target.document.zoom;
    if (hasName(first, "Label")) {
        Children children(first, interned);
        const auto failure = readSteps<SettingField>(
            settingsReadPlan(), &ReadStep::settings, children,
            [&](const SettingField& field, const QString& text) {
                if (qstrcmp(field.name, "Zoom") == 0)
                    checkZoom(field, text);
                parseSetting(field, text, label, target.job);
            });
        if (failure) {
            result.settingsComplete = false;
            result.settingsStop = {0, QStringLiteral("Label"), failure->field, failure->reason, failure->text};
        } else {
            target.document.labelLock = label.labelLock;
        }
    }
    SetUpLabel(target.document, label, label.Width, label.Height, label.Zoom);

    int position = 0;
    for (const xmlNode* element = first; element; element = nextSiblingElement(element)) {
        const ShapeKind kind = shapeKindOf(QString::fromUtf8(reinterpret_cast<const char*>(element->name)));
        if (kind == ShapeKind::None)
            continue;
        ++position;
        Tshape shape = freshShapeWithDialogValues(kind);
        Children children(element, interned);
        const auto failure = readSteps<ShapeField>(
            shapeReadPlan(kind), &ReadStep::fields, children,
            [&](const ShapeField& field, const QString& text) { parseField(field, text, shape); });
        if (failure) {
            result.complete = false;
            result.objectStop = {position, shape.Type, failure->field, failure->reason, failure->text};
            break;
        }
        target.document.objects.append(std::move(shape));
    }
    // The first object of a label just opened is framed as the current one.
    if (!target.document.objects.isEmpty())
        target.document.current = 0;
    return result;
}

LabelLoadResult LoadLabel(const QString& path, const LabelTarget& target, RecentFiles* recentFiles)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        showMessage(hintCaption(), FileText::tr("文件不存在！"), MessageIcon::Warning);
        LabelLoadResult missing;
        missing.fileFound = false;
        return missing;
    }
    QString recentFilesError;
    if (recentFiles) {
        try {
            recentFiles->add(info.absoluteFilePath());
        } catch (const FileError& error) {
            recentFilesError = error.message();
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(FileText::tr("无法打开 %1：%2").arg(path, file.errorString()));
    if (file.size() > kMaxFileSize)
        throw FileError(FileText::tr("%1: %2 字节，太大，不是标签文件").arg(path).arg(file.size()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileError(FileText::tr("无法读取 %1：%2").arg(path, file.errorString()));
    LabelLoadResult result = readLabel(bytes, path, target);
    result.recentFilesError = recentFilesError;
    return result;
}
