#pragma once

// Named moments inside the start-up and the database opening where a test
// can stop a process: to kill it there, or to let another process run
// first. Nothing is installed outside tests, and reaching a point then
// costs one test of a pointer.

namespace halvo
{

enum class TestPoint
{
    kCopyingFile,    // part of a shipped file is in its temporary copy
    kImportChecked,  // an import has looked for its table, before writing
    kDamageJudged,   // the database file was found damaged, before the move
    kWaitingForLock, // a lock file is held by another process; waiting
    kWriteBegins,    // a write transaction is about to begin, before any check
    kCommitting,     // a write transaction is about to commit, before any check
};

using TestPointHandler = void (*)(TestPoint point);

// Installs the handler of this process; nullptr removes it.
void SetTestPointHandler(TestPointHandler handler);
void ReachTestPoint(TestPoint point);

} // namespace halvo
