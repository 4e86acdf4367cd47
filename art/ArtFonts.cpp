#include "art/ArtFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <QTextStream>

namespace {

const char* const kScriptFont = "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf";
const char* const kSansFont = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";

QFont makeFont(const QString& family, double pixelSize) {
    QFont font(family);
    font.setPixelSize(qRound(pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

bool ArtFonts::load() {
    scriptFamily_ = loadFamily(QString::fromLatin1(kScriptFont));
    sansFamily_ = loadFamily(QString::fromLatin1(kSansFont));
    return !scriptFamily_.isEmpty() && !sansFamily_.isEmpty();
}

QFont ArtFonts::script(double pixelSize) const {
    QFont font = makeFont(scriptFamily_, pixelSize);
    font.setWeight(QFont::Bold);
    return font;
}

QFont ArtFonts::sans(double pixelSize) const {
    return makeFont(sansFamily_, pixelSize);
}

QString ArtFonts::loadFamily(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        QTextStream(stderr) << "Cannot load the font " << path << '\n';
        return {};
    }
    return families.first();
}
