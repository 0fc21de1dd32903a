#include "vocabulary/password_check.h"

#include "platform/files/cp1252.h"
#include "platform/files/locations.h"
#include "platform/files/textfile.h"
#include "platform/system/runtime_library.h"

namespace vocabulary {

std::optional<int> PasswordSum(const QString& password) {
  constexpr int kLargestSum = 32767;
  int sum = 0;
  for (const QChar c : password) {
    unsigned char code = 0;
    if (!platform::cp1252::fromUnicode(c, code)) code = '?';
    sum += code;
    if (sum > kLargestSum) return std::nullopt;
  }
  return sum;
}

QString PasswordCheckFilePath() {
  return platform::locations::resolve(platform::locations::passwordFolder(),
                                      QStringLiteral("password.txt"));
}

std::optional<QString> ReadPasswordValue() {
  const std::optional<QStringList> lines = platform::textfile::readLines(PasswordCheckFilePath());
  if (!lines) return std::nullopt;
  return lines->isEmpty() ? QString() : lines->first();
}

bool PasswordAccepted(const QString& typed, const QString& passwordValue) {
  const std::optional<int> sum = PasswordSum(typed);
  return sum && platform::rtl::Val(passwordValue) == static_cast<double>(*sum);
}

}  // namespace vocabulary
