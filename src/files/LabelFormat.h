#pragma once

#include "files/LabelValues.h"
#include "model/JobSettings.h"
#include "model/LabelSettings.h"
#include "model/Tshape.h"

#include <QList>

#include <type_traits>
#include <variant>

// The layout of the label file: which elements exist, in which order they are written and
// how each is read back. The writer, the reader and the JSON dump walk these tables, so the
// three can never disagree about a name or an order.

// One child element of "Label": a label setting or a job setting.
struct SettingField {
    using Member = std::variant<int LabelSettings::*, float LabelSettings::*, QString LabelSettings::*,
                                int JobSettings::*, float JobSettings::*, QString JobSettings::*>;
    const char* name;
    Member member;
    ValueForm form;
};

// One child element of an object: a field of the shape record.
struct ShapeField {
    using Member = std::variant<int Tshape::*, bool Tshape::*, float Tshape::*, double Tshape::*,
                                QString Tshape::*>;
    const char* name;
    Member member;
    ValueForm form;
};

// How an element is read.
enum class ReadNeed {
    Required,        // missing or malformed: the step ends (texts never fail)
    IfPresent,       // read only when the element exists; malformed ends the step
    IfPresentLenient,// read only when the element exists; malformed is ignored
    Group,           // optional group: a failure skips the rest of the group
};

// One step of reading: a required or "if present" element, or an optional group. A group
// with defaults sets every member to its default when any member fails; a group without
// keeps what it read before the failure.
struct ReadStep {
    ReadNeed need;
    QList<const SettingField*> settings; // the settings step
    QList<const ShapeField*> fields;     // an object step
    QStringList defaults;                // texts read as the field would read them; empty = none
};

// The 58 settings in the order written.
const QList<SettingField>& settingFields();
const SettingField& settingField(const char* name);
// The settings in the order read, grouped.
const QList<ReadStep>& settingsReadPlan();

// Every field of a kind in the order written: the head (with name for the anchored kinds),
// then the kind's own fields.
const QList<const ShapeField*>& shapeWriteOrder(ShapeKind kind);
// The order a kind is read in, head included.
const QList<ReadStep>& shapeReadPlan(ShapeKind kind);

// A fresh record of a kind, as the reader starts it. Fields that an optional group without
// defaults may leave unread start at the values the object dialogs offer, so an object from
// an older file cuts and prints as a newly created one would.
Tshape freshShapeWithDialogValues(ShapeKind kind);

// The value of a field as the file writes it, and reading it back into a record or settings.
QString formatField(const ShapeField& field, const Tshape& shape);
void parseField(const ShapeField& field, const QString& text, Tshape& shape);
QString formatSetting(const SettingField& field, const LabelSettings& label, const JobSettings& job);
void parseSetting(const SettingField& field, const QString& text, LabelSettings& label, JobSettings& job);

// Calls visit with the value (a reference into label or job) that a setting stands for.
template <typename Label, typename Job, typename Visit>
decltype(auto) visitSetting(const SettingField& field, Label& label, Job& job, Visit&& visit)
{
    return std::visit(
        [&](auto member) -> decltype(auto) {
            if constexpr (std::is_invocable_v<decltype(member), Label&>)
                return visit(label.*member);
            else
                return visit(job.*member);
        },
        field.member);
}

// Calls visit with the value (a reference into shape) of a record field.
template <typename Shape, typename Visit>
decltype(auto) visitField(const ShapeField& field, Shape& shape, Visit&& visit)
{
    return std::visit([&](auto member) -> decltype(auto) { return visit(shape.*member); }, field.member);
}
