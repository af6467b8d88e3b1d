#pragma once
// What the vexolume-cli commands share for writing to the terminal: failure
// reports on standard error and text made printable.

#include <string>

#include "base/result.h"
#include "platform/language/language_table.h"

namespace vx {
class StopSignals;
}

namespace vx::cli {

// Prints "vexolume-cli: <subject>: <message>" (see messageText) and returns
// the exit status for the error (cli/exit_status.h).
int fail(const std::string& subject, const Error& error);
// The same without a subject.
int fail(const Error& error);

// Prints that the run was stopped and returns 128 + the signal's number, as
// a shell reports a process the signal ended (1 when no signal came).
int stopped(int signal, const Error& error);

// What a message says: the English text of its key, then the error's detail
// where it adds something. A key is for looking up, never for showing: one
// the table lacks leaves only the detail.
std::string messageText(const Error& error);

// The same for a run whose stop signals `signals` watched.
int stoppedStatus(StopSignals& signals, const Error& error);

// Text as a terminal can show it: control bytes, and every byte of text that
// is not UTF-8, as \xNN.
std::string printable(const std::string& bytes);

// The English language table, for texts a command prints; an empty table
// (every text empty) when it cannot be read.
LanguageTable englishTable();

}  // namespace vx::cli
