#pragma once

#include <QWidget>

// The "CD-ROM Offer" tab: a short note on the CD of further holiday
// screensavers and carols. It holds no settings.
class OfferTab : public QWidget {
public:
    explicit OfferTab(QWidget* parent = nullptr);
};
