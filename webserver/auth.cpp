// Digest authentication: which passwords file protects a request, the check
// of the client's credentials against it, the challenge, the nonces the
// server issues, and the writer of a passwords file.

#include "webserver/features.h"

#include "common/md5.h"

#include <fcntl.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <sys/random.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

constexpr std::time_t kNonceLifetime = 300;
constexpr std::size_t kDigestLength = 32;

// The fields of a Digest Authorization header; each empty when absent.
struct DigestFields {
    std::string_view user, uri, nonce, cnonce, response, qop, nc;
};

// Reads "name=value" items separated by blanks and commas; a value in
// double quotes runs to the next double quote. Unknown names are skipped.
DigestFields parse_digest_fields(std::string_view text)
{
    DigestFields f;
    const struct {
        std::string_view name;
        std::string_view DigestFields::*field;
    } names[] = {{"username=", &DigestFields::user},     {"uri=", &DigestFields::uri},
                 {"nonce=", &DigestFields::nonce},       {"cnonce=", &DigestFields::cnonce},
                 {"response=", &DigestFields::response}, {"qop=", &DigestFields::qop},
                 {"nc=", &DigestFields::nc}};
    std::size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(" ,", at);
        if (at == std::string_view::npos) break;
        const std::size_t eq = text.find('=', at);
        if (eq == std::string_view::npos) break;
        const std::string_view name = text.substr(at, eq + 1 - at);
        std::size_t value_start = eq + 1;
        std::size_t value_end;
        if (value_start < text.size() && text[value_start] == '"') {
            ++value_start;
            value_end = text.find('"', value_start);
            if (value_end == std::string_view::npos) value_end = text.size();
            at = value_end + 1;
        } else {
            value_end = text.find_first_of(" ,", value_start);
            if (value_end == std::string_view::npos) value_end = text.size();
            at = value_end;
        }
        for (const auto& n : names)
            if (name == n.name) f.*n.field = text.substr(value_start, value_end - value_start);
    }
    return f;
}

// The key of this process's nonces: a nonce is only good in the process
// that issued it.
const unsigned char* nonce_key()
{
    static unsigned char key[32];
    static std::once_flag made;
    std::call_once(made, [] {
        std::size_t got = 0;
        while (got < sizeof key) {
            const ssize_t n = getrandom(key + got, sizeof key - got, 0);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) elog_fatal(nullptr, "cannot make the Digest nonce key: %s", last_error_text());
            got += static_cast<std::size_t>(n);
        }
    });
    return key;
}

std::string nonce_mac(std::string_view issued_text)
{
    unsigned char mac[EVP_MAX_MD_SIZE];
    unsigned int mac_len = 0;
    HMAC(EVP_sha256(), nonce_key(), 32, reinterpret_cast<const unsigned char*>(issued_text.data()),
         issued_text.size(), mac, &mac_len);
    static const char hex[] = "0123456789abcdef";
    std::string out;
    for (unsigned int i = 0; i < 16 && i < mac_len; ++i) {
        out += hex[mac[i] >> 4];
        out += hex[mac[i] & 15];
    }
    return out;
}

enum class NonceState { Good, Stale, Bad };

NonceState check_nonce(std::string_view nonce, std::time_t now)
{
    const std::size_t dot = nonce.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 16) return NonceState::Bad;
    const std::string_view issued_text = nonce.substr(0, dot);
    if (issued_text.find_first_not_of("0123456789abcdef") != std::string_view::npos) return NonceState::Bad;
    const std::string mac = nonce_mac(issued_text);
    const std::string_view given = nonce.substr(dot + 1);
    if (given.size() != mac.size() || CRYPTO_memcmp(given.data(), mac.data(), mac.size()) != 0) return NonceState::Bad;
    const std::time_t issued = static_cast<std::time_t>(std::stoull(std::string(issued_text), nullptr, 16));
    if (issued > now) return NonceState::Bad;
    return now - issued > kNonceLifetime ? NonceState::Stale : NonceState::Good;
}

// The request target as the client wrote it in the request line (query
// included): what a Digest "uri" must name.
std::string_view request_target(const kwhttpd_conn* conn)
{
    const char* line = conn->request.c_str();
    const char* p = std::strchr(line, ' ');
    if (p == nullptr) return {};
    while (*p == ' ') ++p;
    const char* end = p;
    while (*end && *end != ' ') ++end;
    return {p, static_cast<std::size_t>(end - p)};
}

const char* method_name(int method)
{
    static const char* const names[] = {"GET", "POST", "PUT", "DELETE", "HEAD"};
    return method >= 0 && method < 5 ? names[method] : "";
}

