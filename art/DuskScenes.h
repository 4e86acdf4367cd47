#pragma once

#include <QImage>

// The backgrounds set at dusk and in the blue hour: the snowy pine forest under
// the northern lights and the log cabin with lit windows. 1024 x 768, opaque.
class DuskScenes {
public:
    static QImage pineForest();
    static QImage cabin();
};
