#include "model/Tshape.h"

#include <QCoreApplication>

#include <array>

namespace {

struct KindEntry {
    ShapeKind kind;
    const char* type;
    const char* listText; // shown in the object list, translated there
};

constexpr std::array<KindEntry, 15> kKinds{{
    {ShapeKind::CutRect, "cutRect", QT_TRANSLATE_NOOP("ObjectList", "雕刻矩形")},
    {ShapeKind::CutRoundRect, "cutRoundRect", QT_TRANSLATE_NOOP("ObjectList", "雕刻矩形")},
    {ShapeKind::CutCircle, "cutCircle", QT_TRANSLATE_NOOP("ObjectList", "雕刻圆形")},
    {ShapeKind::CutHalfCircle, "cutHalfCircle", QT_TRANSLATE_NOOP("ObjectList", "雕刻半圆形")},
    {ShapeKind::CutArc, "cutArc", QT_TRANSLATE_NOOP("ObjectList", "雕刻弧形")},
    {ShapeKind::CutLine, "cutLine", QT_TRANSLATE_NOOP("ObjectList", "雕刻直线")},
    {ShapeKind::CutImage, "cutImage", QT_TRANSLATE_NOOP("ObjectList", "雕刻异形")},
    {ShapeKind::PrintRect, "printRect", QT_TRANSLATE_NOOP("ObjectList", "打印矩形")},
    {ShapeKind::PrintLine, "printLine", QT_TRANSLATE_NOOP("ObjectList", "打印直线")},
    {ShapeKind::PrintString, "printString", QT_TRANSLATE_NOOP("ObjectList", "字符 ")},
    {ShapeKind::PrintBar, "printBar", QT_TRANSLATE_NOOP("ObjectList", "打印条码")},
    {ShapeKind::PrintQRBar, "printQRBar", QT_TRANSLATE_NOOP("ObjectList", "打印QR二维码")},
    {ShapeKind::PrintDataMatrix, "printDataMatrix", QT_TRANSLATE_NOOP("ObjectList", "打印DM二维码")},
    {ShapeKind::PrintPdf417Bar, "printPdf417Bar", QT_TRANSLATE_NOOP("ObjectList", "打印PDF417二维码")},
    {ShapeKind::PrintImage, "printImage", QT_TRANSLATE_NOOP("ObjectList", "打印图形")},
}};

const KindEntry* entryOf(ShapeKind kind)
{
    for (const KindEntry& entry : kKinds) {
        if (entry.kind == kind)
            return &entry;
    }
    return nullptr;
}

} // namespace

ShapeKind shapeKindOf(const QString& type)
{
    for (const KindEntry& entry : kKinds) {
        if (type == QLatin1StringView(entry.type))
            return entry.kind;
    }
    return ShapeKind::None;
}

QString typeName(ShapeKind kind)
{
    const KindEntry* entry = entryOf(kind);
    return entry ? QString::fromLatin1(entry->type) : QString();
}

ShapeKind Tshape::kind() const
{
    return shapeKindOf(Type);
}

bool Tshape::isCut() const
{
    return Type.startsWith(QLatin1StringView("cut"));
}

bool Tshape::isAnchored() const
{
    switch (kind()) {
    case ShapeKind::PrintString:
    case ShapeKind::PrintBar:
    case ShapeKind::PrintQRBar:
    case ShapeKind::PrintDataMatrix:
    case ShapeKind::PrintPdf417Bar:
        return true;
    default:
        return false;
    }
}

Tshape makeShape(ShapeKind kind)
{
    Tshape shape;
    shape.Type = typeName(kind);
    return shape;
}

QString objectListText(const Tshape& shape)
{
    const KindEntry* entry = entryOf(shape.kind());
    if (!entry)
        return QString();
    QString text = QCoreApplication::translate("ObjectList", entry->listText);
    if (entry->kind == ShapeKind::PrintString)
        text += shape.str;
    return text;
}
