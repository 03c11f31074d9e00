#include "printer/ObjectCommands.h"

#include "model/TextCodec.h"

#include <cstdlib>

namespace {

// The printer's code of a linear symbol type, its check-digit code, and whether it takes
// the narrow and wide widths (form 2) instead of one module width (form 1).
struct LinearType {
    const char* name;
    const char* code;
    const char* checkDigit;
    bool wideForm;
};

constexpr LinearType kLinearTypes[] = {
    {"CODE128(WITH AUTO CODE)", "9", "1", false},
    {"CODE128(WITHOUT AUTO CODE)", "A", "1", false},
    {"CODE93", "C", "1", false},
    {"EAN8", "0", "1", false},
    {"EAN13", "5", "3", false},
    {"EAN128", "N", "1", false},
    {"UPC-A", "K", "1", false},
    {"UPC-E", "6", "1", false},
    {"CODE39(STANDARD)", "3", "1", true},
    {"CODE39(FULL ASCII)", "B", "1", true},
    {"ITF25", "2", "1", true},
};

const LinearType* linearType(const QString& barType)
{
    const QString upper = barType.toUpper();
    for (const LinearType& type : kLinearTypes) {
        if (upper == QLatin1StringView(type.name))
            return &type;
    }
    return nullptr;
}

const char* qrLevel(int barLevel)
{
    static constexpr const char* levels[] = {"L", "M", "Q", "H"};
    return barLevel >= 0 && barLevel <= 3 ? levels[barLevel] : "";
}

QByteArray withData(const QString& fields, const QString& data)
{
    return gbk::encode(fields + data + QStringLiteral("|}"));
}

QByteArray linearCommand(const Tshape& bar, int index, QPoint at, int rotation, const QString& data)
{
    const LinearType* type = linearType(bar.barType);
    if (!type)
        return {};
    const char sign = bar.selfAdd >= 0 ? '+' : '-';
    const long long step = std::llabs(static_cast<long long>(bar.selfAdd));
    const int printedLine = bar.displayCode == 1 ? 1 : 0;
    if (!type->wideForm)
        return withData(QString::asprintf("{XB%02d;%04d,%04d,%s,%s,%02d,%d,%04d,%c%010lld,017,%d,00=", index,
                                          at.x(), at.y(), type->code, type->checkDigit, bar.barWidth, rotation,
                                          bar.barHeight, sign, step, printedLine),
                        data);
    return withData(QString::asprintf("{XB%02d;%04d,%04d,%s,1,%02d,%02d,%02d,%02d,%02d,%d,%04d,%c%010lld,%d,00=",
                                      index, at.x(), at.y(), type->code, bar.barWidth, bar.barWidth,
                                      bar.wideBarWidth, bar.wideBarWidth, bar.barWidth, rotation, bar.barHeight,
                                      sign, step, printedLine),
                    data);
}

} // namespace

QPoint LabelFrame::anchor(const Tshape& s) const
{
    switch (rotation) {
    case 1:
        return offset({width - s.printTop, s.printLeft});
    case 2:
        return offset({height - s.printLeft, width - s.printTop});
    case 3:
        return offset({s.printTop, width - s.printLeft});
    default:
        return offset({s.printLeft, s.printTop});
    }
}

QPoint LabelFrame::firstCorner(const Tshape& s) const
{
    switch (rotation) {
    case 1:
        return offset({width - s.printBottom, s.printLeft});
    case 2:
        return offset({height - s.printRight, width - s.printBottom});
    case 3:
        return offset({s.printTop, width - s.printRight});
    default:
        return offset({s.printLeft, s.printTop});
    }
}

QPoint LabelFrame::secondCorner(const Tshape& s) const
{
    switch (rotation) {
    case 1:
        return offset({width - s.printTop, s.printRight});
    case 2:
        return offset({height - s.printLeft, width - s.printTop});
    case 3:
        return offset({s.printBottom, width - s.printLeft});
    default:
        return offset({s.printRight, s.printBottom});
    }
}

std::optional<LinearSymbolType> linearTypeOfCode(QByteArrayView code)
{
    for (const LinearType& type : kLinearTypes) {
        if (code == type.code)
            return LinearSymbolType{QString::fromLatin1(type.name), type.wideForm};
    }
    return std::nullopt;
}

int symbolRotationCode(int direction, int labelRotation)
{
    switch (labelRotation) {
    case 1:
    case 2:
        return direction;
    case 3:
        return 3 - direction;
    default:
        return direction == 1 ? 3 : direction == 3 ? 1 : direction;
    }
}

int textRotation(int direction, int labelRotation)
{
    return ((direction + 4 - labelRotation) % 4 + 4) % 4;
}

QByteArray objectCommand(const Tshape& shape, int index, const LabelFrame& frame, const QString& data)
{
    const QPoint at = frame.anchor(shape);
    const QPoint a = frame.firstCorner(shape);
    const QPoint b = frame.secondCorner(shape);
    const int rotation = symbolRotationCode(shape.direction, frame.rotation);
    switch (shape.kind()) {
    case ShapeKind::PrintRect:
        if (shape.isSolid != 0)
            return QString::asprintf("{XR;%04d,%04d,%04d,%04d,B|}", a.x(), a.y(), b.x(), b.y()).toLatin1();
        return QString::asprintf("{LC;%04d,%04d,%04d,%04d,1,%1d,%03d|}", a.x(), a.y(), b.x(), b.y(),
                                 shape.printLineWidth, shape.printR)
            .toLatin1();
    case ShapeKind::PrintLine:
        return QString::asprintf("{LC;%04d,%04d,%04d,%04d,0,%1d|}", a.x(), a.y(), b.x(), b.y(), shape.lineWidth)
            .toLatin1();
    case ShapeKind::PrintBar:
        return linearCommand(shape, index, at, rotation, data);
    case ShapeKind::PrintQRBar:
        return withData(QString::asprintf("{XB%02d;%04d,%04d,T,%s,%02d,A,%d,M2=", index, at.x(), at.y(),
                                          qrLevel(shape.barLevel), shape.barWidth, rotation),
                        data);
    case ShapeKind::PrintDataMatrix:
        return withData(QString::asprintf("{XB%02d;%04d,%04d,Q,%02d,%02d,01,%d=", index, at.x(), at.y(), 20,
                                          shape.barWidth, rotation),
                        data);
    case ShapeKind::PrintPdf417Bar:
        return withData(QString::asprintf("{XB%02d;%04d,%04d,P,%02d,%02d,%02d,%d,%04d=", index, at.x(), at.y(),
                                          shape.barLevel, shape.barWidth, shape.barColumn, rotation,
                                          shape.barHeight),
                        data);
    default:
        return {};
    }
}
