#include "platform/password_keyring.h"

#include "platform/string_ids.h"
#include "platform/string_table.h"

#ifdef LEDRA_HAVE_LIBSECRET
#include <libsecret/secret.h>
#endif

namespace ledra::platform {
namespace {

// Without a reason the keyring was not there to ask.
Message StoreFailed(std::string_view why) {
  if (why.empty()) return {str::kMailKeyringNone, Strings().Get(str::kMailKeyringNone)};
  return {str::kMailKeyringStoreFailed, Strings().Format(str::kMailKeyringStoreFailed, {why})};
}

#ifdef LEDRA_HAVE_LIBSECRET

const SecretSchema& Schema() {
  static const SecretSchema schema = [] {
    SecretSchema s{};
    s.name = "org.ledra.SmtpPassword";
    s.flags = SECRET_SCHEMA_NONE;
    s.attributes[0] = {"server", SECRET_SCHEMA_ATTRIBUTE_STRING};
    s.attributes[1] = {"user", SECRET_SCHEMA_ATTRIBUTE_STRING};
    return s;
  }();
  return schema;
}

// Owns a GError and hands out its text.
struct ErrorSlot {
  GError* error = nullptr;
  ~ErrorSlot() {
    if (error) g_error_free(error);
  }
  std::string text() const { return error ? error->message : ""; }
};

class SecretServiceKeyring final : public PasswordKeyring {
 public:
  bool Available() override {
    // Asking once whether the service answers; a session without one (a
    // terminal, a test) keeps nothing.
    if (!probed_) {
      probed_ = true;
      ErrorSlot slot;
      SecretService* service = secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, &slot.error);
      available_ = service != nullptr;
      if (service) g_object_unref(service);
    }
    return available_;
  }

  std::optional<std::string> Lookup(std::string_view server, std::string_view user) override {
    if (!Available()) return std::nullopt;
    const std::string s(server), u(user);
    ErrorSlot slot;
    gchar* found = secret_password_lookup_sync(&Schema(), nullptr, &slot.error, "server", s.c_str(),
                                               "user", u.c_str(), nullptr);
    if (!found) return std::nullopt;
    std::string password(found);
    secret_password_free(found);
    return password;
  }

  Status Store(std::string_view server, std::string_view user, std::string_view password) override {
    if (!Available()) return StoreFailed("");
    const std::string s(server), u(user), p(password);
    const std::string label = "Ledra SMTP " + u + "@" + s;
    ErrorSlot slot;
    if (!secret_password_store_sync(&Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(), p.c_str(),
                                    nullptr, &slot.error, "server", s.c_str(), "user", u.c_str(),
                                    nullptr))
      return StoreFailed(slot.text());
    return Status::Ok();
  }

 private:
  bool probed_ = false;
  bool available_ = false;
};

#else

class NoKeyring final : public PasswordKeyring {
 public:
  bool Available() override { return false; }
  std::optional<std::string> Lookup(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  Status Store(std::string_view, std::string_view, std::string_view) override {
    return StoreFailed("");
  }
};

#endif

}  // namespace

PasswordKeyring& SystemKeyring() {
#ifdef LEDRA_HAVE_LIBSECRET
  static SecretServiceKeyring keyring;
#else
  static NoKeyring keyring;
#endif
  return keyring;
}

}  // namespace ledra::platform
