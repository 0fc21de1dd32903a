#include "platform/files/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <optional>

#include "platform/files/locations.h"
#include "platform/files/textfile.h"

namespace platform {
namespace {

// A hive file holds {"keys": [{"path": ..., "values": [{"name", "type", "text"|"number"}]}]}.
// Keys and values keep the spelling they were created with and are found without regard to
// case; every ancestor of a key is a key of its own.
struct NamedValue {
  QString name;
  RegValue value;
};

struct Key {
  QString path;
  std::map<QString, NamedValue> values;  // by case-folded name
};

using Keys = std::map<QString, Key>;  // by case-folded path

QString fold(const QString& text) { return text.toCaseFolded(); }

QString normalPath(const QString& keyPath) {
  return keyPath.split('\\', Qt::SkipEmptyParts).join('\\');
}

QString hiveFile(const QString& folder, Hive hive) {
  return folder + (hive == Hive::LocalMachine ? "/machine.reg" : "/user.reg");
}

std::optional<RegValue> valueFromJson(const QJsonObject& object) {
  RegValue value;
  const qint64 type = object.value("type").toInteger(-1);
  if (type == kRegString) {
    value.type = kRegString;
    value.text = object.value("text").toString();
  } else if (type == kRegNumber) {
    const qint64 number = object.value("number").toInteger(-1);
    if (number < 0 || number > 0xFFFFFFFFLL) return std::nullopt;
    value.type = kRegNumber;
    value.number = static_cast<quint32>(number);
  } else if (type != kRegNone) {
    return std::nullopt;
  }
  return value;
}

QJsonObject valueToJson(const NamedValue& named) {
  QJsonObject object{{"name", named.name}, {"type", static_cast<qint64>(named.value.type)}};
  if (named.value.type == kRegString) object.insert("text", named.value.text);
  if (named.value.type == kRegNumber)
    object.insert("number", static_cast<qint64>(named.value.number));
  return object;
}

// Adds `path` and each of its ancestors that is missing, keeping existing spellings.
void addKeyPath(Keys& keys, const QString& path) {
  QString spelled;
  for (const QString& component : path.split('\\', Qt::SkipEmptyParts)) {
    spelled = spelled.isEmpty() ? component : spelled + '\\' + component;
    Key& key = keys.try_emplace(fold(spelled), Key{spelled, {}}).first->second;
    spelled = key.path;
  }
}

// Unreadable, corrupt or foreign content reads as an empty hive; the file is left as it is.
Keys readHive(const QString& file) {
  QFile input(file);
  if (!input.open(QIODevice::ReadOnly)) return {};
  const QJsonDocument document = QJsonDocument::fromJson(input.readAll());
  Keys keys{{QString(), Key{}}};  // the hive itself
  for (const QJsonValue& keyJson : document.object().value("keys").toArray()) {
    const QString path = normalPath(keyJson.toObject().value("path").toString());
    addKeyPath(keys, path);
    Key& key = keys.at(fold(path));
    for (const QJsonValue& valueJson : keyJson.toObject().value("values").toArray()) {
      const QString name = valueJson.toObject().value("name").toString();
      if (const auto value = valueFromJson(valueJson.toObject())) {
        key.values.try_emplace(fold(name), NamedValue{name, *value});
      }
    }
  }
  return keys;
}

bool writeHive(const QString& folder, const QString& file, const Keys& keys) {
  QJsonArray keysJson;
  for (const auto& [folded, key] : keys) {
    QJsonArray valuesJson;
    for (const auto& [foldedName, named] : key.values) valuesJson.append(valueToJson(named));
    keysJson.append(QJsonObject{{"path", key.path}, {"values", valuesJson}});
  }
  const QByteArray bytes = QJsonDocument(QJsonObject{{"keys", keysJson}}).toJson();
  return QDir().mkpath(folder) && textfile::writeBytesAtomic(file, bytes).isEmpty();
}

// The permission bits decide, not access(): the programs may run as root, which access()
// always lets through, while a read-only store must stay read-only.
bool ownerMayWrite(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.permissions().testFlag(QFileDevice::WriteOwner);
}

bool storeWritable(const QString& folder, const QString& file) {
  return ownerMayWrite(folder) && ownerMayWrite(file);
}

// The key at `path`, or nothing; the empty path is the hive itself, which always exists.
Key* findKey(Keys& keys, const QString& path) {
  const auto found = keys.find(fold(path));
  return found == keys.end() ? nullptr : &found->second;
}

void assign(Key& key, const QString& name, const RegValue& value) {
  const auto [entry, added] = key.values.try_emplace(fold(name), NamedValue{name, value});
  if (!added) entry->second.value = value;
}

// The folder is looked up on each use, so a default store follows the current data root.
QString storeFolder(const QString& configured) {
  return configured.isEmpty() ? locations::registryFolder() : configured;
}

}  // namespace

Registry::Registry(QString folder) : folder_(std::move(folder)) {}

long Registry::createKey(Hive hive, const QString& keyPath) {
  const QString folder = storeFolder(folder_);
  const QString file = hiveFile(folder, hive);
  if (!storeWritable(folder, file)) return kRegAccessDenied;
  Keys keys = readHive(file);
  addKeyPath(keys, normalPath(keyPath));
  return writeHive(folder, file, keys) ? kRegSuccess : kRegAccessDenied;
}

long Registry::openKey(Hive hive, const QString& keyPath) const {
  Keys keys = readHive(hiveFile(storeFolder(folder_), hive));
  return findKey(keys, normalPath(keyPath)) ? kRegSuccess : kRegNotFound;
}

long Registry::setValue(Hive hive, const QString& keyPath, const QString& name,
                        const RegValue& value) {
  const QString folder = storeFolder(folder_);
  const QString file = hiveFile(folder, hive);
  Keys keys = readHive(file);
  Key* key = findKey(keys, normalPath(keyPath));
  if (!key) return kRegNotFound;
  if (!storeWritable(folder, file)) return kRegAccessDenied;
  assign(*key, name, value);
  return writeHive(folder, file, keys) ? kRegSuccess : kRegAccessDenied;
}

long Registry::queryValue(Hive hive, const QString& keyPath, const QString& name,
                          RegValue& value) const {
  Keys keys = readHive(hiveFile(storeFolder(folder_), hive));
  const Key* key = findKey(keys, normalPath(keyPath));
  if (!key) return kRegNotFound;
  const auto found = key->values.find(fold(name));
  if (found == key->values.end()) return kRegNotFound;
  value = found->second.value;
  return kRegSuccess;
}

long Registry::deleteValue(Hive hive, const QString& keyPath, const QString& name) {
  const QString folder = storeFolder(folder_);
  const QString file = hiveFile(folder, hive);
  Keys keys = readHive(file);
  Key* key = findKey(keys, normalPath(keyPath));
  if (!key) return kRegNotFound;
  if (!storeWritable(folder, file)) return kRegAccessDenied;
  if (key->values.erase(fold(name)) == 0) return kRegNotFound;
  return writeHive(folder, file, keys) ? kRegSuccess : kRegAccessDenied;
}

}  // namespace platform
