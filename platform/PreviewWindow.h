#pragma once

#include <QImage>
#include <QRasterWindow>
#include <QSize>
#include <QTimer>
#include <optional>

// Xlib's display, declared as Xlib does; its header defines macros that
// clash with Qt, so only sources include it, after Qt's headers.
typedef struct _XDisplay Display;

// The still picture inside the host's preview area. It becomes a child
// window of the host, fills it, follows its size and ends the program once
// the host window has gone: nothing else would end a preview.
class PreviewWindow : public QRasterWindow {
    Q_OBJECT

public:
    // The host window hostId on display; the picture is scaled to fill it.
    PreviewWindow(Display* display, unsigned long hostId, const QImage& picture);

    // Embeds the window into the host and shows it; false when there is no
    // such host window.
    bool embed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QSize> hostSize() const;
    void checkHost();

    Display* display_;
    unsigned long hostId_;
    QImage picture_;
    QTimer check_;
};
