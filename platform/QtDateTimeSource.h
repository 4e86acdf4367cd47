#pragma once

#include <QLocale>
#include <QString>
#include <string>

#include "saver/DateTimeSource.h"

// The local date and time, with names and the time format of a locale (the
// system's by default). The saver asks for the texts at every frame; each is
// kept and formatted again only when its date or second changes.
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
    // A text and the date and time it was made for.
    struct Kept {
        LocalDateTime when;
        bool valid = false;
        std::string text;
    };

    static bool sameDay(const LocalDateTime& a, const LocalDateTime& b);
    static bool sameSecond(const LocalDateTime& a, const LocalDateTime& b);
    // kept's text when it was made for a time that same takes for when,
    // else the text that format makes, kept for when.
    template <typename Format>
    static const std::string& keep(Kept& kept, const LocalDateTime& when,
                                   bool (*same)(const LocalDateTime&, const LocalDateTime&),
                                   Format format) {
        if (!kept.valid || !same(kept.when, when)) {
            kept = {when, true, format().toStdString()};
        }
        return kept.text;
    }

    QLocale locale_;
    QString timeFormat_;
    Kept weekday_;
    Kept month_;
    Kept time_;
};
