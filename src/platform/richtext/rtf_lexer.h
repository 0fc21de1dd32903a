#pragma once

#include <string_view>

// Splits RTF bytes into groups, control words, control symbols, \'hh bytes and text runs.
namespace platform::rtf {

struct Token {
  enum class Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

  Kind kind = Kind::End;
  std::string_view word;  // the control word's name, or the bytes of a text run
  int param = 0;          // clamped to the int range
  bool hasParam = false;
  char symbol = 0;
  unsigned char byte = 0;
  std::string_view binary;  // the data following \binN
};

class Lexer {
 public:
  explicit Lexer(std::string_view input) : pos_(input.data()), end_(input.data() + input.size()) {}

  // The next token; Kind::End once the input is used up. The binary data of \binN comes with
  // its control word, so that no reader can mistake it for text or braces.
  Token next();

 private:
  Token controlWord();
  Token controlSymbol();
  Token text();
  int parameter(bool& present);
  std::string_view skipBinary(int length);

  // Plain pointers keep the per-byte loops fast in unoptimised builds too.
  const char* pos_;
  const char* end_;
};

}  // namespace platform::rtf
