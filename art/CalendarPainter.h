#pragma once

#include <QImage>

// The 65 x 85 tear-off calendar pad the saver writes the date and clock on.
// Its month band takes the red month name, the paper below the blue clock,
// the red weekday and the large red day number.
class CalendarPainter {
public:
    static QImage pad();
};
