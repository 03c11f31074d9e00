#include "files/FileError.h"

#include "files/FileText.h"
#include "files/LabelFile.h"
#include "files/LabelFormat.h"
#include "files/XmlDocument.h"

#include <QSaveFile>

QByteArray labelFileBytes(const Tobject& document, const LabelSettings& label, const JobSettings& job)
{
    XmlDocument xml;
    xmlNode* root = xml.appendRoot("Object");
    xmlNode* settings = XmlDocument::appendElement(root, "Label");
    LabelSettings saved = label;
    saved.Zoom = document.zoom;
    for (const SettingField& field : settingFields())
        XmlDocument::appendTextElement(settings, field.name, formatSetting(field, saved, job));
    for (const Tshape& shape : document.objects) {
        if (!shape.isKnownKind())
            continue;
        xmlNode* element = XmlDocument::appendElement(root, shape.Type.toLatin1().constData());
        for (const ShapeField* field : shapeWriteOrder(shape.kind()))
            XmlDocument::appendTextElement(element, field->name, formatField(*field, shape));
    }
    return xml.toGb2312();
}

void SaveLabel(const QString& path, Tobject& document, const LabelSettings& label, const JobSettings& job)
{
    const QByteArray bytes = labelFileBytes(document, label, job);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw FileError(FileText::tr("无法把标签保存到 %1：%2").arg(path, file.errorString()));
    document.modified = false;
}
