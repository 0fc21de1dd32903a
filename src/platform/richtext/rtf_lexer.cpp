#include "platform/richtext/rtf_lexer.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace platform::rtf {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

Token simple(Token::Kind kind) {
  Token t;
  t.kind = kind;
  return t;
}

}  // namespace

Token Lexer::next() {
  if (pos_ == end_) return simple(Token::Kind::End);
  switch (*pos_) {
    case '{':
      ++pos_;
      return simple(Token::Kind::GroupStart);
    case '}':
      ++pos_;
      return simple(Token::Kind::GroupEnd);
    case '\\':
      ++pos_;
      if (pos_ == end_) return simple(Token::Kind::End);
      return isLetter(*pos_) ? controlWord() : controlSymbol();
    default:
      return text();
  }
}

Token Lexer::controlWord() {
  Token t;
  t.kind = Token::Kind::ControlWord;
  const char* start = pos_;
  while (pos_ != end_ && isLetter(*pos_)) ++pos_;
  t.word = std::string_view(start, std::size_t(pos_ - start));
  t.param = parameter(t.hasParam);
  if (pos_ != end_ && *pos_ == ' ') ++pos_;
  if (t.word == "bin" && t.hasParam) t.binary = skipBinary(t.param);
  return t;
}

// Digits beyond what an int holds saturate rather than overflow.
int Lexer::parameter(bool& present) {
  bool negative = false;
  if (end_ - pos_ >= 2 && *pos_ == '-' && isDigit(pos_[1])) {
    negative = true;
    ++pos_;
  }
  present = pos_ != end_ && isDigit(*pos_);
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{INT_MAX} + 1;
  for (; pos_ != end_ && isDigit(*pos_); ++pos_)
    value = std::min(kLimit, value * 10 + (*pos_ - '0'));
  if (negative) value = -value;
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::string_view Lexer::skipBinary(int length) {
  if (length <= 0) return {};
  const char* start = pos_;
  pos_ += std::min<std::ptrdiff_t>(length, end_ - pos_);
  return std::string_view(start, std::size_t(pos_ - start));
}

Token Lexer::controlSymbol() {
  Token t;
  const char c = *pos_++;
  if (c == '\'' && end_ - pos_ >= 2) {
    const int high = hexValue(pos_[0]);
    const int low = hexValue(pos_[1]);
    if (high >= 0 && low >= 0) {
      pos_ += 2;
      t.kind = Token::Kind::HexByte;
      t.byte = static_cast<unsigned char>(high * 16 + low);
      return t;
    }
  }
  t.kind = Token::Kind::ControlSymbol;
  t.symbol = c;
  return t;
}

Token Lexer::text() {
  Token t;
  t.kind = Token::Kind::Text;
  const char* start = pos_;
  while (pos_ != end_ && *pos_ != '{' && *pos_ != '}' && *pos_ != '\\') ++pos_;
  t.word = std::string_view(start, std::size_t(pos_ - start));
  return t;
}

}  // namespace platform::rtf
