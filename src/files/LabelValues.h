#pragma once

#include <QString>

// How one value of the label file is written and read. Every element holds one value as
// its text; the form depends on the field.
enum class ValueForm {
    Integer,          // decimal digits
    TruncatedInteger, // written as an integer, read as a decimal number truncated toward zero
    Boolean,          // "0" or "1"; read as an integer, non-zero is true
    Real,             // float32 or double: 15 significant digits, general form
    ShortReal,        // "%g": the zoom and the cutter's pulses per millimetre
    Text,
    StarredText,      // "*" + text + "*", so blanks at either end survive
};

QString formatValue(int value, ValueForm form);
QString formatValue(bool value, ValueForm form);
QString formatValue(float value, ValueForm form);
QString formatValue(double value, ValueForm form);
QString formatValue(const QString& value, ValueForm form);

// Read a value into its field. A number that is malformed, empty or does not fit the field
// raises ConversionError and leaves the field as it was; texts never fail.
void parseValue(const QString& text, ValueForm form, int& value);
void parseValue(const QString& text, ValueForm form, bool& value);
void parseValue(const QString& text, ValueForm form, float& value);
void parseValue(const QString& text, ValueForm form, double& value);
void parseValue(const QString& text, ValueForm form, QString& value);
