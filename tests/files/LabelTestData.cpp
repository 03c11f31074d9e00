#include "LabelTestData.h"

#include "files/LabelFormat.h"

#include <QFile>
#include <QRegularExpression>

#include <array>

namespace {

void assignSample(int& value, int seed)
{
    value = seed % 3 == 0 ? -(seed * 7) : seed * 11;
}
void assignSample(bool& value, int seed)
{
    value = seed % 2 == 0;
}
void assignSample(float& value, int seed)
{
    value = 1.1f * static_cast<float>(seed) + 0.01f;
}
void assignSample(double& value, int seed)
{
    value = seed + 0.125;
}
void assignSample(QString& value, int seed)
{
    value = QStringLiteral("批号 %1 & <x>").arg(seed);
}

constexpr std::array kKinds{
    ShapeKind::CutRect, ShapeKind::CutRoundRect, ShapeKind::CutCircle, ShapeKind::CutHalfCircle,
    ShapeKind::CutArc, ShapeKind::CutLine, ShapeKind::CutImage, ShapeKind::PrintRect,
    ShapeKind::PrintLine, ShapeKind::PrintString, ShapeKind::PrintBar, ShapeKind::PrintQRBar,
    ShapeKind::PrintDataMatrix, ShapeKind::PrintPdf417Bar, ShapeKind::PrintImage,
};

QRegularExpression elementPattern(const QByteArray& name)
{
    return QRegularExpression(QStringLiteral("<%1>([^<]*)</%1>|<%1/>").arg(QString::fromLatin1(name)));
}

} // namespace

LabelState everyKindLabel()
{
    LabelState state;
    int seed = 1;
    for (ShapeKind kind : kKinds) {
        Tshape shape = makeShape(kind);
        for (const ShapeField* field : shapeWriteOrder(kind)) {
            if (qstrcmp(field->name, "Type") != 0)
                visitField(*field, shape, [&](auto& value) { assignSample(value, seed++); });
        }
        state.document.objects.append(shape);
    }
    state.document.objects[10].beginStr = QStringLiteral(" (");
    state.document.objects[10].endStr = QString();
    return state;
}

void setDistinctSettings(LabelState& state)
{
    int seed = 1;
    for (const SettingField& field : settingFields()) {
        visitSetting(field, state.label, state.job, [&](auto& value) {
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, float>)
                value = 0.25f * static_cast<float>(seed);
            else if constexpr (std::is_same_v<Value, QString>)
                value = QStringLiteral("设置 %1").arg(seed);
            else
                value = seed * 3;
        });
        ++seed;
    }
    state.document.zoom = 1.5f;
}

QByteArray withoutElement(QByteArray bytes, const QByteArray& name, int occurrence)
{
    return withText(bytes, name, QByteArray(), occurrence);
}

QByteArray withText(QByteArray bytes, const QByteArray& name, const QByteArray& text, int occurrence)
{
    // Works on the Latin-1 view so that GBK bytes pass through untouched.
    QString view = QString::fromLatin1(bytes);
    const QRegularExpression pattern = elementPattern(name);
    int index = 0;
    qsizetype from = 0;
    QRegularExpressionMatch match;
    while ((match = pattern.match(view, from)).hasMatch()) {
        QString replacement = match.captured(0);
        if (occurrence < 0 || index == occurrence) {
            replacement = text.isNull() ? QString()
                                        : QStringLiteral("<%1>%2</%1>").arg(QString::fromLatin1(name),
                                                                            QString::fromLatin1(text));
            view.replace(match.capturedStart(), match.capturedLength(), replacement);
        }
        from = match.capturedStart() + replacement.size();
        ++index;
    }
    return view.toLatin1();
}

QStringList elementTexts(const QByteArray& bytes, const QByteArray& name)
{
    QStringList texts;
    auto it = elementPattern(name).globalMatch(QString::fromLatin1(bytes));
    while (it.hasNext())
        texts.append(it.next().captured(1));
    return texts;
}

QStringList childNames(const QByteArray& bytes, const QByteArray& parent, int occurrence)
{
    const QString view = QString::fromLatin1(bytes);
    const QString open = QStringLiteral("<%1>").arg(QString::fromLatin1(parent));
    qsizetype start = -1;
    for (int i = 0; i <= occurrence; ++i) {
        start = view.indexOf(open, start + 1);
        if (start < 0)
            return {};
    }
    start += open.size();
    const qsizetype end = view.indexOf(QStringLiteral("</%1>").arg(QString::fromLatin1(parent)), start);
    QStringList names;
    static const QRegularExpression tag(QStringLiteral("<([A-Za-z0-9]+)(?:/?)>"));
    auto it = tag.globalMatch(view.mid(start, end - start));
    while (it.hasNext())
        names.append(it.next().captured(1));
    return names;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

