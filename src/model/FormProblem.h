#pragma once

#include <QString>

// Why a window or a dialog cannot take what the operator typed: the message the operator
// sees (empty when nothing is wrong) and the control that takes the keyboard focus with it
// (its object name; empty for none).
struct FormProblem {
    QString message;
    QString control;

    bool ok() const { return message.isEmpty(); }
    bool operator==(const FormProblem&) const = default;
};
