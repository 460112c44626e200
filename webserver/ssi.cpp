// Include pages: the page is copied to the client while its directives,
// tags from "<!--#" to "-->", include other files, run commands, call
// functions the host registered, and show or hide text by conditions.

#include "webserver/features.h"

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kLevels = 6;          // the page and five nested includes
constexpr int kTagSize = 512;
constexpr std::size_t kCommandSize = 512;

enum class ReadState { Pass, Tag, Exec, Call };

struct SsiLevel {
    ReadState state = ReadState::Pass;
    bool output = true;           // the condition of this file
    std::FILE* file = nullptr;
    bool uploaded = false;        // written through PUT: it runs no command
    char tag[kTagSize];
    int nbuf = 0;
    std::string argument;         // of the function being called
    int pipe = -1;                // the running command's output
    pid_t command = -1;
};

struct SsiState {
    int level = 0;
    SsiLevel levels[kLevels];
};

// The free part of the reader's buffer.
struct Output {
    char* buf;
    std::size_t len;
    std::size_t n = 0;

    std::size_t room() const { return len - n; }
    void put(const char* data, std::size_t size)
    {
        std::memcpy(buf + n, data, size);
        n += size;
    }
};

SsiState* state_of(kwhttpd_stream* stream)
{
    return static_cast<SsiState*>(stream->chan.ptr);
}

const kwhttpd_ssi_func* find_function(const kwhttpd_ctx* ctx, const std::string& name)
{
    for (const kwhttpd_ssi_func& f : ctx->ssi_funcs)
        if (f.name == name) return &f;
    return nullptr;
}

// Calls the function named by the argument's first word with the rest as
// its input; false when no function has that name.
bool call_named(kwhttpd_conn* conn, const std::string& argument, Output* out, kwhttpd_arg* arg)
{
    const std::size_t blank = argument.find(' ');
    const kwhttpd_ssi_func* f = find_function(conn->ctx, argument.substr(0, blank));
    if (f == nullptr) return false;
    std::string input = blank == std::string::npos ? "" : argument.substr(blank + 1);
    *arg = kwhttpd_arg{};
    arg->connection = conn;
    arg->user_data = f->user_data;
    arg->in.buf = input.data();
    arg->in.len = static_cast<int>(input.size());
    arg->out.buf = out->buf + out->n;
    arg->out.len = static_cast<int>(std::min<std::size_t>(out->room(), 1 << 30));
    f->function(arg);
    out->n += static_cast<std::size_t>(std::max(0, std::min(arg->out.num_bytes, arg->out.len)));
    return true;
}

bool evaluate(kwhttpd_conn* conn, const std::string& argument)
{
    // A condition writes nothing into the page.
    char none[1];
    Output out{none, 0};
    kwhttpd_arg arg{};
    return call_named(conn, argument, &out, &arg) && (arg.flags & KWHTTPD_SSI_TRUE);
}

void call_function(kwhttpd_conn* conn, SsiLevel* level, Output* out)
{
    kwhttpd_arg arg{};
    if (!call_named(conn, level->argument, out, &arg) || (arg.flags & KWHTTPD_OUTPUT_DONE))
        level->state = ReadState::Pass;
}

// Opens a file to include; null (after a warning) when it cannot be read.
std::FILE* open_include(kwhttpd_conn* conn, const std::string& path, bool* uploaded)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        // A pipe or a device would block the server.
        if (fd >= 0) errno = EINVAL;
        cry(conn, "ssi: fopen(%s): %s", path.c_str(), last_error_text());
        if (fd >= 0) close(fd);
        return nullptr;
    }
    *uploaded = fgetxattr(fd, kUploadMark, nullptr, 0) >= 0;
    std::FILE* file = fdopen(fd, "r");
    if (file == nullptr) close(fd);
    return file;
}

