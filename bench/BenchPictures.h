#pragma once

#include <QRgb>
#include <QString>

// Writes pictures of the sizes and kinds the saver loads (opaque backgrounds
// and border bars, magenta-keyed flakes, greeting, calendar and side borders)
// into a folder, so that the benchmark needs no installed art.
class BenchPictures {
public:
    static bool write(const QString& folder);

private:
    static bool keyed(const QString& path, int width, int height, QRgb ink, bool disc);
};
