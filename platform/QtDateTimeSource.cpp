#include "platform/QtDateTimeSource.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace {

QDate DateOf(const LocalDateTime& when) {
    return QDate(when.year, when.month, when.day);
}

}  // namespace

QtDateTimeSource::QtDateTimeSource(QLocale locale)
    : locale_(std::move(locale)),
      timeFormat_(WithSecondsNoZone(locale_.timeFormat(QLocale::ShortFormat))) {}

LocalDateTime QtDateTimeSource::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

bool QtDateTimeSource::sameDay(const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

bool QtDateTimeSource::sameSecond(const LocalDateTime& a, const LocalDateTime& b) {
    return a.hour == b.hour && a.minute == b.minute && a.second == b.second;
}

std::string QtDateTimeSource::WeekdayName(const LocalDateTime& when) {
    return keep(weekday_, when, sameDay,
                [&] { return locale_.toString(DateOf(when), QStringLiteral("dddd")); });
}

std::string QtDateTimeSource::MonthAbbreviation(const LocalDateTime& when) {
    return keep(month_, when, sameDay,
                [&] { return locale_.toString(DateOf(when), QStringLiteral("MMM")); });
}

std::string QtDateTimeSource::TimeText(const LocalDateTime& when) {
    return keep(time_, when, sameSecond, [&] {
        return locale_.toString(QTime(when.hour, when.minute, when.second), timeFormat_);
    });
}

QString QtDateTimeSource::WithSecondsNoZone(const QString& format) {
    QString result;
    bool quoted = false;
    bool hasSeconds = false;
    qsizetype afterMinutes = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u't') {
            // Drop the zone and the one blank that separated it.
            if (result.endsWith(u' ')) {
                result.chop(1);
            }
            continue;
        } else if (!quoted && c == u's') {
            hasSeconds = true;
        }
        result += c;
        if (!quoted && c == u'm') {
            afterMinutes = result.size();
        }
    }
    if (hasSeconds) {
        return result.trimmed();
    }
    if (afterMinutes < 0) {
        return QStringLiteral("HH:mm:ss");
    }
    result.insert(afterMinutes, QStringLiteral(":ss"));
    return result.trimmed();
}
