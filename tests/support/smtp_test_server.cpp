#include "support/smtp_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

namespace ledra::test {
namespace {

std::filesystem::path ScriptPath() {
#ifdef LEDRA_GOLDEN_FOLDER
  const std::filesystem::path tests = std::filesystem::path(LEDRA_GOLDEN_FOLDER).parent_path();
#else
  const std::filesystem::path tests = std::filesystem::path(__FILE__).parent_path().parent_path();
#endif
  return tests / "platform" / "smtp_test_server.py";
}

int WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts argv with stdout into `out_fd` (or /dev/null when -1) and stderr to
// /dev/null; the pid, or -1.
pid_t Start(const std::vector<std::string>& args, int out_fd) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out_fd >= 0)
    posix_spawn_file_actions_adddup2(&actions, out_fd, STDOUT_FILENO);
  else
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : -1;
}

// The first Python that has aiosmtpd: $LEDRA_TEST_PYTHON, the system's, the PATH's.
const std::string& Python() {
  static const std::string found = [] {
    std::vector<std::string> candidates;
    if (const char* env = std::getenv("LEDRA_TEST_PYTHON")) candidates.emplace_back(env);
    candidates.insert(candidates.end(), {"/usr/bin/python3", "python3"});
    for (const std::string& python : candidates) {
      const pid_t pid = Start({python, "-c", "import aiosmtpd"}, -1);
      if (pid > 0 && WaitFor(pid) == 0) return python;
    }
    return std::string();
  }();
  return found;
}

}  // namespace

std::string SmtpTestServer::Unavailable() {
  if (Python().empty()) return "no python3 with aiosmtpd (apt install python3-aiosmtpd)";
  return {};
}

SmtpTestServer::SmtpTestServer(const std::filesystem::path& folder, SmtpServerOptions options)
    : folder_(folder) {
  if (!Unavailable().empty()) return;
  std::vector<std::string> args = {Python(), ScriptPath().string(), folder.string()};
  if (options.drop_after_mail_from) args.insert(args.end(), {"--mode", "drop"});
  if (!options.user.empty())
    args.insert(args.end(), {"--user", options.user, "--password", options.password});
  if (!options.tls.empty())
    args.insert(args.end(), {"--tls", options.tls, "--cert", options.cert, "--key", options.key});
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) return;
  pid_ = Start(args, pipe_fds[1]);
  close(pipe_fds[1]);
  // The server prints its port once it listens; a closed pipe means it died.
  std::string line;
  char c = 0;
  while (read(pipe_fds[0], &c, 1) == 1 && c != '\n') line += c;
  close(pipe_fds[0]);
  port_ = std::atoi(line.c_str());
}

SmtpTestServer::~SmtpTestServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  (void)WaitFor(pid_);
}

std::vector<nlohmann::json> SmtpTestServer::Messages() const {
  std::vector<nlohmann::json> out;
  for (int n = 1;; ++n) {
    std::ifstream in(folder_ / (std::to_string(n) + ".json"));
    if (!in) break;
    out.push_back(nlohmann::json::parse(in));
  }
  return out;
}

bool TestCertificate(const std::filesystem::path& folder, std::filesystem::path& cert,
                     std::filesystem::path& key) {
  cert = folder / "cert.pem";
  key = folder / "key.pem";
  const pid_t pid = Start({"openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                           "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                           "-keyout", key.string(), "-out", cert.string()},
                          -1);
  return pid > 0 && WaitFor(pid) == 0 && std::filesystem::exists(cert);
}

int UnusedPort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  int port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
    port = ntohs(address.sin_port);
  close(fd);
  return port;
}

std::string FromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

}  // namespace ledra::test
