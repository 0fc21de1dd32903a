#pragma once

#include <QString>

namespace platform {

class Registry;

// The per-user settings store of the runtime (program, section, key -> text), kept in the
// per-user registry hive. Reads never fail: a missing key gives the default.
class UserSettings {
 public:
  explicit UserSettings(Registry& registry);
  QString get(const QString& program, const QString& section, const QString& key,
              const QString& defaultValue = QString()) const;
  // Returns false when the store could not be written.
  bool save(const QString& program, const QString& section, const QString& key,
            const QString& value);

 private:
  Registry& registry_;
};

}  // namespace platform
