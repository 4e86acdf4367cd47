#include "settings/dialog/OfferTab.h"

#include <QLabel>
#include <QVBoxLayout>

OfferTab::OfferTab(QWidget* parent) : QWidget(parent) {
    auto* heading = new QLabel("The Glintfall Holiday Collection on CD-ROM");
    heading->setObjectName("Label1");
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignHCenter);

    auto* body = new QLabel(
        "Enjoying the snow? The Glintfall Holiday Collection brings the whole season to your "
        "screen. The disc holds more Glintfall holiday screensavers: a village square under "
        "the evening snow, a frosted window with candles, a starlit pine forest and a "
        "fireside scene, each with its own greetings, calendar and falling snow.\n\n"
        "It also carries a songbook of well-loved carols to play along with the screensavers, "
        "from \"Silent Night\" to \"Deck the Halls\", and a set of holiday cards to print "
        "for family and friends.\n\n"
        "To order your CD, press \"Our website\" below, or write to us at the address shown "
        "in the About box. Mention this screensaver when you order and a bonus winter "
        "screensaver comes on the disc as our holiday gift to you.");
    body->setObjectName("Label2");
    body->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 12);
    layout->setSpacing(14);
    layout->addWidget(heading);
    layout->addWidget(body);
    layout->addStretch();
}
