#pragma once

#include <QString>

class QDateTime;

namespace kvor {

// Milliseconds to the next clock tick, so that the minute shown changes within a quarter
// second of the real one.
int ClockIntervalMs(int secondsSinceMidnight);

// " " + date + "   " + hh:mm, the text of the time panels.
QString ClockText(const QDateTime& now, const QString& shortDateFormat);

} // namespace kvor
