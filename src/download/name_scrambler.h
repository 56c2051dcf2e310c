// Names of files and folders on the download server travel under a
// one-to-one substitution of 41 characters. A name holding any character
// outside the alphabet is not substituted at all and keeps its case.
#pragma once

#include <string>
#include <string_view>

namespace sm {

// Position i of one stands for position i of the other. Both hold the same
// characters (so a server name is as safe in a URL and a file system as a
// plain one) and "." stands for itself (so extensions compare on server
// names).
inline constexpr std::string_view kPlainNameAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789._-+~";
inline constexpr std::string_view kServerNameAlphabet = "t5efoldaju+q19mhpcisx2kw6yr-78gvz~_0.4n3b";

// Plain name to server name; letters are lower-cased first.
std::string ScrambleName(std::string_view name);
// Server name to plain name.
std::string UnscrambleName(std::string_view name);

}  // namespace sm
