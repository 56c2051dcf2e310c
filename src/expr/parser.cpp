#include "expr/parser.h"

#include <stdexcept>

#include "core/text.h"
#include "expr/functions.h"

namespace sm {
namespace {

constexpr char kEndOfText = '$';

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return IsLetter(c) || c == '#' || c == '%' || c == '^' || c == '~'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c) || c == '_'; }
bool IsNumberChar(char c) { return IsDigit(c) || c == '.'; }

}  // namespace

void TParser::SetText(const std::string& text, const std::string& airspace_code) {
  text_ = text;
  position_ = 0;
  code_ = ToUpperAscii(airspace_code);
  bad_token_ = false;
}

char TParser::ReadChar() {
  char c = position_ < text_.size() ? text_[position_] : kEndOfText;
  ++position_;
  return c;
}

TokenKind TParser::NextToken() {
  token_.clear();
  char c = ReadChar();
  while (c == ' ') c = ReadChar();
  if (c == kEndOfText) return TokenKind::End;
  if (c == '(') return TokenKind::Open;
  if (c == ')') return TokenKind::Close;
  if (c == ',') return TokenKind::Comma;
  auto take_run = [&](bool (*in_class)(char)) {
    token_.push_back(c);
    for (char n = ReadChar(); in_class(n) && n != kEndOfText; n = ReadChar()) token_.push_back(n);
    StepBack();
  };
  if (IsNameStart(c)) {
    take_run(IsNameChar);
    return TokenKind::Name;
  }
  if (IsNumberChar(c)) {
    take_run(IsNumberChar);
    return TokenKind::Number;
  }
  if (c == '@') {
    token_.push_back('@');
    for (char n = ReadChar(); n != '('; n = ReadChar()) {
      if (n == kEndOfText && position_ > text_.size()) {
        bad_token_ = true;  // a function word that never opens its arguments
        return TokenKind::Invalid;
      }
      token_.push_back(n);
    }
    StepBack();
    return TokenKind::Function;
  }
  bad_token_ = true;
  return TokenKind::Invalid;
}

std::unique_ptr<TExpr> TParser::ParseItem() {
  std::unique_ptr<TExpr> node;
  switch (NextToken()) {
    case TokenKind::Close:
      StepBack();
      return nullptr;
    case TokenKind::Function: {
      std::unique_ptr<TExprAtFunc> f = CreateFunction(ToUpperAscii(token_));
      if (!f) return nullptr;
      ParseArguments(*f);
      node = std::move(f);
      break;
    }
    case TokenKind::Name:
      node = ResolveName(token_);
      break;
    case TokenKind::Number: {
      double value;
      node = std::make_unique<TExprConst>(TryParseDouble(token_, value) ? static_cast<float>(value) : 1.0f);
      break;
    }
    default:
      return nullptr;
  }
  if (node && !node->IsValid()) return nullptr;
  return node;
}

void TParser::ParseArguments(TExpr& node) {
  NextToken();  // normally the "(" after the function name
  for (;;) {
    if (auto item = ParseItem()) node.args.push_back(std::move(item));
    TokenKind separator = NextToken();
    if (separator == TokenKind::Close || separator == TokenKind::End || separator == TokenKind::Invalid) break;
  }
}

bool TParser::Analog(const std::string& name) const {
  auto kind = catalogue_.KindOf(name);
  if (!kind) throw std::runtime_error("Series \"" + name + "\" is not in the catalogue");
  return !kind->empty() && (*kind)[0] == 'A';
}

std::unique_ptr<TExpr> TParser::ResolveName(std::string name) {
  if (name == "NumDays" || name == "Interval") return std::make_unique<TExprGlob>(name);
  if (name[0] == '~') return std::make_unique<TExprFixed>(name.substr(1));
  auto with_code = [&](std::string n) { return !n.empty() && n[0] == '#' ? code_ + n.substr(1) : n; };
  if (name[0] == '%') {
    if (name.size() == 1) throw std::runtime_error("\"%\" names no series");
    std::string resolved = with_code(name.substr(1));
    return std::make_unique<TExprTableSeries>(resolved, Analog(resolved));
  }
  bool counter = false, wide = false;
  if (name[0] == '^') {
    if (name.size() == 1) throw std::runtime_error("\"^\" names no series");
    counter = true;
    name.erase(0, 1);
    if (name[0] == '^') {
      wide = true;
      name.erase(0, 1);
    }
  }
  name = with_code(name);
  if (!catalogue_.KindOf(name)) return nullptr;
  if (counter) return std::make_unique<TExprRSeries>(name, Analog(name), wide);
  return std::make_unique<TExprSeries>(name, Analog(name));
}

std::unique_ptr<TExpr> TParser::Parse(const std::string& text, const std::string& airspace_code) {
  SetText(text, airspace_code);
  std::unique_ptr<TExpr> tree = ParseItem();
  return bad_token_ ? nullptr : std::move(tree);
}

}  // namespace sm
