#include "tools/arguments.h"

#include <algorithm>

#include "tools/command.h"

namespace sm::tool {

Arguments::Arguments(const std::vector<std::string>& args, const std::vector<std::string>& value_options,
                     const std::vector<std::string>& flags) {
  auto known = [](const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.size() < 3 || a.compare(0, 2, "--") != 0) {
      positional_.push_back(a);
      continue;
    }
    std::string name = a.substr(2), value;
    size_t eq = name.find('=');
    bool inline_value = eq != std::string::npos;
    if (inline_value) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (known(flags, name) && !inline_value) {
      flags_.push_back(name);
    } else if (known(value_options, name)) {
      if (!inline_value) {
        if (i + 1 >= args.size()) throw UsageError("option --" + name + " needs a value");
        value = args[++i];
      }
      values_.emplace_back(name, value);
    } else {
      throw UsageError("unknown option --" + name);
    }
  }
}

void Arguments::RequirePositional(size_t min, size_t max) const {
  if (positional_.size() < min) throw UsageError("missing arguments");
  if (positional_.size() > max) throw UsageError("too many arguments");
}

std::string SinglePositional(const std::vector<std::string>& args) {
  Arguments a(args, {});
  a.RequirePositional(1, 1);
  return a.Positional()[0];
}

std::string Arguments::Required(const std::string& name) const {
  std::optional<std::string> value = Value(name);
  if (!value) throw UsageError("--" + name + " is required");
  return *value;
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  for (auto it = values_.rbegin(); it != values_.rend(); ++it)
    if (it->first == name) return it->second;
  return std::nullopt;
}

std::vector<std::string> Arguments::Values(const std::string& name) const {
  std::vector<std::string> out;
  for (const auto& [n, v] : values_)
    if (n == name) out.push_back(v);
  return out;
}

bool Arguments::Flag(const std::string& name) const {
  return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

}  // namespace sm::tool
