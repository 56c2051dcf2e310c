// smtool encrypt IN OUT --key TEXT: enciphers a file as the download server
// serves it.
#include "download/crypt.h"
#include "tools/arguments.h"
#include "tools/command.h"

namespace sm::tool {
namespace {

int Run(const std::vector<std::string>& args) {
  Arguments a(args, {"key"});
  a.RequirePositional(2, 2);
  TCrypt(KeyFromWord(a.Required("key"))).EncryptFile(a.Positional()[0], a.Positional()[1]);
  return 0;
}

}  // namespace

Command EncryptCommand() {
  return {"encrypt", "encipher a file for the download server", "IN OUT --key TEXT",
          "Writes OUT as RC2-CBC ciphertext of IN followed by the 4-byte plain length.\n"
          "TEXT is the key; the words \"access\" and \"provisioning\" stand for the fixed\n"
          "access-list and provisioning keys. An empty key stores the bytes as they are.",
          Run};
}

}  // namespace sm::tool
