#include "platform/PreviewWindow.h"

#include <QCoreApplication>
#include <QPainter>

#include "platform/X11ErrorTrap.h"

namespace {

constexpr int HostCheckIntervalMs = 1000;

}  // namespace

PreviewWindow::PreviewWindow(Display* display, unsigned long hostId, const QImage& picture)
    : display_(display), hostId_(hostId), picture_(picture) {
    setTitle(QStringLiteral("Preview"));
    check_.setInterval(HostCheckIntervalMs);
    connect(&check_, &QTimer::timeout, this, &PreviewWindow::checkHost);
}

bool PreviewWindow::embed() {
    const std::optional<QSize> size = hostSize();
    if (!size) {
        return false;
    }
    // The wrapper of the host window is a plain QObject parent of this
    // window; Qt never destroys the foreign window it stands for.
    QWindow* host = QWindow::fromWinId(static_cast<WId>(hostId_));
    setFlags(Qt::FramelessWindowHint);
    setParent(host);
    setGeometry(QRect(QPoint(0, 0), *size));
    show();
    check_.start();
    return true;
}

std::optional<QSize> PreviewWindow::hostSize() const {
    if (display_ == nullptr || hostId_ == 0) {
        return std::nullopt;
    }
    XWindowAttributes attributes{};
    Status status = 0;
    {
        // Another program's window may be gone by now.
        const X11ErrorTrap trap(display_);
        status = XGetWindowAttributes(display_, hostId_, &attributes);
    }
    if (status == 0) {
        return std::nullopt;
    }
    return QSize(attributes.width, attributes.height);
}

void PreviewWindow::checkHost() {
    const std::optional<QSize> size = hostSize();
    if (!size) {
        check_.stop();
        QCoreApplication::quit();
        return;
    }
    if (*size != this->size()) {
        resize(*size);
    }
}

void PreviewWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(QRect(QPoint(0, 0), size()), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size()), picture_);
}
