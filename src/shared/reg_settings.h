#pragma once

#include <QString>

namespace platform {
class Registry;
}

// Named text values a program keeps machine-wide, under SOFTWARE\<AppName>\<Section> of the
// LocalMachine hive. Both raise platform::RuntimeError to the caller:
//   ObjectError(1000/1001/1002)  AppName/Section/Key blank
//   ObjectError(2000 + code)     the store refused (code is the registry's result or value type)
namespace shared {

void SaveRegSetting(platform::Registry& registry, const QString& AppName, const QString& Section,
                    const QString& Key, const QString& Setting);

// The stored text, or Default when the section or value is missing. An empty value reads as "".
QString GetRegSetting(platform::Registry& registry, const QString& AppName, const QString& Section,
                      const QString& Key, const QString& Default);

}  // namespace shared