void do_include(kwhttpd_conn* conn, SsiState* ssi, const SsiLevel& level, const std::string& argument)
{
    if (ssi->level >= kLevels - 1) {
        cry(conn, "ssi: #include: maximum nested level reached");
        return;
    }
    const kwhttpd_ctx* ctx = conn->ctx;
    const std::string root = ctx->options[OPT_ROOT] ? ctx->options[OPT_ROOT] : ".";
    std::string base;   // the name must stay below it; empty: the operator's own name
    std::string prefix; // put before the name
    std::size_t quote = 0;
    if (argument.compare(0, 1, "\"") == 0) {
        quote = 1;
    } else if (argument.compare(0, 6, "file=\"") == 0) {
        quote = 6;
        base = conn->path_base;
        prefix = conn->path.substr(0, conn->path.rfind('/') + 1);
    } else if (argument.compare(0, 9, "virtual=\"") == 0) {
        quote = 9;
        base = root;
        prefix = root + "/";
    }
    const std::size_t end = quote ? argument.find('"', quote) : std::string::npos;
    if (end == std::string::npos) {
        cry(conn, "ssi: bad #include: [%.*s]", level.nbuf, level.tag);
        return;
    }
    char name[4096];
    url_decode(argument.data() + quote, end - quote, name, sizeof name);
    const std::string path = prefix + name;
    // The passwords files are never shown, whatever includes them.
    if (path.find(".htpasswd") != std::string::npos) {
        cry(conn, "ssi: fopen(%s): %s", path.c_str(), std::strerror(EACCES));
        return;
    }
    std::string opened = path;
    if (!base.empty() && (opened = confined_path(base, path)).empty()) {
        cry(conn, "ssi: fopen(%s): %s", path.c_str(), std::strerror(ENOENT));
        return;
    }
    bool uploaded = false;
    std::FILE* file = open_include(conn, opened, &uploaded);
    if (file == nullptr) return;
    SsiLevel& next = ssi->levels[++ssi->level];
    next = SsiLevel{};
    next.file = file;
    next.uploaded = uploaded;
}

void stop_command(SsiLevel* level, bool cut)
{
    if (level->pipe >= 0) close(level->pipe);
    end_child(level->command, cut);
    level->pipe = -1;
    level->command = -1;
}

// Copies what the command wrote; false while it has nothing more yet (the
// stream then waits on the command's output).
bool copy_command_output(kwhttpd_stream* stream, SsiLevel* level, Output* out)
{
    while (out->room() > 0) {
        const ssize_t n = read(level->pipe, out->buf + out->n, out->room());
        if (n > 0) {
            out->n += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            stream->chan.wait_fd = level->pipe;
            stream->flags &= ~FLAG_NO_WAIT;
            return false;
        }
        stop_command(level, false);
        level->state = ReadState::Pass;
        break;
    }
    stream->chan.wait_fd = -1;
    stream->flags |= FLAG_NO_WAIT;
    return true;
}

void do_exec(kwhttpd_stream* stream, SsiLevel* level, const std::string& argument, Output* out)
{
    kwhttpd_conn* conn = stream->conn;
    if (argument.size() < 2 || argument.front() != '"' || argument.back() != '"') {
        cry(conn, "ssi: bad exec(%s)", argument.c_str());
        return;
    }
    char command[kCommandSize];
    if (url_decode(argument.data() + 1, argument.size() - 2, command, sizeof command) == 0) {
        cry(conn, "ssi: cannot url_decode: exec(%s)", argument.c_str());
        return;
    }
    // Anyone with upload credentials could write such a page.
    if (level->uploaded) {
        cry(conn, "ssi: exec(%s) refused: the page was written through PUT", command);
        return;
    }
    int pipe_fds[2] = {-1, -1};
    const int null_fd = open("/dev/null", O_RDONLY | O_CLOEXEC);
    pid_t pid = -1;
    if (null_fd >= 0 && pipe2(pipe_fds, O_CLOEXEC) == 0) {
        char sh[] = "sh", dash_c[] = "-c";
        char* argv[] = {sh, dash_c, command, nullptr};
        ChildSetup setup;
        setup.program = "/bin/sh";
        setup.argv = argv;
        setup.in_fd = null_fd;
        setup.out_fd = pipe_fds[1];
        setup.err_fd = conn->ctx->error_log ? fileno(conn->ctx->error_log) : STDERR_FILENO;
        setup.failure = "ssi: exec: ";
        pid = start_child(setup);
        close(pipe_fds[1]);
    }
    if (null_fd >= 0) close(null_fd);
    if (pid < 0) {
        cry(conn, "ssi: popen(%s)", command);
        if (pipe_fds[0] >= 0) close(pipe_fds[0]);
        return;
    }
    set_non_blocking(pipe_fds[0]);
    level->pipe = pipe_fds[0];
    level->command = pid;
    level->state = ReadState::Exec;
    copy_command_output(stream, level, out);
}

