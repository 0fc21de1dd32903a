#include "shared/reg_settings.h"

#include "platform/system/errors.h"
#include "platform/files/registry.h"
#include "platform/system/runtime_library.h"

namespace shared {
namespace {

using platform::Hive;
using platform::ObjectError;
using platform::RuntimeError;

[[noreturn]] void raise(std::int32_t offset, const char* description, const char* source) {
  throw RuntimeError(ObjectError(offset), QString::fromLatin1(description),
                     QString::fromLatin1(source));
}

// The section's key path, after checking that no part of it is blank. The value name is
// checked trimmed but used as given.
QString sectionPath(const QString& AppName, const QString& Section, const QString& Key,
                    const char* source) {
  const QString app = platform::rtl::Trim(AppName);
  const QString section = platform::rtl::Trim(Section);
  if (app.isEmpty()) raise(1000, "AppName may not be empty", source);
  if (section.isEmpty()) raise(1001, "Section may not be empty", source);
  if (platform::rtl::Trim(Key).isEmpty()) raise(1002, "Key may not be empty", source);
  return QStringLiteral("SOFTWARE\\") + app + QLatin1Char('\\') + section;
}

}  // namespace

void SaveRegSetting(platform::Registry& registry, const QString& AppName, const QString& Section,
                    const QString& Key, const QString& Setting) {
  constexpr const char* source = "SaveRegSetting";
  const QString path = sectionPath(AppName, Section, Key, source);
  if (const long code = registry.createKey(Hive::LocalMachine, path);
      code != platform::kRegSuccess) {
    raise(2000 + static_cast<std::int32_t>(code), "Could not open/create registry section",
          source);
  }
  platform::RegValue value;
  value.type = platform::kRegString;
  value.text = Setting;
  if (const long code = registry.setValue(Hive::LocalMachine, path, Key, value);
      code != platform::kRegSuccess) {
    raise(2000 + static_cast<std::int32_t>(code), "Could not set key value", source);
  }
}

QString GetRegSetting(platform::Registry& registry, const QString& AppName, const QString& Section,
                      const QString& Key, const QString& Default) {
  constexpr const char* source = "GetRegSetting";
  const QString path = sectionPath(AppName, Section, Key, source);
  const long opened = registry.openKey(Hive::LocalMachine, path);
  if (opened == platform::kRegNotFound) return Default;
  if (opened != platform::kRegSuccess) {
    raise(2000 + static_cast<std::int32_t>(opened), "Could not open registry section", source);
  }
  platform::RegValue value;
  if (registry.queryValue(Hive::LocalMachine, path, Key, value) != platform::kRegSuccess) {
    return Default;
  }
  if (value.type != platform::kRegString) {
    raise(2000 + static_cast<std::int32_t>(value.type), "Registry data not a string", source);
  }
  // The store keeps text without a terminating null, so the value is returned whole.
  return value.text;
}

}  // namespace shared
