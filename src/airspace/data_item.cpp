#include "airspace/data_item.h"

#include <algorithm>
#include <stdexcept>

#include "core/text.h"

namespace sm {
namespace {

// More decimals than a single-precision value holds only pads with zeros.
constexpr int kMaxDecimals = 12;

double LimitAttribute(const std::vector<std::string>& attributes, size_t index) {
  if (attributes.size() <= index || attributes[index].empty()) return -1;
  long long value;
  if (!TryParseInt(attributes[index], value))
    throw std::runtime_error("'" + attributes[index] + "' is not a valid integer value");
  return static_cast<double>(value);
}

}  // namespace

TDataItem::TDataItem(ExprScope& scope, const std::string& definition, const std::string& item_name) {
  Init(scope, definition, item_name);
}

void TDataItem::Init(ExprScope& scope, const std::string& definition, const std::string& item_name) {
  name = item_name;
  short_name = name.substr(0, name.find('_'));
  expression = scope.Build(RemoveBracketed(definition, true));
  invalid = expression == nullptr;
}

ReportAttributes ParseReportAttributes(const std::string& definition) {
  ReportAttributes a;
  std::string content = BracketContent(definition, true);
  if (content.empty() && definition.find('[') == std::string::npos) return a;
  std::vector<std::string> items = SplitText(content, ',');
  long long decimals;
  if (!items.empty() && TryParseInt(items[0], decimals))
    a.decimals = static_cast<int>(std::clamp<long long>(decimals, 0, kMaxDecimals));
  if (items.size() > 1) a.units = items[1];
  if (items.size() > 2) a.description = items[2];
  a.low = LimitAttribute(items, 3);
  a.high = LimitAttribute(items, 4);
  if (items.size() > 5) a.model_name = items[5];
  return a;
}

std::unique_ptr<TReportDI> TReportDI::Create(ExprScope& scope, const std::string& definition,
                                             const std::string& column_name) {
  ReportAttributes a = ParseReportAttributes(definition);
  std::unique_ptr<TReportDI> item(new TReportDI);
  item->decimals = a.decimals;
  item->units = a.units;
  item->description = a.description;
  item->low = a.low;
  item->high = a.high;
  item->model_name = a.model_name;
  item->Init(scope, definition, column_name);
  return item;
}

void TReportDI::NoteText(const std::string& text) {
  if (text.size() > widest_text.size()) widest_text = text;
}

}  // namespace sm
