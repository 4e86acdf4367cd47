#pragma once

#include <QFont>
#include <QString>

// The typefaces of the pictures. They are loaded from the Debian font packages
// by file, so the pictures never depend on what fontconfig would substitute.
class ArtFonts {
public:
    // Loads every face; false (with a message on stderr) if one is missing.
    bool load();

    // The festive script face of the greeting and the banner title.
    QFont script(double pixelSize) const;

    // The plain sans face the saver draws its texts in.
    QFont sans(double pixelSize) const;

private:
    static QString loadFamily(const QString& path);

    QString scriptFamily_;
    QString sansFamily_;
};
