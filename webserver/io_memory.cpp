// The "memory" class and socket-free serving: request bytes come from a
// string and the reply goes into one, so that unit tests and the fuzzer drive
// the same parsing and dispatch as a client on a socket.

#include "webserver/kwhttpd_internal.h"

#include <arpa/inet.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>

namespace {

struct MemoryChannel {
    std::string_view input;
    std::size_t pos = 0;
    std::size_t piece = 0;
    bool input_ended = false; // reads now give the end of the stream
    std::string output;
};

MemoryChannel* channel(kwhttpd_stream* stream)
{
    return static_cast<MemoryChannel*>(stream->chan.ptr);
}

int read_memory(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    MemoryChannel* ch = channel(stream);
    const std::size_t n = std::min({len, ch->piece, ch->input.size() - ch->pos});
    if (n == 0) {
        if (ch->input_ended) return 0;
        errno = EAGAIN;
        return -1;
    }
    std::copy_n(ch->input.data() + ch->pos, n, buf);
    ch->pos += n;
    return static_cast<int>(n);
}

int write_memory(kwhttpd_stream* stream, const char* data, std::size_t len)
{
    channel(stream)->output.append(data, len);
    return static_cast<int>(len);
}

constexpr int kStepsWithoutProgress = 3;

} // namespace

const kwhttpd_io_class io_memory = {"memory", read_memory, write_memory, nullptr, nullptr};

std::string kwhttpd_serve_bytes(kwhttpd_ctx* ctx, std::string_view request, std::size_t piece)
{
    set_server_clock();
    kwhttpd_worker worker;
    worker.ctx = ctx;
    MemoryChannel ch;
    ch.input = request;
    ch.piece = piece == 0 ? request.size() + 1 : piece;
    kwhttpd_conn* conn = add_connection(&worker, &io_memory, -1, &ch);
    if (conn == nullptr) return {};
    auto* peer = reinterpret_cast<sockaddr_in*>(&conn->peer);
    peer->sin_family = AF_INET;
    peer->sin_addr.s_addr = htonl(INADDR_LOOPBACK);

    int idle_steps = 0;
    while (!worker.conns.empty()) {
        const std::size_t pos = ch.pos;
        const std::size_t out = ch.output.size();
        // A local side with a descriptor (a program, a command) is waited
        // for as the poll cycle would, up to the request time-out.
        short events = 0;
        pollfd local{connection_local_wait_fd(conn, &events), events, 0};
        const bool local_event =
            local.fd >= 0 && events &&
            poll(&local, 1, static_cast<int>(1000 * option_number(ctx, OPT_REQUEST_TIMEOUT, kDefaultRequestTimeout))) > 0;
        if (!connection_step(conn, true, local_event || connection_local_ready(conn))) break;
        if (ch.pos != pos || ch.output.size() != out || local_event) {
            idle_steps = 0;
        } else if (!ch.input_ended) {
            // The client has nothing more to say: from now on it has left.
            ch.input_ended = true;
        } else if (++idle_steps >= kStepsWithoutProgress) {
            connection_end_now(conn);
        }
    }
    return ch.output;
}
