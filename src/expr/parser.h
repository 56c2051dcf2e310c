// The expression language's tokenizer and recursive-descent parser.
#pragma once

#include <memory>
#include <string>

#include "expr/expr.h"

namespace sm {

enum class TokenKind { End, Open, Close, Comma, Function, Name, Number, Invalid };

class TParser {
 public:
  // `catalogue` answers which names are logged series; `airspace_code`
  // replaces "#" in names.
  explicit TParser(const SeriesCatalogue& catalogue) : catalogue_(catalogue) {}

  void SetText(const std::string& text, const std::string& airspace_code);
  TokenKind NextToken();
  const std::string& Token() const { return token_; }

  // Parses one item; whatever follows it is not read. Nothing when the text
  // does not parse. Throws std::runtime_error for a "%" name that is not
  // catalogued and for a "%" or "^" with no name after it.
  std::unique_ptr<TExpr> ParseItem();

  // The whole job: SetText, then ParseItem; nothing when the tokenizer met a
  // character of no token class or a "@" word without "(".
  std::unique_ptr<TExpr> Parse(const std::string& text, const std::string& airspace_code);

 private:
  char ReadChar();
  void StepBack() { --position_; }
  void ParseArguments(TExpr& node);
  std::unique_ptr<TExpr> ResolveName(std::string name);
  bool Analog(const std::string& name) const;

  const SeriesCatalogue& catalogue_;
  std::string text_;
  size_t position_ = 0;  // index of the next character
  std::string token_;
  std::string code_;
  bool bad_token_ = false;
};

}  // namespace sm
