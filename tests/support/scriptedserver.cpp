#include "tests/support/scriptedserver.h"

#include <httplib.h>

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int boundLoopbackSocket(int port, bool reuse)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (reuse) {
        int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int localPort(int fd)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    return ntohs(address.sin_port);
}

// Waits in short slices so that a stopping server is noticed.
bool waitReadable(int fd, const std::atomic<bool> &stopping)
{
    while (!stopping.load()) {
        pollfd p{fd, POLLIN, 0};
        const int n = ::poll(&p, 1, 50);
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
    }
    return false;
}

void sleepUnlessStopping(int ms, const std::atomic<bool> &stopping)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopping.load() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

bool sendAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

const char *reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

ScriptedServer::ScriptedServer()
{
    m_listener = boundLoopbackSocket(0, true);
    if (m_listener >= 0 && ::listen(m_listener, 64) == 0)
        m_port = localPort(m_listener);
    m_acceptThread = std::thread([this] { acceptLoop(); });
}

ScriptedServer::~ScriptedServer()
{
    m_stopping = true;
    if (m_acceptThread.joinable())
        m_acceptThread.join();
    {
        std::lock_guard lock(m_mutex);
        for (int fd : m_sockets)
            ::shutdown(fd, SHUT_RDWR);
    }
    for (auto &worker : m_workers)
        worker.join();
    if (m_listener >= 0)
        ::close(m_listener);
}

void ScriptedServer::resetFirst(int n)
{
    std::lock_guard lock(m_mutex);
    m_resetLeft = n;
}

void ScriptedServer::stopListening()
{
    std::lock_guard lock(m_mutex);
    if (m_listener < 0)
        return;
    // The accept thread's poll keeps the closed socket alive for a moment and it would still take
    // connections; shutdown stops the listening at once.
    ::shutdown(m_listener, SHUT_RDWR);
    ::close(m_listener);
    // Keep the port bound without listening, so connects are refused rather than reaching a stranger.
    m_listener = boundLoopbackSocket(m_port, true);
}

void ScriptedServer::answer(const std::string &path, Answer answer)
{
    std::lock_guard lock(m_mutex);
    m_answers[path] = std::move(answer);
}

void ScriptedServer::answerOnce(const std::string &path, Answer answer)
{
    std::lock_guard lock(m_mutex);
    m_onceAnswers[path].push_back(std::move(answer));
}

