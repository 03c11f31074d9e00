#include "files/LabelFormat.h"

#include <QHash>

#include <array>
#include <stdexcept>
#include <type_traits>

namespace {

template <typename Owner, typename Value>
constexpr ValueForm naturalForm(Value Owner::*)
{
    if constexpr (std::is_same_v<Value, bool>)
        return ValueForm::Boolean;
    else if constexpr (std::is_same_v<Value, int>)
        return ValueForm::Integer;
    else if constexpr (std::is_same_v<Value, QString>)
        return ValueForm::Text;
    else if constexpr (std::is_same_v<Owner, Tshape>)
        return ValueForm::Real;
    else
        return ValueForm::ShortReal; // the settings' reals: the zoom and the pulse factors
}

template <typename Member>
SettingField setting(const char* name, Member member)
{
    return {name, member, naturalForm(member)};
}

// Written as an integer, but read as a decimal number and truncated.
SettingField truncatedSetting(const char* name, int JobSettings::*member)
{
    return {name, member, ValueForm::TruncatedInteger};
}

template <typename Member>
ShapeField field(const char* name, Member member)
{
    return {name, member, naturalForm(member)};
}

using L = LabelSettings;
using J = JobSettings;
using S = Tshape;

const QList<ShapeField>& shapeFields()
{
    static const QList<ShapeField> fields{
        field("name", &S::name), field("Left", &S::Left), field("Top", &S::Top),
        field("Right", &S::Right), field("Bottom", &S::Bottom), field("printLeft", &S::printLeft),
        field("printTop", &S::printTop), field("printRight", &S::printRight),
        field("printBottom", &S::printBottom), field("Selected", &S::Selected),
        field("Stretch", &S::Stretch), field("Type", &S::Type), field("ifPrint", &S::ifPrint),
        field("R", &S::R), field("printR", &S::printR), field("direction", &S::direction),
        field("gapPos", &S::gapPos), field("gapDistance", &S::gapDistance),
        field("gapLenth", &S::gapLenth), field("gapOffset", &S::gapOffset),
        field("delayms", &S::delayms), field("CenterX", &S::CenterX), field("CenterY", &S::CenterY),
        field("Radiu", &S::Radiu), field("SAngle", &S::SAngle), field("EAngle", &S::EAngle),
        field("startDown", &S::startDown), field("endUp", &S::endUp), field("Delay", &S::Delay),
        field("startX", &S::startX), field("startY", &S::startY), field("endX", &S::endX),
        field("endY", &S::endY), field("fileName", &S::fileName), field("lineWidth", &S::lineWidth),
        field("printLineWidth", &S::printLineWidth), field("isSolid", &S::isSolid),
        field("str", &S::str), field("strGap", &S::strGap), field("fontName", &S::fontName),
        field("fontSize", &S::fontSize), field("bold", &S::bold), field("italic", &S::italic),
        field("underLine", &S::underLine), field("strikeOut", &S::strikeOut),
        field("printSize", &S::printSize), field("serialNo", &S::serialNo),
        field("widthFactor", &S::widthFactor), field("heightFactor", &S::heightFactor),
        field("DBField", &S::DBField), field("DBType", &S::DBType),
        field("DBDateStyle", &S::DBDateStyle), field("barType", &S::barType),
        field("barValue", &S::barValue), field("barWidth", &S::barWidth),
        field("wideBarWidth", &S::wideBarWidth), field("barHeight", &S::barHeight),
        field("selfAdd", &S::selfAdd), field("displayCode", &S::displayCode),
        field("alignMode", &S::alignMode), field("if39Star", &S::if39Star),
        field("xOffset", &S::xOffset), field("yOffset", &S::yOffset),
        ShapeField{"beginStr", &S::beginStr, ValueForm::StarredText},
        ShapeField{"endStr", &S::endStr, ValueForm::StarredText},
        field("barLevel", &S::barLevel), field("barColumn", &S::barColumn),
    };
    return fields;
}

const ShapeField* shapeField(const char* name)
{
    static const QHash<QByteArray, const ShapeField*> byName = [] {
        QHash<QByteArray, const ShapeField*> map;
        for (const ShapeField& entry : shapeFields())
            map.insert(entry.name, &entry);
        return map;
    }();
    const ShapeField* found = byName.value(name);
    if (!found)
        throw std::logic_error(std::string("label file table names an unknown field: ") + name);
    return found;
}

QList<const ShapeField*> shapeFieldList(std::initializer_list<const char*> names)
{
    QList<const ShapeField*> list;
    for (const char* name : names)
        list.append(shapeField(name));
    return list;
}

// The fields of each kind after Type, in the order written.
QList<const ShapeField*> kindWriteFields(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::CutRect:
    case ShapeKind::CutCircle:
        return shapeFieldList({"ifPrint"});
    case ShapeKind::CutHalfCircle:
        return shapeFieldList({"R", "printR", "ifPrint"});
    case ShapeKind::CutRoundRect:
        return shapeFieldList({"R", "printR", "ifPrint", "direction", "gapPos", "gapDistance",
                               "gapLenth", "gapOffset", "delayms"});
    case ShapeKind::CutArc:
        return shapeFieldList({"CenterX", "CenterY", "Radiu", "SAngle", "EAngle", "ifPrint",
                               "startDown", "endUp", "direction"});
    case ShapeKind::CutLine:
        return shapeFieldList({"direction", "ifPrint", "startDown", "endUp", "Delay", "startX",
                               "startY", "endX", "endY"});
    case ShapeKind::CutImage:
    case ShapeKind::PrintImage:
        return shapeFieldList({"fileName", "ifPrint"});
    case ShapeKind::PrintLine:
        return shapeFieldList({"direction", "lineWidth", "ifPrint"});
    case ShapeKind::PrintRect:
        return shapeFieldList({"R", "printR", "lineWidth", "printLineWidth", "isSolid", "ifPrint"});
    case ShapeKind::PrintString:
        return shapeFieldList({"str", "strGap", "direction", "fontName", "fontSize", "bold",
                               "italic", "underLine", "strikeOut", "printSize", "ifPrint",
                               "serialNo", "widthFactor", "heightFactor", "DBField", "DBType",
                               "DBDateStyle"});
    case ShapeKind::PrintBar:
        return shapeFieldList({"barType", "barValue", "direction", "barWidth", "wideBarWidth",
                               "barHeight", "selfAdd", "ifPrint", "displayCode", "DBField",
                               "fontName", "fontSize", "bold", "italic", "underLine", "strikeOut",
                               "strGap", "widthFactor", "heightFactor", "alignMode", "if39Star",
                               "xOffset", "yOffset", "beginStr", "endStr"});
    case ShapeKind::PrintQRBar:
    case ShapeKind::PrintDataMatrix:
        return shapeFieldList({"barLevel", "barValue", "direction", "barWidth", "ifPrint", "DBField"});
    case ShapeKind::PrintPdf417Bar:
        return shapeFieldList({"barLevel", "barValue", "direction", "barWidth", "barHeight",
                               "barColumn", "ifPrint", "DBField"});
    case ShapeKind::None:
        break;
    }
    return {};
}

