#pragma once

#include <QString>
#include <QVariant>
#include <map>

// The two registry hives the programs use, kept as one file each under the registry folder
// and written atomically. Results are Win32 codes, so callers report them as Windows did.
namespace platform {

enum class Hive { LocalMachine, CurrentUser };

enum RegResult : long { kRegSuccess = 0, kRegNotFound = 2, kRegAccessDenied = 5 };
enum RegType : long { kRegNone = 0, kRegString = 1, kRegNumber = 4 };

struct RegValue {
  RegType type = kRegNone;
  QString text;          // kRegString
  quint32 number = 0;    // kRegNumber
};

class Registry {
 public:
  // Hive files live in `folder` ("machine.reg" and "user.reg"); defaults to the registry folder.
  explicit Registry(QString folder = QString());

  // Key paths use backslashes ("SOFTWARE\\Quillora\\Setting") and match without regard to case.
  // Creating needs a writable store: a read-only hive file or folder gives kRegAccessDenied.
  long createKey(Hive hive, const QString& keyPath);
  long openKey(Hive hive, const QString& keyPath) const;  // kRegSuccess or kRegNotFound
  long setValue(Hive hive, const QString& keyPath, const QString& name, const RegValue& value);
  long queryValue(Hive hive, const QString& keyPath, const QString& name, RegValue& value) const;
  long deleteValue(Hive hive, const QString& keyPath, const QString& name);

 private:
  QString folder_;
};

}  // namespace platform
