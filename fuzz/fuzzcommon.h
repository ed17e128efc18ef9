#pragma once

// What every fuzz target shares: a Qt application for the core's font and image code, quiet Qt
// warnings, and a way to report a broken promise as a crash that libFuzzer records.

#include <QString>

// Creates the process's QGuiApplication on the offscreen platform (text measuring needs one) and
// silences Qt's debug and warning output, which damaged input produces by the thousand. Fatal
// messages still print and abort. Call once, from LLVMFuzzerInitialize or main.
void StartFuzzApplication();

// A folder of this process's own, removed at exit; the empty string when it cannot be made.
QString FuzzScratchFolder();

// Prints "finding: <what>" and aborts, so that libFuzzer saves the input.
[[noreturn]] void Finding(const char* what);
