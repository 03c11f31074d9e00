#pragma once

#include "cutter/DxfLineReader.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

class QIODevice;

// The entities the importer understands, already in label coordinates (tenths of a
// millimetre, origin at the label's top-left corner, y downwards) and ready for the add
// operations of the document.
struct DxfLine {
    float startX = 0;
    float startY = 0;
    float endX = 0;
    float endY = 0;
};

// Angles in degrees counted counter-clockwise as seen on the label; the end angle is never
// smaller than the start angle.
struct DxfArc {
    float centerX = 0;
    float centerY = 0;
    float radius = 0;
    float startAngle = 0;
    float endAngle = 0;
};

// A circle or an axis-parallel ellipse, as the box that bounds it.
struct DxfEllipseBox {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

using DxfEntity = std::variant<DxfLine, DxfArc, DxfEllipseBox>;

// Where reading a drawing ended before its end, and why. The entities handed on before it
// stay with the caller.
struct DxfReadStop {
    qint64 line = 0; // the drawing's line (from 1) that ended reading; 0: refused as a whole
    QString reason;  // the operator's text, naming the line
};

// Reads the text form of a DXF drawing: the extents from the HEADER section and the
// LINE, ARC, CIRCLE and ELLIPSE entities of the ENTITIES section; everything else is
// skipped. The drawing's units are taken as millimetres. Its left extent becomes the
// label's left edge, its top extent the label's top edge.
//
// Structure is recognised by group code and value together: SECTION, ENDSEC, EOF and the
// entity names only as values of group 0, header variables only as values of group 9. A
// layer, block or text that happens to be called "LINE" or "ENDSEC" is just a name.
// Every entity starts from the DXF defaults (0 for coordinates, radius and angles, 1 for
// an ellipse's axis ratio), so a group missing from one entity never borrows another
// entity's value.
class DxfReader {
public:
    using EntitySink = std::function<void(const DxfEntity&)>;

    explicit DxfReader(QIODevice& device);

    // Hands every entity to the sink in file order. Reading stops at a value that is not a
    // number where a number is needed; a drawing that cannot be read at all (a binary DXF) or
    // a file that is no DXF drawing (no section) is refused as a whole. Nothing is returned
    // when the drawing was read to its end.
    std::optional<DxfReadStop> read(const EntitySink& sink);

    // Things the operator should know about a drawing that was read nonetheless.
    const QStringList& warnings() const { return m_warnings; }

private:
    struct Pair {
        QByteArrayView code;
        QByteArrayView value;
    };
    enum class EntityType { Line, Arc, Circle, Ellipse };

    bool readPair();
    bool isMarker(const char* value) const;
    void readHeader();
    void readEntities(const EntitySink& sink);
    void readEntity(EntityType type, const EntitySink& sink);
    float number(double scale) const;

    DxfLineReader m_lines;
    QIODevice& m_device;
    QByteArray m_code; // the code line must outlive the reading of its value line
    Pair m_pair;
    bool m_end = false;
    bool m_haveMinX = false;
    bool m_haveMaxY = false;
    float m_minX = 0;
    float m_maxY = 0;
    QStringList m_warnings;
};
