#pragma once

#include <QImage>

// The backgrounds set at night: the plain gradient, the village under a starry
// sky and the frozen lake under the moon. Each is 1024 x 768 and opaque; the
// top band stays calm sky for the countdown and the bottom left calm snow for
// the message.
class NightScenes {
public:
    static QImage gradient();
    static QImage village();
    static QImage frozenLake();
};
