#pragma once
// Where the SMTP password is kept: the desktop's keyring (the Secret Service,
// through libsecret) when the program was built with it and one answers.
// Without a keyring the password is asked for each time; it is never written
// to a file.

#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace ledra::platform {

class PasswordKeyring {
 public:
  virtual ~PasswordKeyring() = default;
  // Whether passwords can be kept at all.
  virtual bool Available() = 0;
  // The password kept for the user on the server, if any.
  virtual std::optional<std::string> Lookup(std::string_view server, std::string_view user) = 0;
  // Keeps (replaces) it; the message names the keyring's failure.
  virtual Status Store(std::string_view server, std::string_view user,
                       std::string_view password) = 0;
};

// The desktop's keyring, or one that keeps nothing when there is none.
PasswordKeyring& SystemKeyring();

}  // namespace ledra::platform
