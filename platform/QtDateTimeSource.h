#pragma once

#include <QLocale>
#include <QString>

#include "saver/DateTimeSource.h"

// The local date and time, with names and the time format of a locale (the
// system's by default).
class QtDateTimeSource : public DateTimeSource {
public:
    explicit QtDateTimeSource(QLocale locale = QLocale::system());

    LocalDateTime Now() override;
    std::string WeekdayName(const LocalDateTime& when) override;
    std::string MonthAbbreviation(const LocalDateTime& when) override;
    std::string TimeText(const LocalDateTime& when) override;

    // The locale's short time format shows hours and minutes only; the clock
    // shows seconds too, after the minutes. A time zone is never shown: its
    // name would change the width of the clock with the seasons.
    static QString WithSecondsNoZone(const QString& format);

private:
    QLocale locale_;
    QString timeFormat_;
};
