#include "settings/dialog/SettingsTab.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const std::string Settings(SettingsSection);

QGroupBox* Frame(const QString& name, const QString& title, const QString& tooltip) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(name);
    frame->setToolTip(tooltip);
    return frame;
}

QLabel* Label(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

// The box beside a slider only shows its position; typing there would change
// nothing, so it takes no input and no focus.
QLineEdit* NumberBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFixedWidth(40);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void Compact(QLayout* layout) {
    layout->setContentsMargins(6, 1, 6, 3);
    layout->setSpacing(2);
}

}  // namespace

SettingsTab::SettingsTab(SettingsStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    auto* top = new QHBoxLayout;
    top->addWidget(MessageFrame(), 3);
    top->addWidget(MouseFrame(), 2);

    auto* middle = new QHBoxLayout;
    middle->addWidget(GreetingFrame(), 4);
    middle->addWidget(BorderAndCountDown(), 4);
    middle->addWidget(CalendarFrame(), 3);

    auto* bottom = new QGridLayout;
    bottom->setSpacing(4);
    bottom->addWidget(BackgroundFrame(), 0, 0);
    bottom->addWidget(LayersFrame(), 0, 1);
    bottom->addWidget(PowerSave(), 1, 0, 1, 2, Qt::AlignRight);
    bottom->setColumnStretch(0, 1);

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 4, 6, 2);
    rows->setSpacing(3);
    rows->addLayout(top);
    rows->addLayout(middle);
    rows->addLayout(bottom);
    rows->addStretch();
}

void SettingsTab::Save(const std::string& key, const std::string& value) {
    if (!loading_) {
        store_.SaveSetting(Settings, key, value);
    }
}

QCheckBox* SettingsTab::Check(const QString& name, const QString& caption, const std::string& key) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this,
            [this, key](bool checked) { Save(key, checked ? "1" : "0"); });
    return box;
}

QSlider* SettingsTab::Slider(const QString& name, int minimum, int maximum, QLineEdit* numberBox,
                             const std::string& key) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    // Writes follow the thumb while it is dragged, as every other change.
    slider->setTracking(true);
    connect(slider, &QSlider::valueChanged, this, [this, numberBox, key](int position) {
        numberBox->setText(QString::number(position));
        Save(key, std::to_string(position));
    });
    return slider;
}

QLineEdit* SettingsTab::TextBox(const QString& name, const std::string& key) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    connect(box, &QLineEdit::textChanged, this,
            [this, key](const QString& text) { Save(key, text.toStdString()); });
    return box;
}

QGroupBox* SettingsTab::MessageFrame() {
    QGroupBox* frame = Frame("Frame25", "Show Message", "Displays a message you type on screen");
    chkShowMessage_ = Check("chkShowMessage", "Show Message", "ShowMsg");
    QLabel* typeLabel = Label("Label39", "Type your message below:");
    txtMessage_ = TextBox("txtMessage", "Message");
    typeLabel->setBuddy(txtMessage_);
    QLabel* sizeLabel = Label("Label38", "Font Size:");
    txtFontSizeMsg_ = TextBox("txtFontSizeMsg", "FontSize");
    txtFontSizeMsg_->setFixedWidth(40);
    sizeLabel->setBuddy(txtFontSizeMsg_);

    auto* grid = new QGridLayout(frame);
    Compact(grid);
    grid->addWidget(chkShowMessage_, 0, 0, 1, 3);
    grid->addWidget(typeLabel, 1, 0, 1, 3);
    grid->addWidget(txtMessage_, 2, 0);
    grid->addWidget(sizeLabel, 2, 1);
    grid->addWidget(txtFontSizeMsg_, 2, 2);
    return frame;
}

QGroupBox* SettingsTab::MouseFrame() {
    QGroupBox* frame = Frame("Frame23", "Mouse Sensitivity", "Change the sensitivity of the mouse");
    txtMouseS_ = NumberBox("txtMouseS");
    hsbMouseS_ = Slider("hsbMouseS", 2, 20, txtMouseS_, "MouseSen");
    hsbMouseS_->setPageStep(2);

    auto* grid = new QGridLayout(frame);
    Compact(grid);
    grid->addWidget(hsbMouseS_, 0, 0, 1, 2);
    grid->addWidget(txtMouseS_, 0, 2);
    grid->addWidget(Label("Label32", "Light Touch"), 1, 0, Qt::AlignLeft);
    grid->addWidget(Label("Label33", "HeavyTouch"), 1, 1, Qt::AlignRight);
    grid->setRowStretch(2, 1);
    return frame;
}

