#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every harness shares. A harness defines LLVMFuzzerTestOneInput: it hands one input
// to a reader the way the program does, catches the reader's own error for bad input (a
// clear message is the right outcome) and stops the process, as a finding, when the result
// breaks a promise the program relies on. libFuzzer drives it under the sanitizers in the
// fuzz build; the ordinary test build runs it over every corpus file and past finding.
namespace fuzzing {

// The input as bytes, without copying.
inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A broken promise: says which and aborts, so that the fuzzer keeps the input.
[[noreturn]] void broken(const char* promise, const QString& detail = {});

inline void expect(bool held, const char* promise, const QString& detail = {})
{
    if (!held)
        broken(promise, detail);
}

// A folder of the harness's own for files the reader must open by name; created once.
QString scratchPath(const QString& name);

} // namespace fuzzing

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