ReadStep fieldStep(ReadNeed need, std::initializer_list<const char*> names,
                   QStringList defaults = {})
{
    return {need, {}, shapeFieldList(names), std::move(defaults)};
}

ReadStep required(std::initializer_list<const char*> names)
{
    return fieldStep(ReadNeed::Required, names);
}

ReadStep ifPrintStep()
{
    return fieldStep(ReadNeed::IfPresent, {"ifPrint"});
}

ReadStep group(std::initializer_list<const char*> names, QStringList defaults = {})
{
    return fieldStep(ReadNeed::Group, names, std::move(defaults));
}

// The kind's own fields in the order read, after the head.
QList<ReadStep> kindReadSteps(ShapeKind kind)
{
    switch (kind) {
    case ShapeKind::CutRect:
    case ShapeKind::CutCircle:
        return {ifPrintStep()};
    case ShapeKind::CutHalfCircle:
        return {required({"printR", "R"}), ifPrintStep()};
    case ShapeKind::CutRoundRect:
        return {required({"printR", "R"}), ifPrintStep(),
                group({"direction", "gapPos", "gapDistance", "gapLenth", "gapOffset", "delayms"})};
    case ShapeKind::CutArc:
        return {required({"CenterX", "CenterY", "Radiu", "SAngle", "EAngle"}), ifPrintStep(),
                group({"startDown", "endUp"}, {"0", "0"}), group({"direction"}, {"0"})};
    case ShapeKind::CutLine:
        return {required({"direction"}), ifPrintStep(), group({"startDown", "endUp"}, {"0", "0"}),
                group({"startX", "startY", "endX", "endY"}), group({"Delay"}, {"0"})};
    case ShapeKind::CutImage:
    case ShapeKind::PrintImage:
        return {required({"fileName"}), ifPrintStep()};
    case ShapeKind::PrintLine:
        return {required({"direction", "lineWidth"}), ifPrintStep()};
    case ShapeKind::PrintRect:
        return {required({"printR", "R", "printLineWidth", "lineWidth", "isSolid"}), ifPrintStep()};
    case ShapeKind::PrintString:
        return {required({"str", "strGap", "direction", "fontName", "fontSize", "bold", "italic",
                          "underLine", "strikeOut", "printSize"}),
                ifPrintStep(),
                group({"serialNo", "widthFactor", "heightFactor", "DBField"}, {"0", "1.0", "1.0", ""}),
                group({"DBDateStyle", "DBType"}, {"0", QStringLiteral("文本")})};
    case ShapeKind::PrintBar:
        return {required({"barType", "barValue", "direction", "barWidth", "wideBarWidth", "selfAdd",
                          "barHeight"}),
                ifPrintStep(), fieldStep(ReadNeed::IfPresentLenient, {"displayCode"}),
                group({"DBField"}, {""}),
                group({"fontName", "fontSize", "bold", "italic", "underLine", "strikeOut", "strGap",
                       "widthFactor", "heightFactor", "alignMode", "if39Star", "xOffset", "yOffset"}),
                group({"beginStr", "endStr"}, {"", ""})};
    case ShapeKind::PrintQRBar:
    case ShapeKind::PrintDataMatrix:
        return {required({"barLevel", "barValue", "direction", "barWidth"}), ifPrintStep(),
                group({"DBField"}, {""})};
    case ShapeKind::PrintPdf417Bar:
        return {required({"barLevel", "barValue", "direction", "barWidth", "barHeight", "barColumn"}),
                ifPrintStep(), group({"DBField"}, {""})};
    case ShapeKind::None:
        break;
    }
    return {};
}