QGroupBox* SettingsTab::GreetingFrame() {
    QGroupBox* frame = Frame("Frame2", "Show Merry Christmas Text",
                             "Shows the Merry Christmas graphic and move it around the screen");
    chkXmasText_ = Check("chkXmasText", "Show Christmas Text", "ShowXmas");
    chkMove_ = Check("chkMove", "Move text around screen", "MoveText");
    // Moving the greeting means nothing while it is hidden; its own setting
    // stays as it is.
    connect(chkXmasText_, &QCheckBox::toggled, chkMove_, &QWidget::setEnabled);

    auto* column = new QVBoxLayout(frame);
    Compact(column);
    column->addWidget(chkXmasText_);
    column->addWidget(chkMove_);
    column->addStretch();
    return frame;
}

QWidget* SettingsTab::BorderAndCountDown() {
    QGroupBox* border = Frame("Frame3", "Show Border", "Turn on and off the candy cane border");
    chkBorder_ = Check("chkBorder", "Show Christmas Border", "Border");
    auto* borderLayout = new QVBoxLayout(border);
    Compact(borderLayout);
    borderLayout->addWidget(chkBorder_);

    QGroupBox* countDown = Frame("Frame6", "Countdown to Christmas", QString());
    chkCountDown_ = Check("chkCountDown", "Display the countdown", "CountDown");
    auto* countDownLayout = new QVBoxLayout(countDown);
    Compact(countDownLayout);
    countDownLayout->addWidget(chkCountDown_);

    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(border);
    layout->addWidget(countDown);
    return column;
}

QGroupBox* SettingsTab::CalendarFrame() {
    QGroupBox* frame = Frame("Frame1", "Calendar/Clock", "Display the calendar and Clock");
    chkCalendar_ = Check("chkCalendar", "Show", "Calendar");
    QLabel* positionLabel = Label("Label11", "Position on Screen");

    // A small picture of the screen with one option button in each corner.
    auto* screen = new QFrame;
    screen->setObjectName("Shape1");
    screen->setFrameShape(QFrame::Box);
    screen->setFixedSize(64, 46);
    auto* corners = new QGridLayout(screen);
    corners->setContentsMargins(2, 2, 2, 2);
    const char* const places[] = {"Top left", "Bottom left", "Top right", "Bottom right"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton;
        option->setObjectName(QString("optCal(%1)").arg(i));
        option->setAccessibleName(places[i]);
        connect(option, &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected) {
                Save("CalPos", std::to_string(i));
            }
        });
        // 0 top left, 1 bottom left, 2 top right, 3 bottom right.
        corners->addWidget(
            option, i % 2, i / 2,
            (i % 2 ? Qt::AlignBottom : Qt::AlignTop) | (i / 2 ? Qt::AlignRight : Qt::AlignLeft));
        optCal_[static_cast<size_t>(i)] = option;
    }

    auto* grid = new QGridLayout(frame);
    Compact(grid);
    grid->addWidget(chkCalendar_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(positionLabel, 0, 1, Qt::AlignHCenter);
    grid->addWidget(screen, 1, 1, Qt::AlignHCenter);
    return frame;
}