// The argument of a directive: the tag without "<!--#", its final "--" and
// trailing white space, after the first run of white space.
std::string directive_argument(const SsiLevel& level)
{
    std::string text(level.tag + 5, static_cast<std::size_t>(level.nbuf - 7));
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    std::size_t at = 0;
    while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    return text.substr(at);
}

// A complete tag of `nbuf` characters, "<!--#" to "--".
void do_command(kwhttpd_stream* stream, SsiState* ssi, Output* out)
{
    kwhttpd_conn* conn = stream->conn;
    SsiLevel& level = ssi->levels[ssi->level];
    level.state = ReadState::Pass;
    enum class Directive { Include, If, Elif, Else, Endif, Call, Exec, None };
    static const struct {
        const char* name;
        int len;
        Directive directive;
    } table[] = {{"include ", 8, Directive::Include}, {"if ", 3, Directive::If},     {"elif ", 5, Directive::Elif},
                 {"else", 4, Directive::Else},        {"endif", 5, Directive::Endif}, {"call ", 5, Directive::Call},
                 {"exec ", 5, Directive::Exec}};
    Directive directive = Directive::None;
    for (const auto& row : table) {
        if (level.nbuf > row.len + 5 && std::memcmp(level.tag + 5, row.name, static_cast<std::size_t>(row.len)) == 0) {
            directive = row.directive;
            break;
        }
    }
    const std::string argument = directive_argument(level);
    switch (directive) {
    case Directive::Include:
        if (level.output) do_include(conn, ssi, level, argument);
        break;
    case Directive::If:
        level.output = evaluate(conn, argument);
        break;
    case Directive::Elif:
        level.output = !level.output && evaluate(conn, argument);
        break;
    case Directive::Else:
        level.output = !level.output;
        break;
    case Directive::Endif:
        level.output = true;
        break;
    case Directive::Call:
        if (level.output) {
            level.argument = argument;
            level.state = ReadState::Call;
            call_function(conn, &level, out);
        }
        break;
    case Directive::Exec:
        if (level.output) do_exec(stream, &level, argument, out);
        break;
    case Directive::None:
        if (level.output) {
            out->put(level.tag, static_cast<std::size_t>(level.nbuf));
            out->put(">", 1);
        }
        break;
    }
    level.nbuf = 0;
}

// One character of the page in the pass or tag state.
void take_char(kwhttpd_stream* stream, SsiState* ssi, SsiLevel& level, char c, Output* out)
{
    if (level.state == ReadState::Pass) {
        if (c == '<') {
            level.tag[0] = c;
            level.nbuf = 1;
            level.state = ReadState::Tag;
        } else if (level.output) {
            out->put(&c, 1);
        }
        return;
    }
    if (level.nbuf >= kTagSize - 1) {
        // A tag that never closes is text.
        if (level.output) {
            out->put(level.tag, static_cast<std::size_t>(level.nbuf));
            out->put(&c, 1);
        }
        level.nbuf = 0;
        level.state = ReadState::Pass;
    } else if (c == '>' && level.nbuf >= 2 && level.tag[level.nbuf - 1] == '-' && level.tag[level.nbuf - 2] == '-') {
        do_command(stream, ssi, out);
    } else {
        level.tag[level.nbuf++] = c;
        if (level.nbuf <= 5 && std::memcmp(level.tag, "<!--#", static_cast<std::size_t>(level.nbuf)) != 0) {
            if (level.output) out->put(level.tag, static_cast<std::size_t>(level.nbuf));
            level.nbuf = 0;
            level.state = ReadState::Pass;
        }
    }
}

