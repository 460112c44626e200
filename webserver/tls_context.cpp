// The TLS context of the server: certificate and key, ciphers and the
// protocol versions, built once at start-up when "ssl_cert" is set.

#include "webserver/kwhttpd_internal.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <cstring>

namespace {

struct ProtocolName {
    const char* name;
    unsigned long bit;
    // Versions below TLS 1.2 stay off whatever the option says: they have
    // known attacks and no current client needs them.
    bool allowed;
};

const ProtocolName kProtocols[] = {
    {"SSLv2", 0, false},
    {"SSLv3", SSL_OP_NO_SSLv3, false},
    {"TLSv1", SSL_OP_NO_TLSv1, false},
    {"TLSv1.1", SSL_OP_NO_TLSv1_1, false},
    {"TLSv1.2", SSL_OP_NO_TLSv1_2, true},
    {"TLSv1.3", SSL_OP_NO_TLSv1_3, true},
    {"DTLSv1", SSL_OP_NO_DTLSv1, false},
    {"DTLSv1.2", SSL_OP_NO_DTLSv1_2, true},
};

// The context options that switch versions off, from "ssl_protocols".
unsigned long protocol_options(const char* text)
{
    if (text == nullptr || text[std::strspn(text, " \t")] == '\0') return SSL_OP_NO_SSLv3;
    unsigned long off = 0;
    for (const ProtocolName& p : kProtocols) off |= p.bit;
    const unsigned long all_off = off;
    std::string words(text);
    std::size_t at = 0;
    while ((at = words.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = std::min(words.find_first_of(" \t", at), words.size());
        const std::string word = words.substr(at, end - at);
        at = end;
        const ProtocolName* found = nullptr;
        for (const ProtocolName& p : kProtocols)
            if (word == p.name) found = &p;
        if (found == nullptr)
            cry(nullptr, "Unknown protocol %s", word.c_str());
        else if (!found->allowed)
            cry(nullptr, "Protocol %s is older than TLS 1.2 and stays disabled", word.c_str());
        else
            off &= ~found->bit;
    }
    if (off == all_off) elog_fatal(nullptr, "None of the requested SSL protocols (%s) are supported.", text);
    return off;
}

} // namespace

void setup_tls_context(kwhttpd_ctx* ctx)
{
    const char* path = ctx->options[OPT_SSL_CERT];
    SSL_CTX* tls = SSL_CTX_new(TLS_server_method());
    if (tls == nullptr) elog_fatal(nullptr, "SSL_CTX_new error");
    ctx->ssl_ctx = tls;
    if (SSL_CTX_use_certificate_chain_file(tls, path) != 1 ||
        SSL_CTX_use_PrivateKey_file(tls, path, SSL_FILETYPE_PEM) != 1 || SSL_CTX_check_private_key(tls) != 1)
        elog_fatal(nullptr, "cannot open %s", path);
    if (SSL_CTX_set_cipher_list(tls, ctx->options[OPT_SSL_CIPHERS] ? ctx->options[OPT_SSL_CIPHERS] : "") != 1)
        elog_fatal(nullptr, "SSL_CTX_set_cipher_list error");
    unsigned long options = protocol_options(ctx->options[OPT_SSL_PROTOCOLS]);
    if (option_is_true(ctx, OPT_SSL_CIPHER_SERVER_PREFERENCE)) options |= SSL_OP_CIPHER_SERVER_PREFERENCE;
    // A client-started renegotiation would make a read want to write while
    // the poll loop only watches for input.
    options |= SSL_OP_NO_RENEGOTIATION;
    SSL_CTX_set_options(tls, options);
    SSL_CTX_set_min_proto_version(tls, TLS1_2_VERSION);
    // The library picks the key-exchange groups and DH parameters to match
    // the key; fixed groups are the deprecated way, so DH parameters in the
    // certificate file are not read.
    SSL_CTX_set_dh_auto(tls, 1);
    // The reply buffer may grow and move between the retries of one write.
    SSL_CTX_set_mode(tls, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    ERR_clear_error();
}

void free_tls_context(kwhttpd_ctx* ctx)
{
    SSL_CTX_free(static_cast<SSL_CTX*>(ctx->ssl_ctx));
    ctx->ssl_ctx = nullptr;
}