constexpr std::array<ShapeKind, 15> kAllKinds{
    ShapeKind::CutRect, ShapeKind::CutRoundRect, ShapeKind::CutCircle, ShapeKind::CutHalfCircle,
    ShapeKind::CutArc, ShapeKind::CutLine, ShapeKind::CutImage, ShapeKind::PrintRect,
    ShapeKind::PrintLine, ShapeKind::PrintString, ShapeKind::PrintBar, ShapeKind::PrintQRBar,
    ShapeKind::PrintDataMatrix, ShapeKind::PrintPdf417Bar, ShapeKind::PrintImage,
};

template <typename Table>
const typename Table::mapped_type& perKind(const Table& table, ShapeKind kind)
{
    static const typename Table::mapped_type empty;
    const auto found = table.find(kind);
    return found == table.end() ? empty : found.value();
}

} // namespace

const QList<SettingField>& settingFields()
{
    static const QList<SettingField> fields{
        setting("Width", &L::Width), setting("Height", &L::Height), setting("Gap", &J::Gap),
        setting("Rotation", &L::Rotation), setting("counter", &J::counter),
        setting("quantity", &J::quantity), setting("Zoom", &L::Zoom),
        setting("cutMaxWidth", &J::cutMaxWidth), setting("cutMaxHeight", &J::cutMaxHeight),
        truncatedSetting("cutLeft", &J::cutLeft), setting("cutTop", &J::cutTop),
        setting("cutSleep", &J::cutSleep), setting("cutPort", &J::cutPort),
        truncatedSetting("printSleep", &J::printSleep), setting("printSensor", &J::printSensor),
        setting("printRibbon", &J::printRibbon), setting("printSpeed", &J::printSpeed),
        setting("printDarkness", &J::printDarkness), setting("printDpi", &J::printDpi),
        setting("printPort", &J::printPort), setting("printRotation", &J::printRotation),
        truncatedSetting("ostrel", &J::ostrel), truncatedSetting("printU1U2", &J::printU1U2),
        setting("printX", &J::printX), setting("printY", &J::printY),
        setting("moveAfterCut", &J::moveAfterCut), setting("printStatusPort", &J::printStatusPort),
        setting("ifCutSpeed", &J::ifCutSpeed), setting("cutSpeed", &J::cutSpeed),
        setting("ifNullSpeed", &J::ifNullSpeed), setting("NullSpeed", &J::NullSpeed),
        setting("ifGoLeft", &J::ifGoLeft), setting("ifGoRight", &J::ifGoRight),
        setting("ifGoDown", &J::ifGoDown), setting("ifGoUp", &J::ifGoUp),
        setting("ifBlack", &J::ifBlack), setting("ifGoInit", &J::ifGoInit),
        setting("ifCmdCut", &J::ifCmdCut), setting("ifThread", &J::ifThread),
        setting("ifFeed", &J::ifFeed), setting("ifCutFeed", &J::ifCutFeed),
        setting("ifCutFeedBlack", &J::ifCutFeedBlack), setting("cutBaud", &J::cutBaud),
        setting("printBaud", &J::printBaud), setting("mcX", &J::mcX), setting("mcY", &J::mcY),
        setting("sendBeforeCut", &J::sendBeforeCut), setting("dbName", &J::dbName),
        setting("tableName", &J::tableName), setting("ifDBPrint", &J::ifDBPrint),
        setting("printFile", &J::printFile), setting("ifPrintFile", &J::ifPrintFile),
        setting("BGFile", &L::BGFile), setting("BGX", &L::BGX), setting("BGY", &L::BGY),
        setting("BGWidth", &L::BGWidth), setting("BGHeight", &L::BGHeight),
        setting("labelLock", &L::labelLock),
    };
    return fields;
}

