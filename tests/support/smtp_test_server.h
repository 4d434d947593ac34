#pragma once
// A real SMTP server for a test: tests/platform/smtp_test_server.py run by
// Python with aiosmtpd, on a free port of 127.0.0.1, stopped when the object
// goes. Each received message is read back as its JSON summary.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ledra::test {

struct SmtpServerOptions {
  bool drop_after_mail_from = false;
  std::string user, password;  // a login the server requires, when set
  // "starttls" or "tls" with a certificate and its key (see TestCertificate).
  std::string tls, cert, key;
};

// A self-signed certificate for 127.0.0.1 made with openssl in `folder`:
// false when openssl is missing or fails.
bool TestCertificate(const std::filesystem::path& folder, std::filesystem::path& cert,
                     std::filesystem::path& key);

class SmtpTestServer {
 public:
  // Why the server cannot run here (no Python with aiosmtpd), or empty.
  static std::string Unavailable();

  // Starts the server storing messages in `folder`; port() is 0 when it did
  // not come up.
  SmtpTestServer(const std::filesystem::path& folder, SmtpServerOptions options = {});
  ~SmtpTestServer();
  SmtpTestServer(const SmtpTestServer&) = delete;
  SmtpTestServer& operator=(const SmtpTestServer&) = delete;

  int port() const { return port_; }
  // The summaries of the messages received so far, in order.
  std::vector<nlohmann::json> Messages() const;

 private:
  std::filesystem::path folder_;
  pid_t pid_ = -1;
  int port_ = 0;
};

// A port on 127.0.0.1 where nothing listens (taken and released at once).
int UnusedPort();

// Bytes from hex digits.
std::string FromHex(const std::string& hex);

}  // namespace ledra::test
