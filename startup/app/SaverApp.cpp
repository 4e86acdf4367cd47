#include "startup/app/SaverApp.h"

#include "platform/X11Connection.h"

SaverApp::SaverApp(std::string installPath)
    : installPath_(std::move(installPath)),
      draw_(&window_),
      display_(X11Connection::display()),
      host_(window_),
      power_(X11Connection::display()) {
    QObject::connect(&window_, &QWindow::activeChanged, [this] { ActiveChanged(); });
}

SaverApp::~SaverApp() {
    // The form goes first; nothing may reach it after that.
    window_.setEventSink(nullptr);
    draw_.setEventSink(nullptr);
}

bool SaverApp::Start() {
    form_ = std::make_unique<Form1>(SaverServices{draw_, sound_, store_, timers_, draw_.tickClock(),
                                                  dates_, random_, display_, host_, power_,
                                                  installPath_});
    // The whole load sequence (settings, drawing session, pictures, timers)
    // is done before the window appears; the timers and the frame events
    // tick only once the event loop runs.
    window_.setEventSink(form_.get());
    draw_.setEventSink(form_.get());
    form_->Form_Load();
    if (form_->Ended()) {
        return false;
    }
    window_.showSaver();
    host_.SetScreenSaverRunning(true);
    return true;
}

void SaverApp::ActiveChanged() {
    if (form_ && !window_.isActive()) {
        form_->Form_LostFocus();
    }
}
