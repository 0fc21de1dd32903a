#include "platform/system/desktop_services.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <bit>
#include <chrono>

#include "platform/files/locations.h"

namespace platform {
namespace {

const QScreen* primaryScreen() {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
             ? QGuiApplication::primaryScreen()
             : nullptr;
}

QSize primaryScreenSize() {
  const QScreen* screen = primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

std::uint64_t clockSeed() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

bool isExecutableFile(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

// A page on the web (or any address with a scheme of its own) rather than a file.
bool isWebAddress(const QString& path) {
  static const QStringList kSchemes = {"http", "https", "mailto", "file"};
  return kSchemes.contains(QUrl(path).scheme(), Qt::CaseInsensitive);
}

}  // namespace

int QtScreen::widthPixels() const { return primaryScreenSize().width(); }
int QtScreen::heightPixels() const { return primaryScreenSize().height(); }
QRect QtScreen::availableGeometry() const {
  const QScreen* screen = primaryScreen();
  return screen ? screen->availableGeometry() : Screen::availableGeometry();
}

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

SystemRandom::SystemRandom() : engine_(clockSeed()) {}

double SystemRandom::Rnd() {
  // The top 53 bits make a double that is always below 1.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void SystemRandom::Randomize(double seed) {
  engine_.seed(std::bit_cast<std::uint64_t>(seed == 0.0 ? 0.0 : seed));
}

bool DesktopShell::startSuiteProgram(const QString& name) {
  // Only a bare program name may be given: nothing outside the program folder is started.
  if (name.isEmpty() || name.contains('/') || name == "." || name == "..") return false;
  const QString path = locations::programFolder() + '/' + name;
  return isExecutableFile(path) && QProcess::startDetached(path, {});
}

bool DesktopShell::startProgram(const QString& path, const QStringList& arguments) {
  return !path.isEmpty() && QProcess::startDetached(path, arguments);
}

bool DesktopShell::openDocument(const QString& path) {
  if (isWebAddress(path)) return QDesktopServices::openUrl(QUrl(path));
  const QFileInfo info(path);
  return info.exists() && QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

}  // namespace platform
