#include "settings/dialog/Setup.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "settings/Registry.h"
#include "settings/dialog/DialogLoader.h"
#include "settings/dialog/MusicTab.h"
#include "settings/dialog/OfferTab.h"
#include "settings/dialog/SettingsTab.h"

namespace {

constexpr int ClientWidth = 620;
constexpr int ClientHeight = 465;
constexpr int BannerHeight = 63;
constexpr int ButtonBarHeight = 39;

QPushButton* Button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

Setup::Setup(SettingsStore& store, VexoSnd& sound, std::string installPath, UrlOpener openUrl,
             QWidget* parent)
    : QDialog(parent), sound_(sound), commands_(*this, store, std::move(openUrl)) {
    setObjectName("Setup");
    setWindowTitle("Glintfall by Tavrin");
    setFixedSize(ClientWidth, ClientHeight);
    // Every control has to fit a fixed 620 x 465 window, as the saver's
    // settings always have; a narrow sans face keeps the song titles whole.
    QFont face = font();
    face.setFamilies({"Liberation Sans", "Arial", face.family()});
    face.setPointSizeF(std::min(face.pointSizeF(), 9.0));
    setFont(face);

    auto* tabs = new QTabWidget;
    tabs->setObjectName("SSTab1");
    tabs->setFixedSize(613, 361);
    // The pages are made inside the window, in its font, so that the music
    // page measures its titles as they will be shown.
    tabs->setParent(this);
    settingsTab_ = new SettingsTab(store, tabs);
    musicTab_ = new MusicTab(store, sound, installPath, tabs);
    tabs->addTab(settingsTab_, "Settings");
    tabs->addTab(musicTab_, "Music");
    tabs->addTab(new OfferTab(tabs), "CD-ROM Offer");
    tabs->setCurrentWidget(musicTab_);
    connect(settingsTab_->HelpButton(), &QPushButton::clicked, this,
            [this] { commands_.ShowBackgroundHelp(); });
    connect(musicTab_->KeyboardButton(), &QPushButton::clicked, this,
            [this] { commands_.ShowKeyboardHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Banner(installPath));
    layout->addWidget(tabs, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(ButtonBar());

    Load(store);
}

QWidget* Setup::Banner(const std::string& installPath) {
    auto* banner = new QLabel;
    banner->setObjectName("Picture2");
    banner->setFixedHeight(BannerHeight);
    banner->setAlignment(Qt::AlignCenter);
    // Without its picture the banner stays a plain strip; the dialog works
    // all the same.
    const QPixmap picture(QString::fromStdString(installPath + "Banner.bmp"));
    if (!picture.isNull()) {
        banner->setPixmap(picture);
    }
    return banner;
}

QWidget* Setup::ButtonBar() {
    QPushButton* reset = Button("cmdReset", "&Reset ALL to Default");
    reset->setToolTip("This will reset all values to the way they were on first install");
    QPushButton* website = Button("cmdWebsite", "&Our website");
    QPushButton* about = Button("cmdAbout", "&About");
    QPushButton* ok = Button("cmdOK", "&OK");
    ok->setToolTip("Exit");
    ok->setDefault(true);
    connect(reset, &QPushButton::clicked, this, [this] { commands_.ResetToFactory(); });
    connect(website, &QPushButton::clicked, this, [this] { commands_.OpenWebsite(); });
    connect(about, &QPushButton::clicked, this, [this] { commands_.ShowAbout(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* bar = new QWidget;
    bar->setObjectName("Picture1");
    bar->setFixedHeight(ButtonBarHeight);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(reset);
    layout->addWidget(website);
    layout->addWidget(about);
    layout->addStretch();
    layout->addWidget(ok);
    return bar;
}

void Setup::Load(SettingsStore& store) {
    // A store that has never been given its factory values gets them first,
    // as at the saver's first start; otherwise that start would overwrite
    // whatever is chosen here.
    if (NeedsFactorySettings(store)) {
        SetRegistry(store);
    }
    DialogLoader loader(store);
    settingsTab_->Load(loader);
    musicTab_->Load(loader);
}

void Setup::done(int result) {
    sound_.StopPlaying();
    QDialog::done(result);
}
