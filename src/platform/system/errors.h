#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace platform {

// A numbered run-time error, raised to the caller as the runtime raised it. Handlers that trap
// errors catch it; the handler dispatch reports any that escape.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(std::int32_t number, QString description, QString source = QString())
      : std::runtime_error(description.toStdString()),
        number_(number),
        description_(std::move(description)),
        source_(std::move(source)) {}

  std::int32_t number() const { return number_; }
  const QString& description() const { return description_; }
  const QString& source() const { return source_; }

 private:
  std::int32_t number_;
  QString description_;
  QString source_;
};

// The base of errors that programs raise themselves (&H80040000).
constexpr std::int32_t kObjectErrorBase = static_cast<std::int32_t>(0x80040000u);
constexpr std::int32_t ObjectError(std::int32_t offset) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(kObjectErrorBase) +
                                   static_cast<std::uint32_t>(offset));
}

// A common dialog's Cancel, when the dialog was told to report it as an error.
constexpr std::int32_t kCancelError = 32755;

}  // namespace platform
