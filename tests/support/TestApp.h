#pragma once

#include "model/Tshape.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class RecordingMessageService;

// Helpers every suite shares.
namespace testing_support {

// Path of a file in the source tree (examples/, tests/fixtures/, ...).
QString sourcePath(const QString& relative);
// Path of one of the build's programs ("marlune-cli", "marlune-sim").
QString toolPath(const QString& name);

// The bytes of a file, empty when it cannot be read.
QByteArray fileContent(const QString& path);

// The texts of every message the operator was shown, in order.
QStringList messageTexts(const RecordingMessageService& messages);

// A fresh record of a kind with its model box (or anchor) set.
Tshape placedShape(ShapeKind kind, int left, int top, int right = 0, int bottom = 0);
// The same with the pixel box at the same numbers, as on a screen of 254 dots per inch at
// 100 %, where one pixel is one tenth of a millimetre.
Tshape boxedShape(ShapeKind kind, int left, int top, int right, int bottom);

} // namespace testing_support
