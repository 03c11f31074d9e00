#include "cutter/DxfImport.h"

#include "cutter/CutterText.h"
#include "cutter/DxfReader.h"

#include <QFile>

namespace {

// More objects than any label can use; a drawing beyond it is refused before it can
// exhaust the memory.
constexpr qsizetype kMaxEntities = 100000;

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

// Appends each entity through the document's own add operations, but run on a scratch
// document: every add deselects the whole object list, which over a drawing of thousands
// of entities would make the import quadratic. The result is the same: the document is
// deselected once and only the newest imported object stays selected.
class EntityAppender {
public:
    explicit EntityAppender(Tobject& document)
        : m_document(document)
    {
        m_scratch.dpi = document.dpi;
        m_scratch.zoom = document.zoom;
    }

    void append(const DxfEntity& entity)
    {
        m_scratch.objects.clear();
        std::visit(Overloaded{
                       [this](const DxfLine& line) {
                           m_scratch.AddCutLine(line.startX, line.startY, line.endX, line.endY,
                                                1, 1, 0);
                       },
                       [this](const DxfArc& arc) {
                           m_scratch.AddCutArc(arc.centerX, arc.centerY, arc.radius,
                                               arc.startAngle, arc.endAngle, 1, 1, 0);
                       },
                       [this](const DxfEllipseBox& box) {
                           m_scratch.AddCutCircles(box.left, box.top, box.right, box.bottom, 1,
                                                   1, 0, 0);
                       },
                   },
                   entity);
        if (m_added == 0)
            m_document.SelectAll(false);
        else
            m_document.objects.last().Selected = false;
        for (Tshape& shape : m_scratch.objects)
            m_document.objects.append(std::move(shape));
        m_document.modified = true;
        ++m_added;
    }

private:
    Tobject& m_document;
    Tobject m_scratch;
    int m_added = 0;
};

// Entities are collected first and added together, so the object list grows once; a
// drawing's objects are large and growing the list step by step would move them again and
// again.
void addEntities(Tobject& document, const QList<DxfEntity>& entities)
{
    if (entities.isEmpty())
        return;
    document.TakeSnapshot();
    document.objects.reserve(document.objects.size() + entities.size());
    EntityAppender appender(document);
    for (const DxfEntity& entity : entities)
        appender.append(entity);
}

} // namespace

DxfImportResult importDxf(Tobject& document, QIODevice& device)
{
    DxfImportResult result;
    DxfReader reader(device);
    QList<DxfEntity> entities;
    bool tooMany = false;
    const std::optional<DxfReadStop> stop = reader.read([&](const DxfEntity& entity) {
        if (entities.size() < kMaxEntities)
            entities.append(entity);
        else
            tooMany = true;
    });
    if (tooMany) {
        result.error = CutterText::tr("DXF文件中的图元超过%1个，无法导入。").arg(kMaxEntities);
        return result;
    }
    addEntities(document, entities);
    result.added = static_cast<int>(entities.size());
    result.warnings = reader.warnings();
    if (stop) {
        result.error = stop->reason;
        if (stop->line > 0)
            result.stop = stop;
    } else if (entities.isEmpty()) {
        result.warnings.append(CutterText::tr("DXF文件中没有可导入的直线、圆弧、圆或椭圆。"));
    }
    return result;
}

DxfImportResult importDxf(Tobject& document, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        DxfImportResult result;
        result.error = CutterText::tr("无法打开DXF文件“%1”：%2").arg(fileName, file.errorString());
        return result;
    }
    return importDxf(document, file);
}

DxfLabel importDxfLabel(const QString& fileName, int width, int height)
{
    DxfLabel label;
    label.document.Reset(width, height, label.document.dpi, label.document.zoom);
    label.result = importDxf(label.document, fileName);
    return label;
}
