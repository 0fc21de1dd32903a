#pragma once

#include <QString>
#include <optional>

// The teacher password is never stored: the check file holds the sum of its characters' codes.
namespace vocabulary {

// The sum of the Windows-1252 codes of the characters (a character the code page lacks counts as
// "?"); nothing when the sum passes 32767, the largest a check file can hold.
std::optional<int> PasswordSum(const QString& password);

// The check file "password.txt" in the password folder of the data root.
QString PasswordCheckFilePath();
// Its first line; nothing when there is no readable check file.
std::optional<QString> ReadPasswordValue();

// True when the typed text's sum is the number that PasswordValue starts with.
bool PasswordAccepted(const QString& typed, const QString& passwordValue);

}  // namespace vocabulary