// The answer of the last check on this thread: a good response with an
// expired nonce asks the client to retry with a fresh one.
thread_local bool last_nonce_stale = false;

// Opens a passwords file for reading; a file that is not regular (a pipe
// would block the server) counts as one that cannot be opened.
std::FILE* open_passwords(const char* name)
{
    const int fd = open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        errno = EINVAL;
        return nullptr;
    }
    std::FILE* file = fdopen(fd, "r");
    if (file == nullptr) close(fd);
    return file;
}

// Checks the request against the file and closes it.
int authorize_with(kwhttpd_conn* conn, std::FILE* file)
{
    const int result = digest_authorize(conn, file);
    std::fclose(file);
    return result;
}

// Reads one line of any length; false at the end of the file.
bool read_line(std::FILE* file, std::string* line)
{
    line->clear();
    int c;
    while ((c = std::fgetc(file)) != EOF && c != '\n') *line += static_cast<char>(c);
    return c != EOF || !line->empty();
}

// The user and realm parts of a passwords-file line, and its hash (the run
// of non-blank characters after the second ":"); false without two ":".
bool split_passwords_line(const std::string& line, std::string_view* user, std::string_view* realm,
                          std::string_view* hash)
{
    const std::string_view text = line;
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos) return false;
    const std::size_t second = text.find(':', first + 1);
    if (second == std::string_view::npos) return false;
    *user = text.substr(0, first);
    *realm = text.substr(first + 1, second - first - 1);
    const std::string_view rest = text.substr(second + 1);
    *hash = rest.substr(0, rest.find_first_of(" \t\r\n"));
    return true;
}

} // namespace

void md5(char out[33], std::initializer_list<std::string_view> parts)
{
    Md5Context context;
    md5Init(&context);
    bool first = true;
    for (const std::string_view part : parts) {
        if (!first && !part.empty()) md5Update(&context, ":", 1);
        if (!part.empty()) md5Update(&context, part.data(), static_cast<std::uint32_t>(part.size()));
        first = false;
    }
    md5HexDigest(&context, out);
}

std::string digest_nonce(std::time_t issued)
{
    char issued_text[32];
    std::snprintf(issued_text, sizeof issued_text, "%lx", static_cast<unsigned long>(issued));
    return std::string(issued_text) + "." + nonce_mac(issued_text);
}

int digest_authorize(kwhttpd_conn* conn, std::FILE* file)
{
    last_nonce_stale = false;
    const kwhttpd_headers::text& auth = conn->hdr.authorization;
    if (auth.ptr == nullptr || auth.len <= 20 || compare_nocase(auth.ptr, "Digest ", 7) != 0) return 0;
    const DigestFields f = parse_digest_fields(std::string_view(auth.ptr + 7, auth.len - 7));
    // A captured header must not open another path.
    if (f.uri.empty() || f.uri != request_target(conn)) return 0;
    const NonceState nonce = check_nonce(f.nonce, server_clock());
    if (nonce == NonceState::Bad || f.response.size() != kDigestLength) return 0;

    const char* realm = conn->ctx->options[OPT_AUTH_REALM] ? conn->ctx->options[OPT_AUTH_REALM] : "";
    std::string line;
    while (read_line(file, &line)) {
        std::string_view user, line_realm, hash;
        if (!split_passwords_line(line, &user, &line_realm, &hash)) continue;
        if (user.empty() || line_realm.empty() || hash.empty()) continue;
        if (user != f.user || line_realm != realm) continue;
        // The first line for the user and realm decides.
        char ha2[33], expected[33];
        md5(ha2, {method_name(conn->method), f.uri});
        md5(expected, {hash, f.nonce, f.nc, f.cnonce, f.qop, ha2});
        if (CRYPTO_memcmp(expected, f.response.data(), kDigestLength) != 0) return 0;
        if (nonce == NonceState::Stale) {
            last_nonce_stale = true;
            return 0;
        }
        conn->auth_user.assign(f.user);
        conn->hdr.user = {conn->auth_user.c_str(), conn->auth_user.size()};
        return 1;
    }
    return 0;
}

