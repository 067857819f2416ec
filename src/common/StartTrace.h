#pragma once

#include <QString>

// Marks along the start, for finding what keeps the window from its first paint. With
// QUORTOSK_TRACE_START=1 each mark prints "start <ms> <name>" to stderr, the time counted
// from the first mark; otherwise a mark costs one test of a flag.
namespace StartTrace {

bool Enabled();
// The milliseconds since the first mark, or -1 when tracing is off.
qint64 Mark(const char *name);
// The lines printed so far (kept for the tests).
QStringList Lines();

} // namespace StartTrace

namespace StartTrace {
// Marks "first paint" at the first paint event of the program (tracing on only).
void WatchFirstPaint();
} // namespace StartTrace
