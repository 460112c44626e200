// The "ssl" class: the client of a TLS listener. The handshake advances a
// step at a time on the non-blocking socket, at adoption and then at every
// read, until it completes.

#include "webserver/kwhttpd_internal.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>

#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace {

SSL* tls_of(const kwhttpd_stream* stream)
{
    return static_cast<SSL*>(stream->chan.ptr);
}

// The library's own socket transport writes with write(), which raises
// SIGPIPE when the client has gone; this one sends with MSG_NOSIGNAL.
int bio_write(BIO* bio, const char* data, int len)
{
    BIO_clear_retry_flags(bio);
    const int fd = static_cast<int>(reinterpret_cast<std::intptr_t>(BIO_get_data(bio)));
    const ssize_t n = send(fd, data, static_cast<std::size_t>(len), MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) BIO_set_retry_write(bio);
    return static_cast<int>(n);
}

int bio_read(BIO* bio, char* buf, int len)
{
    BIO_clear_retry_flags(bio);
    const int fd = static_cast<int>(reinterpret_cast<std::intptr_t>(BIO_get_data(bio)));
    const ssize_t n = recv(fd, buf, static_cast<std::size_t>(len), 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) BIO_set_retry_read(bio);
    return static_cast<int>(n);
}

long bio_ctrl(BIO*, int command, long, void*)
{
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

int bio_create(BIO* bio)
{
    BIO_set_init(bio, 1);
    return 1;
}

const BIO_METHOD* socket_method()
{
    static BIO_METHOD* method = [] {
        BIO_METHOD* m = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "kwhttpd socket");
        if (m == nullptr) return m;
        BIO_meth_set_write(m, bio_write);
        BIO_meth_set_read(m, bio_read);
        BIO_meth_set_ctrl(m, bio_ctrl);
        BIO_meth_set_create(m, bio_create);
        return m;
    }();
    return method;
}

bool wants_more_io(SSL* tls, int result)
{
    const int e = SSL_get_error(tls, result);
    return e == SSL_ERROR_WANT_READ || e == SSL_ERROR_WANT_WRITE;
}

int read_ssl(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    SSL* tls = tls_of(stream);
    if (!(stream->flags & FLAG_TLS_READY)) {
        ssl_handshake_step(stream);
        if (stream->flags & FLAG_FINISHED) {
            errno = ECONNRESET;
            return -1;
        }
        if (!(stream->flags & FLAG_TLS_READY)) {
            errno = EAGAIN;
            return -1;
        }
    }
    // Decoded bytes the library holds are read at once: the socket will not
    // become readable for them again.
    std::size_t total = 0;
    do {
        ERR_clear_error();
        const int n = SSL_read(tls, buf + total, static_cast<int>(std::min<std::size_t>(len - total, INT32_MAX)));
        if (n > 0) {
            total += static_cast<std::size_t>(n);
            continue;
        }
        if (total > 0) break;
        if (wants_more_io(tls, n)) {
            errno = EAGAIN;
            return -1;
        }
        if (SSL_get_error(tls, n) == SSL_ERROR_ZERO_RETURN) return 0;
        errno = ECONNRESET;
        return -1;
    } while (total < len && SSL_pending(tls) > 0);
    return static_cast<int>(total);
}

int write_ssl(kwhttpd_stream* stream, const char* data, std::size_t len)
{
    SSL* tls = tls_of(stream);
    ERR_clear_error();
    const int n = SSL_write(tls, data, static_cast<int>(std::min<std::size_t>(len, INT32_MAX)));
    if (n > 0) return n;
    errno = wants_more_io(tls, n) ? EAGAIN : EPIPE;
    return -1;
}

void close_ssl(kwhttpd_stream* stream)
{
    ssl_send_close_notify(stream);
    if (stream->chan.sock >= 0) close(stream->chan.sock);
    stream->chan.sock = -1;
    SSL_free(tls_of(stream));
    stream->chan.ptr = nullptr;
}

std::size_t pending_ssl(const kwhttpd_stream* stream)
{
    SSL* tls = tls_of(stream);
    return tls && (stream->flags & FLAG_TLS_READY) ? static_cast<std::size_t>(SSL_pending(tls)) : 0;
}

} // namespace

const kwhttpd_io_class io_ssl = {"ssl", read_ssl, write_ssl, close_ssl, pending_ssl};

void* ssl_attach(kwhttpd_ctx* ctx, int sock)
{
    SSL* tls = SSL_new(static_cast<SSL_CTX*>(ctx->ssl_ctx));
    BIO* bio = socket_method() ? BIO_new(socket_method()) : nullptr;
    if (tls == nullptr || bio == nullptr) {
        SSL_free(tls);
        BIO_free(bio);
        return nullptr;
    }
    BIO_set_data(bio, reinterpret_cast<void*>(static_cast<std::intptr_t>(sock)));
    SSL_set_bio(tls, bio, bio);
    return tls;
}

void ssl_release(void* tls)
{
    SSL_free(static_cast<SSL*>(tls));
}

void ssl_handshake_step(kwhttpd_stream* stream)
{
    SSL* tls = tls_of(stream);
    ERR_clear_error();
    const int result = SSL_accept(tls);
    if (result == 1) {
        stream->flags |= FLAG_TLS_READY;
        return;
    }
    if (!wants_more_io(tls, result)) stream->flags |= FLAG_FINISHED;
    ERR_clear_error();
}

void ssl_send_close_notify(kwhttpd_stream* stream)
{
    SSL* tls = tls_of(stream);
    // Replies that end with the connection are complete only with the
    // notification; a client must not take a cut stream for a whole one.
    if (tls && (stream->flags & FLAG_TLS_READY) && !(SSL_get_shutdown(tls) & SSL_SENT_SHUTDOWN)) {
        SSL_shutdown(tls);
        ERR_clear_error();
    }
}
