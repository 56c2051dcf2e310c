// A small reader for smtool's arguments: positional words and "--name value"
// or "--flag" options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sm::tool {

class Arguments {
 public:
  // `value_options` take a value ("--from DATE" or "--from=DATE"); `flags`
  // take none. Anything else starting with "--" is a usage error.
  Arguments(const std::vector<std::string>& args, const std::vector<std::string>& value_options,
            const std::vector<std::string>& flags = {});

  const std::vector<std::string>& Positional() const { return positional_; }
  // Exactly min..max positional words, or a usage error.
  void RequirePositional(size_t min, size_t max) const;
  std::optional<std::string> Value(const std::string& name) const;  // the last one given
  std::string Required(const std::string& name) const;               // the same, or a usage error
  std::vector<std::string> Values(const std::string& name) const;   // all, in order
  bool Flag(const std::string& name) const;

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> values_;
  std::vector<std::string> flags_;
};

// The one positional word of a command that takes no options.
std::string SinglePositional(const std::vector<std::string>& args);

}  // namespace sm::tool