const SettingField& settingField(const char* name)
{
    for (const SettingField& entry : settingFields()) {
        if (qstrcmp(entry.name, name) == 0)
            return entry;
    }
    throw std::logic_error(std::string("label file table names an unknown setting: ") + name);
}

const QList<ReadStep>& settingsReadPlan()
{
    static const QList<ReadStep> plan = [] {
        const auto step = [](ReadNeed need, std::initializer_list<const char*> names,
                             QStringList defaults = {}) {
            ReadStep result{need, {}, {}, std::move(defaults)};
            for (const char* name : names)
                result.settings.append(&settingField(name));
            return result;
        };
        constexpr ReadNeed required = ReadNeed::Required;
        constexpr ReadNeed group = ReadNeed::Group;
        return QList<ReadStep>{
            step(required, {"Width", "Height", "Zoom", "cutMaxWidth", "cutMaxHeight", "cutLeft",
                            "cutTop", "cutSleep", "printSleep", "printSensor", "printRibbon",
                            "printSpeed", "printDarkness", "printDpi", "printPort",
                            "printStatusPort", "cutPort", "printRotation", "Gap", "counter",
                            "Rotation", "ifCutSpeed", "cutSpeed", "ifNullSpeed", "NullSpeed"}),
            step(group, {"ifGoLeft", "ifGoRight", "ifGoDown", "ifGoUp"}),
            step(required, {"ifBlack", "ifGoInit", "ifCmdCut", "ifThread"}),
            step(group, {"cutBaud", "printBaud"}),
            step(group, {"mcX", "mcY"}),
            step(group, {"ostrel", "printU1U2"}),
            step(group, {"sendBeforeCut"}),
            step(group, {"moveAfterCut", "printX", "printY", "ifFeed"}),
            step(group, {"ifCutFeed"}, {"0"}),
            step(group, {"ifCutFeedBlack"}, {"0"}),
            step(group, {"quantity", "dbName", "tableName", "ifDBPrint", "printFile", "ifPrintFile"},
                 {"1", "", "", "0", "", "0"}),
            step(group, {"BGFile", "BGX", "BGY", "BGWidth", "BGHeight"}, {"", "0", "0", "0", "0"}),
            step(group, {"labelLock"}, {"0"}),
        };
    }();
    return plan;
}

