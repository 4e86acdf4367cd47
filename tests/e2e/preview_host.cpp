// A stand-in for the screensaver host's preview area: a 153 x 115 window
// whose id it prints, which closes itself after the given number of seconds
// (default 5), so the tests can watch the embedded preview end with it.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString(argv[1]).toInt() : 5;
    QWidget host;
    host.setWindowTitle(QStringLiteral("Preview host"));
    host.setFixedSize(153, 115);
    host.setStyleSheet(QStringLiteral("background: #204080"));
    host.show();
    std::printf("%llu\n", static_cast<unsigned long long>(host.winId()));
    std::fflush(stdout);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return QApplication::exec();
}
