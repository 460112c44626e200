// The setters of the address filter, the account, the logs and inetd mode.

#include "webserver/kwhttpd_internal.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cstring>

namespace {

void open_log(std::FILE** log, const char* path)
{
    if (*log) std::fclose(*log);
    *log = nullptr;
    if (path == nullptr) return;
    *log = std::fopen(path, "a");
    if (*log == nullptr) elog_fatal(nullptr, "cannot open log file %s: %s", path, last_error_text());
}

} // namespace

void set_acl(kwhttpd_ctx* ctx, const char* text)
{
    ctx->acl.clear();
    if (text == nullptr) return;
    const char* p = text;
    while (*p) {
        p += std::strspn(p, " ,");
        if (*p == '\0') break;
        char flag = 0;
        int a = 0, b = 0, c = 0, d = 0, used = 0;
        if (std::sscanf(p, "%c%d.%d.%d.%d%n", &flag, &a, &b, &c, &d, &used) < 5)
            elog_fatal(nullptr, "[%s]: subnet must be [+|-]x.x.x.x[/x]", p);
        if (flag != '+' && flag != '-') elog_fatal(nullptr, "flag must be + or -: [%s]", p);
        for (int part : {a, b, c, d})
            if (part < 0 || part > 255) elog_fatal(nullptr, "bad ip address: [%s]", p);
        int mask_len = 32;
        int mask_used = 0;
        if (p[used] == '/' && std::sscanf(p + used + 1, "%d%n", &mask_len, &mask_used) == 1) {
            if (mask_len < 0 || mask_len > 32) elog_fatal(nullptr, "bad subnet mask: %d [%s]", mask_len, p);
            used += 1 + mask_used;
        }
        const std::uint32_t ip = static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(b) << 16 |
                                 static_cast<std::uint32_t>(c) << 8 | static_cast<std::uint32_t>(d);
        const std::uint32_t mask = mask_len == 0 ? 0 : 0xffffffffu << (32 - mask_len);
        // An entry whose host bits are set would never equal a masked client
        // address; the operator meant the subnet.
        if ((ip & ~mask) != 0)
            cry(nullptr, "acl: host bits of %c%d.%d.%d.%d/%d ignored, the subnet is %u.%u.%u.%u/%d", flag, a,
                b, c, d, mask_len, (ip & mask) >> 24, (ip & mask) >> 16 & 255, (ip & mask) >> 8 & 255,
                ip & mask & 255, mask_len);
        ctx->acl.push_back({ip & mask, mask, flag});
        p += used;
    }
}

bool acl_allows(const kwhttpd_ctx* ctx, const sockaddr_storage& peer)
{
    bool have_v4 = false;
    std::uint32_t client = 0;
    if (peer.ss_family == AF_INET) {
        client = ntohl(reinterpret_cast<const sockaddr_in*>(&peer)->sin_addr.s_addr);
        have_v4 = true;
    } else if (peer.ss_family == AF_INET6) {
        const auto& a6 = reinterpret_cast<const sockaddr_in6*>(&peer)->sin6_addr;
        if (IN6_IS_ADDR_V4MAPPED(&a6)) {
            std::memcpy(&client, &a6.s6_addr[12], 4);
            client = ntohl(client);
            have_v4 = true;
        }
    }
    char decision = '+';
    for (const kwhttpd_acl_entry& e : ctx->acl) {
        // A native IPv6 client has no IPv4 address: only the entries that
        // cover every address ("/0") speak about it.
        const bool matches = have_v4 ? (client & e.mask) == e.ip : e.mask == 0;
        if (matches) decision = e.flag;
    }
    return decision == '+';
}

void set_uid(kwhttpd_ctx*, const char* user)
{
    if (user == nullptr) return;
    const passwd* pw = getpwnam(user);
    if (pw == nullptr) elog_fatal(nullptr, "%s: unknown user [%s]", "set_uid", user);
    if (setgid(pw->pw_gid) != 0) elog_fatal(nullptr, "%s: setgid(%s): %s", "set_uid", user, last_error_text());
    // Supplementary groups of the starting account (root's) would survive
    // the switch otherwise.
    if (initgroups(user, pw->pw_gid) != 0 && getuid() == 0)
        elog_fatal(nullptr, "%s: setgid(%s): %s", "set_uid", user, last_error_text());
    if (setuid(pw->pw_uid) != 0) elog_fatal(nullptr, "%s: setuid(%s): %s", "set_uid", user, last_error_text());
}

void set_access_log(kwhttpd_ctx* ctx, const char* path)
{
    open_log(&ctx->access_log, path);
}

void set_error_log(kwhttpd_ctx* ctx, const char* path)
{
    open_log(&ctx->error_log, path);
}

void set_inetd(kwhttpd_ctx* ctx, const char* value)
{
    if (!is_true_word(value)) return;
    kwhttpd_set_option(ctx, "ports", nullptr);
    const int null_fd = open("/dev/null", O_WRONLY | O_APPEND);
    if (null_fd >= 0) {
        dup2(null_fd, 2);
        close(null_fd);
    }
}
