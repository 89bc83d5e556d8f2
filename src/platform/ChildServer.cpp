#include "platform/ChildServer.hpp"

#include <cerrno>
#include <cstdint>
#include <mutex>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
// Sent as it is: no padding, whose bytes would be undefined.
struct Request
{
    std::uint64_t memoryBytes;
    std::int64_t processorSeconds;
    std::int64_t realMilliseconds;
    std::uint64_t length; // of the request's text, which follows
};

// The game's end of the connection. A socket rather than pipes: a write to a
// server that is gone fails instead of raising SIGPIPE.
struct Connection
{
    std::mutex mutex;
    ChildServer::Task task = nullptr;
    pid_t owner = 0; // the process that started the server
    int socket = -1;
};

Connection& connection()
{
    static Connection theConnection;
    return theConnection;
}

bool sendAll(int socket, const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0)
    {
        const ssize_t sent = ::send(socket, bytes, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

bool receiveAll(int socket, void* data, std::size_t size)
{
    char* bytes = static_cast<char*>(data);
    while (size > 0)
    {
        const ssize_t got = ::recv(socket, bytes, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

[[noreturn]] void serve(int socket, ChildServer::Task task)
{
    Request request{};
    while (receiveAll(socket, &request, sizeof request))
    {
        std::string text(request.length, '\0');
        if (!receiveAll(socket, &text[0], text.size()))
            break;
        const BoundedChild::Limits limits{request.memoryBytes,
                                          std::chrono::seconds(request.processorSeconds),
                                          std::chrono::milliseconds(request.realMilliseconds)};
        const BoundedChild::Outcome outcome = BoundedChild::run([&] { return task(text); }, limits);
        if (!sendAll(socket, &outcome, sizeof outcome))
            break;
    }
    ::_exit(0);
}
} // namespace

void ChildServer::start(Task task)
{
    Connection& game = connection();
    const std::lock_guard<std::mutex> lock(game.mutex);
    if (game.socket >= 0 && game.owner == ::getpid())
        return;
    if (game.socket >= 0) // a copy's inherited connection is not its own
        ::close(game.socket);
    game.socket = -1;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    const pid_t parent = ::getpid();
    const pid_t server = ::fork();
    if (server == 0)
    {
        ::close(ends[0]);
        // Gone with the game, however it ends.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(0);
        serve(ends[1], task);
    }
    ::close(ends[1]);
    if (server < 0)
    {
        ::close(ends[0]);
        return;
    }
    game.task = task;
    game.owner = parent;
    game.socket = ends[0];
}

BoundedChild::Outcome ChildServer::run(Task task, const std::string& request,
                                       const BoundedChild::Limits& limits)
{
    Connection& game = connection();
    {
        const std::lock_guard<std::mutex> lock(game.mutex);
        if (game.socket >= 0 && game.owner == ::getpid() && game.task == task)
        {
            const Request head{limits.memoryBytes, limits.processorTime.count(),
                               limits.realTime.count(), request.size()};
            BoundedChild::Outcome outcome;
            if (sendAll(game.socket, &head, sizeof head) &&
                sendAll(game.socket, request.data(), request.size()) &&
                receiveAll(game.socket, &outcome, sizeof outcome))
                return outcome;
            ::close(game.socket);
            game.socket = -1;
        }
    }
    return BoundedChild::run([&] { return task(request); }, limits);
}