int read_ssi(kwhttpd_stream* stream, char* buf, std::size_t len)
{
    SsiState* ssi = state_of(stream);
    Output out{buf, len};
    for (;;) {
        SsiLevel& level = ssi->levels[ssi->level];
        if (level.state == ReadState::Call) {
            call_function(stream->conn, &level, &out);
            if (level.state == ReadState::Call) break;
            continue;
        }
        if (level.state == ReadState::Exec) {
            if (!copy_command_output(stream, &level, &out) || level.state == ReadState::Exec) break;
            continue;
        }
        const int depth = ssi->level;
        int c = EOF;
        while (out.n + static_cast<std::size_t>(level.nbuf) < len && (c = std::fgetc(level.file)) != EOF) {
            take_char(stream, ssi, level, static_cast<char>(c), &out);
            if (ssi->level != depth || level.state == ReadState::Exec || level.state == ReadState::Call) break;
        }
        if (ssi->level != depth || level.state == ReadState::Exec || level.state == ReadState::Call) continue;
        if (c != EOF) break; // the buffer is full
        // The end of this file: an unfinished tag is text.
        if (level.state == ReadState::Tag && level.output) out.put(level.tag, static_cast<std::size_t>(level.nbuf));
        level.nbuf = 0;
        level.state = ReadState::Pass;
        if (ssi->level == 0) break;
        std::fclose(level.file);
        level.file = nullptr;
        --ssi->level;
    }
    if (out.n == 0 && !(ssi->level == 0 && ssi->levels[0].state == ReadState::Pass && std::feof(ssi->levels[0].file))) {
        // Nothing yet, but the page goes on (a command or a function to wait for).
        errno = EAGAIN;
        return -1;
    }
    return static_cast<int>(out.n);
}

void close_ssi(kwhttpd_stream* stream)
{
    SsiState* ssi = state_of(stream);
    if (ssi == nullptr) return;
    for (SsiLevel& level : ssi->levels) {
        if (level.file) std::fclose(level.file);
        if (level.command > 0) stop_command(&level, true);
    }
    delete ssi;
    stream->chan.ptr = nullptr;
    stream->chan.wait_fd = -1;
}

const kwhttpd_io_class io_ssi = {"ssi", read_ssi, nullptr, close_ssi, nullptr};

} // namespace

void start_ssi_reply(kwhttpd_conn* conn, const std::string& path)
{
    bool uploaded = false;
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    std::FILE* page = fd >= 0 ? fdopen(fd, "r") : nullptr;
    if (page == nullptr) {
        if (fd >= 0) close(fd);
        send_server_error(conn, 500, "SSI open error");
        return;
    }
    uploaded = fgetxattr(fd, kUploadMark, nullptr, 0) >= 0;
    auto* ssi = new (std::nothrow) SsiState;
    if (ssi == nullptr) {
        std::fclose(page);
        send_server_error(conn, 500, "Cannot allocate SSI descriptor");
        return;
    }
    ssi->levels[0].file = page;
    ssi->levels[0].uploaded = uploaded;
    kwhttpd_stream& loc = conn->loc;
    const std::size_t head = format_bounded(
        loc.io.space(), loc.io.spaceLen(),
        "HTTP/1.1 200 OK\r\nDate: %s\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n",
        http_date(server_clock()).c_str());
    loc.io.incHead(head);
    loc.headers_len = static_cast<int>(head);
    // The head counts as produced: a slow command later is not a program
    // that never answered.
    conn->local_bytes += head;
    conn->status = 200;
    loc.chan.ptr = ssi;
    loc.io_class = &io_ssi;
    loc.flags |= FLAG_R | FLAG_NO_WAIT;
    if (conn->method == METHOD_HEAD) finish_stream(&loc);
}

void kwhttpd_register_ssi_func(kwhttpd_ctx* ctx, const char* name, kwhttpd_callback function, void* user_data)
{
    if (ctx == nullptr || name == nullptr || function == nullptr) return;
    ctx->ssi_funcs.push_back({name, function, user_data});
}
