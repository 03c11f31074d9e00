#pragma once

#include <QString>

#include <optional>

// The job window's utilities for the counter and the parallel port. Each takes what the
// operator typed or chose and answers with what the window then shows; a refusal comes with
// its message and changes nothing.

// "清零": "0" when the operator confirms "确定要把计数器清零吗？" with Yes, else nullopt.
std::optional<QString> resetCounter();

// "设置": the counter text for what was typed in its input box, in decimal ("007" shows as
// "7"); nullopt with "请输入整型数值！" when the text is no whole number.
std::optional<QString> counterFromInput(const QString& typed);

// "映射LPT1": the printer port "lpt1" leads to the device chosen (a parallel or USB printer
// such as /dev/usb/lp0) from now on, kept in the [Ports] section of settingsPath where the
// port names are read. A device that is not there, or a file that cannot be written, is
// refused with a message; the operator is told where LPT1 now leads.
bool mapParallelPort(const QString& device, const QString& settingsPath);
