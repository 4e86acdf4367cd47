#include "settings/dialog/MusicTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "settings/dialog/SongTitles.h"

namespace {

const std::string Settings(SettingsSection);
const std::string Music(MusicSection);
const QString TestCaption = "T&est";
const QString StopCaption = "Stop";
constexpr int SongsPerColumn = 12;

QFrame* Line(const QString& name, QFrame::Shape shape) {
    auto* line = new QFrame;
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString Title(int song) {
    const std::string_view title = SongTitles[static_cast<size_t>(song)];
    return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
}

}  // namespace

MusicTab::MusicTab(SettingsStore& store, VexoSnd& sound, std::string installPath, QWidget* parent)
    : QWidget(parent), store_(store), sound_(sound), installPath_(std::move(installPath)) {
    // Made first, so that the keyboard reaches the row above the songs first.
    QWidget* top = TopRow();

    // The columns share the width in proportion to their longest titles, so
    // that every title shows whole.
    auto* columns = new QHBoxLayout;
    columns->setSpacing(2);
    for (int column = 0; column < SongCount / SongsPerColumn; ++column) {
        if (column > 0) {
            columns->addWidget(Line(column == 1 ? "Line2" : "Line4", QFrame::VLine));
        }
        QWidget* songs = SongColumn(column * SongsPerColumn);
        const int width = songs->sizeHint().width();
        songs->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        columns->addWidget(songs, width);
    }

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(3);
    rows->addWidget(top);
    rows->addWidget(Line("Line1", QFrame::HLine));
    rows->addLayout(columns);
    rows->addStretch();
}

QWidget* MusicTab::TopRow() {
    const QString soundOffTip = "Set to turn the sound off after x amount of time";
    auto* before = new QLabel("Stop sound after:");
    before->setObjectName("Label46");
    before->setToolTip(soundOffTip);
    cboSoundOff_ = new QComboBox;
    cboSoundOff_->setObjectName("cboSoundOff");
    cboSoundOff_->setToolTip(soundOffTip);
    cboSoundOff_->setEditable(true);
    // Typed text is never stored, so it must not become a list entry either.
    cboSoundOff_->setInsertPolicy(QComboBox::NoInsert);
    cboSoundOff_->addItems({"Never", "1",  "2",  "3",   "4",   "5",   "10",  "15",  "20",  "30",
                            "45",    "60", "90", "120", "180", "240", "300", "360", "420", "480"});
    cboSoundOff_->setFixedWidth(70);
    before->setBuddy(cboSoundOff_);
    connect(cboSoundOff_, &QComboBox::activated, this, &MusicTab::ChooseSoundOff);
    auto* after = new QLabel("minutes");
    after->setObjectName("Label46Minutes");
    after->setToolTip(soundOffTip);

    chkCD_ = new QCheckBox("Play Audio CD");
    chkCD_->setObjectName("chkCD");
    chkCD_->setToolTip(
        "Check to play an audio CD. You must place a CD in the computer to use this");
    connect(chkCD_, &QCheckBox::toggled, this, [this](bool checked) { EnableSongs(!checked); });

    cmdKeyboard_ = new QPushButton("Keyboard Options");
    cmdKeyboard_->setObjectName("cmdKeyboard");

    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(before);
    layout->addWidget(cboSoundOff_);
    layout->addWidget(after);
    layout->addStretch();
    layout->addWidget(chkCD_);
    layout->addStretch();
    layout->addWidget(cmdKeyboard_);
    return row;
}

QWidget* MusicTab::SongColumn(int first) {
    // Made a child at once, so that its size is measured in the tab's font.
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int i = first; i < first + SongsPerColumn; ++i) {
        auto* test = new QPushButton(TestCaption);
        test->setObjectName(QString("cmdTestMusic(%1)").arg(i));
        test->setFixedSize(36, 21);
        connect(test, &QPushButton::clicked, this, [this, i] { TestPlay(i); });

        auto* check = new QCheckBox(Title(i));
        check->setObjectName(QString("ChkMidi(%1)").arg(i));
        const std::string key = "Music" + std::to_string(i + 1);
        connect(check, &QCheckBox::toggled, this, [this, key](bool checked) {
            if (!loading_) {
                store_.SaveSetting(Music, key, checked ? "1" : "0");
            }
        });

        cmdTestMusic_[static_cast<size_t>(i)] = test;
        chkMidi_[static_cast<size_t>(i)] = check;
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        row->addWidget(test);
        row->addWidget(check, 1);
        layout->addLayout(row);
    }
    return column;
}

void MusicTab::ChooseSoundOff(int index) {
    const QString text = cboSoundOff_->itemText(index);
    store_.SaveSetting(Settings, "SoundOff", text == "Never" ? "0" : text.toStdString());
}

void MusicTab::TestPlay(int song) {
    QPushButton* button = cmdTestMusic_[static_cast<size_t>(song)];
    sound_.StopPlaying();
    if (button->text() == TestCaption) {
        button->setText(StopCaption);
        sound_.PlayFile(installPath_ + "Music/midi" + std::to_string(song + 1) + ".mid", 0, -1);
    } else {
        button->setText(TestCaption);
        sound_.StopPlaying();
    }
}

void MusicTab::EnableSongs(bool enable) {
    for (int i = 0; i < SongCount; ++i) {
        cmdTestMusic_[static_cast<size_t>(i)]->setEnabled(enable);
        chkMidi_[static_cast<size_t>(i)]->setEnabled(enable);
    }
}

void MusicTab::Load(DialogLoader& loader) {
    loading_ = true;
    const QString soundOff = QString::fromStdString(loader.SoundOff());
    const int listed = cboSoundOff_->findText(soundOff);
    if (listed >= 0) {
        cboSoundOff_->setCurrentIndex(listed);
    } else {
        cboSoundOff_->setEditText(soundOff);
    }
    for (int i = 0; i < SongCount; ++i) {
        chkMidi_[static_cast<size_t>(i)]->setChecked(
            loader.Check(Music, "Music" + std::to_string(i + 1)));
    }
    loading_ = false;
}
