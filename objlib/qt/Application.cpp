#include "objlib/qt/Application.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QThread>
#include <cstdlib>

#include "objlib/qt/QtText.h"

namespace {

bool IsSet(const char* value) { return value && *value; }

}  // namespace

bool DisplayAvailable(const char* platform, const char* display, const char* waylandDisplay,
                      std::string& reason) {
    const std::string_view name = IsSet(platform) ? std::string_view(platform) : std::string_view();
    const bool xcb = name.starts_with("xcb");
    const bool wayland = name.starts_with("wayland");
    // Offscreen, vnc, linuxfb and the other plugins need no display server.
    if (!name.empty() && !xcb && !wayland) return true;
    if (!wayland && IsSet(display)) return true;
    if (!xcb && IsSet(waylandDisplay)) return true;
    reason = "no display available: set DISPLAY (or WAYLAND_DISPLAY), or run with QT_QPA_PLATFORM=offscreen";
    return false;
}

bool DisplayAvailable(std::string& reason) {
    return DisplayAvailable(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                            std::getenv("WAYLAND_DISPLAY"), reason);
}

std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv) {
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return app;
}

void RunMessageLoop() { QApplication::exec(); }

void EndMessageLoop() {
    // Outside any loop exit() would leave Qt's quit flag set, and the next modal loop would
    // end the moment it starts.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void ShowInfoBox(std::string_view cp1251Title, std::string_view cp1251Text) {
    QMessageBox box(QMessageBox::Information, ToQString(cp1251Title), ToQString(cp1251Text), QMessageBox::Ok);
    box.exec();
}

QIcon LoadIcon(const QString& resourcePath) {
    return QFile::exists(resourcePath) ? QIcon(resourcePath) : QIcon();
}

Bytes LoadTextResource(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return Bytes();
    const QByteArray data = file.readAll();
    const qsizetype end = data.indexOf('\0');
    return Bytes(std::string_view(data.constData(), static_cast<size_t>(end < 0 ? data.size() : end)));
}
