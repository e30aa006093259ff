// Yielding to the event loop during long work, short waits, and the time of
// day in seconds for "Benötigte Zeit".
#pragma once

#include <QtGlobal>

namespace platform {

// Hands control to the event loop now.
void DoEvents();

// The player chose to end the program: the event loop ends once control
// returns to it, and every long work stops at its next step without a word.
void programmBeenden();
bool programmEndet();

// Yields at most every few milliseconds: call due() in a loop; when it
// returns true the caller updates its progress display and calls DoEvents().
class Batch {
public:
    explicit Batch(int milliseconds = 8);
    bool due();
private:
    qint64 m_next;
    int m_ms;
};

// Sleep that keeps the window live.
void Sleep(int milliseconds);

// Seconds since midnight.
double Timer();
// Seconds elapsed since a Timer() value, counted across midnight.
double secondsSince(double start);

} // namespace platform