QGroupBox* SettingsTab::BackgroundFrame() {
    QGroupBox* frame = Frame("Frame4", "Background Graphics",
                             "Select the background graphics you wish to use and adjust the "
                             "speed at which they rotate");
    const char* const captions[] = {"Scene # 1", "Scene # 2", "Scene # 3", "Scene # 4", "Gradient"};
    auto* grid = new QGridLayout(frame);
    Compact(grid);
    for (int i = 0; i < BackgroundCount; ++i) {
        QCheckBox* box = Check(QString("chkBG(%1)").arg(i), captions[i], "BG" + std::to_string(i));
        chkBG_[static_cast<size_t>(i)] = box;
        grid->addWidget(box, i % 3, i / 3);
    }
    cmdHelpPic_ = new QPushButton("&Help");
    cmdHelpPic_->setObjectName("cmdHelpPic");
    grid->addWidget(cmdHelpPic_, 2, 1);

    txtRotate_ = NumberBox("txtRotate");
    hsbRotate_ = Slider("hsbRotate", 30, 300, txtRotate_, "Rotate");
    hsbRotate_->setSingleStep(5);
    hsbRotate_->setPageStep(30);
    QLabel* speed = Label("Label4", "FAST -----  Rotation Speed -----  SLOW");
    QLabel* keys = Label("Label5",
                         "Press the UP and DOWN keys to change the background while the "
                         "screensaver is running");
    keys->setWordWrap(true);

    auto* rotation = new QGridLayout;
    rotation->setSpacing(2);
    rotation->addWidget(hsbRotate_, 0, 0);
    rotation->addWidget(txtRotate_, 0, 1);
    rotation->addWidget(speed, 1, 0, Qt::AlignHCenter);
    rotation->addWidget(keys, 2, 0, 1, 2, Qt::AlignTop);
    rotation->setRowStretch(2, 1);
    grid->addLayout(rotation, 0, 2, 3, 1);
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* SettingsTab::LayersFrame() {
    QGroupBox* frame =
        Frame("Frame5", "Snowflake Layers",
              "Show the snowflakes.  If the snow appears jittery, try unchecking a layer and "
              "see if that helps.");
    const char* const captions[] = {"Show front layer", "Show mid layer", "Show back layer"};
    auto* column = new QVBoxLayout(frame);
    Compact(column);
    for (int i = 0; i < LayerCount; ++i) {
        QCheckBox* box =
            Check(QString("chkLayer(%1)").arg(i), captions[i], "Layer" + std::to_string(i + 1));
        chkLayer_[static_cast<size_t>(i)] = box;
        column->addWidget(box);
    }
    column->addStretch();
    return frame;
}

QCheckBox* SettingsTab::PowerSave() {
    chkPowerSave_ = Check("chkPowerSave", "Disable any Power Saving settings", "PwrSave");
    chkPowerSave_->setToolTip(
        "If you have your Monitor set to turn off enabling this will keep that setting, "
        "otherwise the screensaver will ignore those settings");
    return chkPowerSave_;
}

void SettingsTab::Load(DialogLoader& loader) {
    loading_ = true;
    hsbMouseS_->setValue(loader.Position("MouseSen", 2, 20));
    chkXmasText_->setChecked(loader.Check(Settings, "ShowXmas"));
    chkShowMessage_->setChecked(loader.Check(Settings, "ShowMsg"));
    txtFontSizeMsg_->setText(QString::fromStdString(loader.Text("FontSize")));
    txtMessage_->setText(QString::fromStdString(loader.Text("Message")));
    chkBorder_->setChecked(loader.Check(Settings, "Border"));
    chkMove_->setChecked(loader.Check(Settings, "MoveText"));
    hsbRotate_->setValue(loader.Position("Rotate", 30, 300));
    for (int i = 0; i < BackgroundCount; ++i) {
        chkBG_[static_cast<size_t>(i)]->setChecked(
            loader.Check(Settings, "BG" + std::to_string(i)));
    }
    optCal_[static_cast<size_t>(loader.CalendarPosition())]->setChecked(true);
    chkCalendar_->setChecked(loader.Check(Settings, "Calendar"));
    for (int i = 0; i < LayerCount; ++i) {
        chkLayer_[static_cast<size_t>(i)]->setChecked(
            loader.Check(Settings, "Layer" + std::to_string(i + 1)));
    }
    chkCountDown_->setChecked(loader.Check(Settings, "CountDown"));
    chkPowerSave_->setChecked(loader.Check(Settings, "PwrSave"));
    loading_ = false;

    // A slider already at the loaded position raises no change, yet its box
    // must show the number all the same.
    txtMouseS_->setText(QString::number(hsbMouseS_->value()));
    txtRotate_->setText(QString::number(hsbRotate_->value()));
    chkMove_->setEnabled(chkXmasText_->isChecked());
}
