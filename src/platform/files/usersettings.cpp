#include "platform/files/usersettings.h"

#include "platform/files/registry.h"

namespace platform {
namespace {

QString sectionKey(const QString& program, const QString& section) {
  return QStringLiteral("Software\\Scribary\\Program Settings\\%1\\%2").arg(program, section);
}

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

// A blank program or section would address a parent key, where no read would find the value.
bool addressable(const QString& program, const QString& section, const QString& key) {
  return !isBlank(program) && !isBlank(section) && !key.isEmpty();
}

}  // namespace

UserSettings::UserSettings(Registry& registry) : registry_(registry) {}

QString UserSettings::get(const QString& program, const QString& section, const QString& key,
                          const QString& defaultValue) const {
  if (!addressable(program, section, key)) return defaultValue;
  RegValue value;
  const long result =
      registry_.queryValue(Hive::CurrentUser, sectionKey(program, section), key, value);
  return result == kRegSuccess && value.type == kRegString ? value.text : defaultValue;
}

bool UserSettings::save(const QString& program, const QString& section, const QString& key,
                        const QString& value) {
  if (!addressable(program, section, key)) return false;
  const QString path = sectionKey(program, section);
  return registry_.createKey(Hive::CurrentUser, path) == kRegSuccess &&
         registry_.setValue(Hive::CurrentUser, path, key, RegValue{kRegString, value, 0}) ==
             kRegSuccess;
}

}  // namespace platform
