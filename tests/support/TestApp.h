#pragma once

#include <QString>

// Helpers every suite shares.
namespace testing_support {

// Path of a file in the source tree (examples/, tests/fixtures/, ...).
QString sourcePath(const QString& relative);

} // namespace testing_support
