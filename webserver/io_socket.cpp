// The "socket" class: the client of a plain listener.

#include "webserver/kwhttpd_internal.h"

#include <unistd.h>

namespace {

int read_socket(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    return static_cast<int>(recv(stream->chan.sock, buf, len, 0));
}

int write_socket(kwhttpd_stream* stream, const char* data, std::size_t len)
{
    // A client that has gone must end the stream, not the process.
    return static_cast<int>(send(stream->chan.sock, data, len, MSG_NOSIGNAL));
}

void close_socket(kwhttpd_stream* stream)
{
    if (stream->chan.sock >= 0) close(stream->chan.sock);
    stream->chan.sock = -1;
}

} // namespace

const kwhttpd_io_class io_socket = {"socket", read_socket, write_socket, close_socket, nullptr};