int open_auth_file(kwhttpd_conn* conn, const std::string& path)
{
    const kwhttpd_ctx* ctx = conn->ctx;
    for (const std::string& item : split_option_list(ctx->options[OPT_PROTECT])) {
        const std::size_t eq = item.find('=');
        if (eq == std::string::npos || eq == 0) continue;
        if (conn->uri.compare(0, eq, item, 0, eq) != 0) continue;
        const std::string name = item.substr(eq + 1, 4095);
        if (std::FILE* file = open_passwords(name.c_str())) return authorize_with(conn, file);
        cry(conn, "check_auth: cannot open %s: %s", name.c_str(), last_error_text());
        break;
    }
    std::string name;
    if (ctx->options[OPT_AUTH_GPASS]) {
        name = ctx->options[OPT_AUTH_GPASS];
    } else {
        const std::size_t slash = path.rfind('/');
        // A path without a directory has no passwords file beside it.
        if (slash == std::string::npos) return 1;
        name = path.substr(0, slash) + "/.htpasswd";
    }
    std::FILE* file = open_passwords(name.c_str());
    return file ? authorize_with(conn, file) : 1;
}

int authorize_put(kwhttpd_conn* conn)
{
    const char* name = conn->ctx->options[OPT_AUTH_PUT];
    if (name == nullptr) return 0;
    std::FILE* file = open_passwords(name);
    return file ? authorize_with(conn, file) : 0;
}

void send_digest_challenge(kwhttpd_conn* conn)
{
    const char* realm = conn->ctx->options[OPT_AUTH_REALM] ? conn->ctx->options[OPT_AUTH_REALM] : "";
    char reason[512];
    format_bounded(reason, sizeof reason, "Unauthorized\r\nWWW-Authenticate: Digest qop=\"auth\", realm=\"%s\", nonce=\"%s\"%s",
                   realm, digest_nonce(server_clock()).c_str(), last_nonce_stale ? ", stale=true" : "");
    last_nonce_stale = false;
    send_server_error(conn, 401, reason);
}

bool check_authorization(kwhttpd_conn* conn)
{
    if (open_auth_file(conn, conn->path)) return true;
    send_digest_challenge(conn);
    return false;
}

int update_passwords_file(const char* file, const char* realm, const char* user, const char* password)
{
    // A ":" or a line end would make a line that reads back as another user.
    for (const char* part : {realm, user})
        if (std::strpbrk(part, ":\r\n")) elog_fatal(nullptr, "Cannot add [%s]: a user or realm holds \":\" or a line end", part);
    const std::string name = file;
    std::string temp = name + ".XXXXXX";
    // A unique temporary name (O_EXCL, mode 0600): no link planted at a
    // fixed name is followed, and the old file stays whole until the rename.
    const int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) elog_fatal(nullptr, "Cannot open %s: %s", temp.c_str(), last_error_text());
    std::FILE* out = fdopen(fd, "w");
    if (out == nullptr) {
        unlink(temp.c_str());
        elog_fatal(nullptr, "Cannot open %s: %s", temp.c_str(), last_error_text());
    }
    char hash[33];
    md5(hash, {user, realm, password});
    const std::string own_line = std::string(user) + ":" + realm + ":" + hash + "\n";

    bool replaced = false;
    struct stat st {};
    std::FILE* in = std::fopen(name.c_str(), "re");
    if (in == nullptr && errno != ENOENT) {
        std::fclose(out);
        unlink(temp.c_str());
        elog_fatal(nullptr, "Cannot open %s: %s", name.c_str(), last_error_text());
    }
    if (in) {
        // The file keeps its permissions.
        if (fstat(fileno(in), &st) == 0 && fchmod(fd, st.st_mode & 07777) != 0)
            cry(nullptr, "Cannot keep the mode of %s: %s", name.c_str(), last_error_text());
        std::string line;
        while (read_line(in, &line)) {
            std::string_view line_user, line_realm, line_hash;
            if (split_passwords_line(line, &line_user, &line_realm, &line_hash) && line_user == user &&
                line_realm == realm) {
                std::fputs(own_line.c_str(), out);
                replaced = true;
            } else {
                std::fputs((line + "\n").c_str(), out);
            }
        }
        const bool read_failed = std::ferror(in);
        std::fclose(in);
        if (read_failed) {
            std::fclose(out);
            unlink(temp.c_str());
            elog_fatal(nullptr, "Cannot read %s", name.c_str());
        }
    }
    if (!replaced) std::fputs(own_line.c_str(), out);
    bool written = std::fflush(out) == 0 && fsync(fd) == 0;
    int write_errno = errno;
    if (std::fclose(out) != 0 && written) {
        written = false;
        write_errno = errno;
    }
    if (!written) {
        unlink(temp.c_str());
        errno = write_errno;
        elog_fatal(nullptr, "Cannot write %s: %s", temp.c_str(), last_error_text());
    }
    if (rename(temp.c_str(), name.c_str()) != 0) {
        const int saved = errno;
        unlink(temp.c_str());
        errno = saved;
        elog_fatal(nullptr, "Cannot rename %s to %s: %s", temp.c_str(), name.c_str(), last_error_text());
    }
    return 0;
}
