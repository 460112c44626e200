// Optional feature: the configuration file "kwhttpd.conf" and the
// configuration page.

#include "webserver/features.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kLineMax = 8192;
constexpr const char* kConfigName = "kwhttpd.conf";

void config_page(kwhttpd_arg* arg)
{
    auto* ctx = static_cast<kwhttpd_ctx*>(arg->user_data);
    char name[20] = "";
    char value[8192] = "";
    bool saved = false;
    const char* method = kwhttpd_get_env(arg, "REQUEST_METHOD");
    if (method && std::strcmp(method, "POST") == 0) {
        if (arg->flags & KWHTTPD_MORE_BODY) return; // called again when more has arrived
        kwhttpd_get_var("o", arg->in.buf, static_cast<std::size_t>(arg->in.len), name, sizeof name);
        kwhttpd_get_var("v", arg->in.buf, static_cast<std::size_t>(arg->in.len), value, sizeof value);
        arg->in.num_bytes = arg->in.len;
        kwhttpd_set_option(ctx, name, value[0] ? value : nullptr);
        saved = name[0] && value[0];
    }
    kwhttpd_printf(arg, "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html><body><h1>KWHTTPD v. %s</h1>",
                   kwhttpd_version());
    kwhttpd_printf(arg, "<table border=1<tr><th>Option</th><th>Description</th><th colspan=2>Value</th></tr>");
    if (saved) kwhttpd_printf(arg, "<p style='color: green'>Saved: %s=%s</p>", name, value);
    for (std::size_t i = 0; i < kwhttpd_option_count; ++i) {
        const kwhttpd_option& o = kwhttpd_options[i];
        const char* current = ctx->options[o.slot] ? ctx->options[o.slot] : "";
        kwhttpd_printf(arg,
                       "<form method=post><tr><td>%s</td><td>%s</td><input type=hidden name=o value='%s'>"
                       "<td><input type=text name=v value='%s'></td><td><input type=submit value=save></td>"
                       "</form></tr>",
                       o.name, o.description, o.name, current);
    }
    kwhttpd_printf(arg, "</table></body></html>");
    arg->flags |= KWHTTPD_OUTPUT_DONE;
}

} // namespace

void read_config_file(kwhttpd_ctx* ctx, const char* argv0, const char* named)
{
    std::string path;
    if (named) {
        path = named;
    } else {
        // Only next to a program named by its path: a file in the working
        // directory could be planted by any local user to reconfigure a
        // server that runs as root.
        const char* slash = argv0 ? std::strrchr(argv0, '/') : nullptr;
        if (slash == nullptr) return;
        path.assign(argv0, static_cast<std::size_t>(slash - argv0 + 1));
        path += kConfigName;
    }
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) {
        if (named) elog_fatal(nullptr, "cannot open config file %s: %s", path.c_str(), last_error_text());
        return;
    }
    cry(nullptr, "Loading config file %s", path.c_str());
    char line[kLineMax];
    for (int number = 1; std::fgets(line, sizeof line, file); ++number) {
        if (line[0] == '#' || line[0] == '\n' || line[0] == '\0') continue;
        char option[kLineMax];
        char value[kLineMax];
        if (std::sscanf(line, "%s %[^\n#]", option, value) < 2) {
            std::fclose(file);
            elog_fatal(nullptr, "line %d in %s is invalid", number, path.c_str());
        }
        const kwhttpd_option* o = find_option(option);
        if (o == nullptr) {
            std::fclose(file);
            elog_fatal(nullptr, "no such option: [%s]", option);
        }
        std::free(ctx->options[o->slot]);
        ctx->options[o->slot] = strdup(value);
    }
    std::fclose(file);
}

void register_config_page(kwhttpd_ctx* ctx, const char* uri)
{
    kwhttpd_register_uri(ctx, uri, config_page, ctx);
}
