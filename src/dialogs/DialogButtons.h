#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;

// The row every dialog of the program ends with: "确定" (BitBtn1, the default button) runs
// confirm, a command whose failure is shown and keeps the dialog open; "取消" (BitBtn2)
// closes it with the Cancel result.
QHBoxLayout* confirmButtons(QDialog* dialog, const std::function<void()>& confirm);
