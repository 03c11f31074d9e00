#pragma once

#include "files/LabelFile.h"

#include <QByteArray>
#include <QString>

// A document, label settings and job settings that a test owns (never the shared ones).
struct LabelState {
    Tobject document;
    LabelSettings label;
    JobSettings job;

    LabelTarget target() { return {document, label, job}; }
    QByteArray bytes() const { return labelFileBytes(document, label, job); }
};

// One record of every kind, every field set to a value that differs from its initial one
// and from the other fields (reals exactly representable in 15 digits).
LabelState everyKindLabel();

// Every setting set to a value of its own.
void setDistinctSettings(LabelState& state);

// Edits of a written file: remove every element of a name (or only the n-th, from 0), or
// replace its text.
QByteArray withoutElement(QByteArray bytes, const QByteArray& name, int occurrence = -1);
QByteArray withText(QByteArray bytes, const QByteArray& name, const QByteArray& text, int occurrence = -1);

// The texts of every element of a name, in order.
QStringList elementTexts(const QByteArray& bytes, const QByteArray& name);

// The names of the child elements of the n-th element called parent, in order.
QStringList childNames(const QByteArray& bytes, const QByteArray& parent, int occurrence = 0);

// Writes a whole file; false when it cannot be written (support/TestApp.h reads one back).
bool writeFile(const QString& path, const QByteArray& bytes);