const QList<const ShapeField*>& shapeWriteOrder(ShapeKind kind)
{
    static const QHash<ShapeKind, QList<const ShapeField*>> orders = [] {
        QHash<ShapeKind, QList<const ShapeField*>> table;
        for (ShapeKind each : kAllKinds) {
            QList<const ShapeField*> order;
            if (makeShape(each).isAnchored())
                order.append(shapeField("name"));
            order += shapeFieldList({"Left", "Top", "Right", "Bottom", "printLeft", "printTop",
                                     "printRight", "printBottom", "Selected", "Stretch", "Type"});
            order += kindWriteFields(each);
            table.insert(each, order);
        }
        return table;
    }();
    return perKind(orders, kind);
}

const QList<ReadStep>& shapeReadPlan(ShapeKind kind)
{
    static const QHash<ShapeKind, QList<ReadStep>> plans = [] {
        QHash<ShapeKind, QList<ReadStep>> table;
        for (ShapeKind each : kAllKinds) {
            QList<ReadStep> plan;
            if (makeShape(each).isAnchored())
                plan.append(required({"name"}));
            plan.append(required({"printLeft", "printTop", "printRight", "printBottom", "Left",
                                  "Top", "Right", "Bottom", "Selected", "Stretch"}));
            plan += kindReadSteps(each);
            table.insert(each, plan);
        }
        return table;
    }();
    return perKind(plans, kind);
}

Tshape freshShapeWithDialogValues(ShapeKind kind)
{
    Tshape shape = makeShape(kind);
    switch (kind) {
    case ShapeKind::CutRoundRect: // the rectangle dialog: joint on the left side, 15 mm down, 2 mm long
        shape.gapPos = 1;
        shape.gapDistance = 150;
        shape.gapLenth = 20;
        break;
    case ShapeKind::CutLine: // the line dialog: from (0, 0) to (10, 10) mm
        shape.endX = 100;
        shape.endY = 100;
        break;
    case ShapeKind::PrintBar: // the barcode dialog: line set by the program, 宋体 10, centred
        shape.displayCode = 2;
        shape.fontName = QStringLiteral("宋体");
        shape.fontSize = 10;
        shape.widthFactor = 1;
        shape.heightFactor = 1;
        shape.alignMode = 2;
        break;
    default:
        break;
    }
    return shape;
}

QString formatField(const ShapeField& field, const Tshape& shape)
{
    return visitField(field, shape, [&](const auto& value) { return formatValue(value, field.form); });
}

void parseField(const ShapeField& field, const QString& text, Tshape& shape)
{
    visitField(field, shape, [&](auto& value) { parseValue(text, field.form, value); });
}

QString formatSetting(const SettingField& field, const LabelSettings& label, const JobSettings& job)
{
    return visitSetting(field, label, job, [&](const auto& value) { return formatValue(value, field.form); });
}

void parseSetting(const SettingField& field, const QString& text, LabelSettings& label, JobSettings& job)
{
    visitSetting(field, label, job, [&](auto& value) { parseValue(text, field.form, value); });
}