void ScriptedServer::setHandler(Handler handler)
{
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void ScriptedServer::forwardTo(const std::string &host, int port)
{
    std::lock_guard lock(m_mutex);
    m_forwardHost = host;
    m_forwardPort = port;
}

void ScriptedServer::corrupt(const std::string &path, Corruption corruption)
{
    std::lock_guard lock(m_mutex);
    if (corruption)
        m_corruptions[path] = std::move(corruption);
    else
        m_corruptions.erase(path);
}

std::vector<ScriptedServer::Request> ScriptedServer::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<ScriptedServer::Request> ScriptedServer::requestsTo(const std::string &path) const
{
    std::vector<Request> result;
    for (const Request &request : requests()) {
        if (request.path == path)
            result.push_back(request);
    }
    return result;
}

void ScriptedServer::acceptLoop()
{
    while (!m_stopping.load()) {
        int listener;
        {
            std::lock_guard lock(m_mutex);
            listener = m_listener;
        }
        pollfd p{listener, POLLIN, 0};
        const int ready = ::poll(&p, 1, 50);
        if (ready <= 0)
            continue;
        if (!(p.revents & POLLIN)) {
            // Not listening any more (stopListening): nothing to accept.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        std::lock_guard lock(m_mutex);
        if (listener != m_listener)
            continue;
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        ++m_connections;
        const bool reset = m_resetLeft > 0;
        if (reset)
            --m_resetLeft;
        m_sockets.push_back(fd);
        m_workers.emplace_back([this, fd, reset] { serve(fd, reset); });
    }
}

ScriptedServer::Answer ScriptedServer::answerFor(const Request &request)
{
    Handler handler;
    std::string forwardHost;
    int forwardPort = 0;
    Corruption corruption;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        auto once = m_onceAnswers.find(request.path);
        if (once != m_onceAnswers.end() && !once->second.empty()) {
            Answer answer = once->second.front();
            once->second.erase(once->second.begin());
            return answer;
        }
        auto canned = m_answers.find(request.path);
        if (canned != m_answers.end())
            return canned->second;
        handler = m_handler;
        forwardHost = m_forwardHost;
        forwardPort = m_forwardPort;
        if (auto it = m_corruptions.find(request.path); it != m_corruptions.end())
            corruption = it->second;
    }
    if (forwardPort > 0) {
        httplib::Client client(forwardHost, forwardPort);
        client.set_read_timeout(std::chrono::seconds(60));
        httplib::Headers headers;
        for (const auto &[name, value] : request.headers) {
            if (name == "accept" || name == "content-type")
                headers.emplace(name, value);
        }
        const auto type = request.headers.count("content-type") ? request.headers.at("content-type")
                                                                : std::string("application/json");
        httplib::Result result = request.method == "POST"
                                     ? client.Post(request.path.c_str(), headers, request.body, type.c_str())
                                     : client.Get(request.path.c_str(), headers);
        Answer forwarded;
        if (result) {
            forwarded.status = result->status;
            forwarded.body = result->body;
            forwarded.contentType = result->get_header_value("Content-Type");
            if (forwarded.contentType.empty())
                forwarded.contentType = "application/json";
        } else {
            forwarded.status = 502;
            forwarded.body = R"({"error":"the real server did not answer"})";
        }
        if (corruption)
            corruption(forwarded);
        return forwarded;
    }
    if (handler)
        return handler(request);
    if (request.path == handshakePath())
        return {200, R"({"result":["Linux"]})"};
    return {404, R"({"error":"no script for this path"})"};
}

void ScriptedServer::serve(int fd, bool reset)
{
    auto finish = [&](bool hard) {
        if (hard) {
            linger l{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        }
        std::lock_guard lock(m_mutex);
        m_sockets.erase(std::remove(m_sockets.begin(), m_sockets.end(), fd), m_sockets.end());
        ::close(fd);
    };
    if (reset)
        return finish(true);

    std::string buffer;
    char chunk[16384];
    for (;;) {
        // Head of the next request.
        size_t headEnd;
        while ((headEnd = buffer.find("\r\n\r\n")) == std::string::npos) {
            if (!waitReadable(fd, m_stopping))
                return finish(false);
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0)
                return finish(false);
            buffer.append(chunk, static_cast<size_t>(n));
        }
        Request request;
        const std::string head = buffer.substr(0, headEnd);
        buffer.erase(0, headEnd + 4);
        size_t lineEnd = head.find("\r\n");
        const std::string requestLine = head.substr(0, lineEnd);
        const size_t space1 = requestLine.find(' ');
        const size_t space2 = requestLine.find(' ', space1 + 1);
        request.method = requestLine.substr(0, space1);
        request.path = requestLine.substr(space1 + 1, space2 - space1 - 1);
        while (lineEnd != std::string::npos) {
            const size_t start = lineEnd + 2;
            lineEnd = head.find("\r\n", start);
            const std::string line =
                head.substr(start, lineEnd == std::string::npos ? std::string::npos : lineEnd - start);
            const size_t colon = line.find(':');
            if (colon == std::string::npos)
                continue;
            std::string value = line.substr(colon + 1);
            value.erase(0, value.find_first_not_of(' '));
            request.headers[lower(line.substr(0, colon))] = value;
        }
        size_t length = 0;
        if (auto it = request.headers.find("content-length"); it != request.headers.end())
            length = std::stoul(it->second);
        while (buffer.size() < length) {
            if (!waitReadable(fd, m_stopping))
                return finish(false);
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
            if (n <= 0)
                return finish(false);
            buffer.append(chunk, static_cast<size_t>(n));
        }
        request.body = buffer.substr(0, length);
        buffer.erase(0, length);

        const Answer answer = answerFor(request);
        if (answer.hang) {
            sleepUnlessStopping(24 * 3600 * 1000, m_stopping);
            return finish(false);
        }
        if (answer.delayMs > 0)
            sleepUnlessStopping(answer.delayMs, m_stopping);

        std::string response = "HTTP/1.1 " + std::to_string(answer.status) + " " + reason(answer.status) +
                               "\r\nContent-Type: " + answer.contentType + "\r\n";
        if (answer.noContentLength) {
            response += "Connection: close\r\n\r\n";
        } else {
            const long announced =
                answer.announcedLength >= 0 ? answer.announcedLength : static_cast<long>(answer.body.size());
            response += "Content-Length: " + std::to_string(announced) + "\r\nConnection: keep-alive\r\n\r\n";
        }
        response += answer.body;
        if (answer.closeAfterBytes >= 0) {
            sendAll(fd, response.data(), std::min<size_t>(response.size(), answer.closeAfterBytes));
            return finish(false);
        }
        if (!sendAll(fd, response.data(), response.size()))
            return finish(false);
        if (answer.noContentLength || answer.announcedLength > static_cast<long>(answer.body.size()))
            return finish(false);
    }
}

RefusingPort::RefusingPort()
{
    m_socket = boundLoopbackSocket(0, false);
    if (m_socket >= 0)
        m_port = localPort(m_socket);
}

RefusingPort::~RefusingPort()
{
    if (m_socket >= 0)
        ::close(m_socket);
}
