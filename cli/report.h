#pragma once
// What the vexolume-cli commands share for writing to the terminal: failure
// reports on standard error and text made printable.

#include <string>

#include "app/language/language_table.h"
#include "base/result.h"

namespace vx {
class StopSignals;
}

namespace vx::cli {

// Prints "vexolume-cli: <subject>: <error>" and returns the exit status 1.
int fail(const std::string& subject, const Error& error);
// The same with the error's key as the subject.
int fail(const Error& error);

// For a run that a signal stopped: prints the error and the signal, and
// returns what a shell reports for the signal's default action, 128 + its
// number (1 when no signal came).
int stoppedStatus(StopSignals& signals, const Error& error);

// Text as a terminal can show it: control bytes, and every byte of text that
// is not UTF-8, as \xNN.
std::string printable(const std::string& bytes);

// The English language table, for texts a command prints; an empty table
// (every text empty) when it cannot be read.
LanguageTable englishTable();

}  // namespace vx::cli
