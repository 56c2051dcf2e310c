// smtool decrypt IN OUT --key TEXT: deciphers a file from the download
// server.
#include "download/crypt.h"
#include "tools/arguments.h"
#include "tools/command.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"key"});
  a.RequirePositional(2, 2);
  TCrypt(KeyFromWord(a.Required("key"))).DecryptFile(a.Positional()[0], a.Positional()[1]);
  return 0;
}

}  // namespace

Command DecryptCommand() {
  return {"decrypt", "decipher a file from the download server", "IN OUT --key TEXT",
          "Writes OUT whole, or nothing when IN is not an enciphered file.\n"
          "TEXT is the key; the words \"access\" and \"provisioning\" stand for the fixed\n"
          "access-list and provisioning keys. A wrong key gives garbled bytes, not an error.",
          Run};
}

}  // namespace sm::tool
