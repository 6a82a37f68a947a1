#include "app/Clock.h"

#include <QDateTime>

namespace kvor {

int ClockIntervalMs(int secondsSinceMidnight) {
    const int second = secondsSinceMidnight % 60;
    if (second < 48) {
        return 10000;
    }
    return second > 58 ? 250 : 1000;
}

QString ClockText(const QDateTime& now, const QString& shortDateFormat) {
    const int s = now.time().msecsSinceStartOfDay() / 1000;
    const QString hours = QStringLiteral("%1").arg(s / 3600, 2, 10, QLatin1Char('0'));
    const QString minutes = QStringLiteral("%1").arg((s % 3600) / 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral(" ") + now.date().toString(shortDateFormat) + QStringLiteral("   ") +
           hours + QStringLiteral(":") + minutes;
}

} // namespace kvor
