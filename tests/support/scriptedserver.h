#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// An HTTP/1.1 server on a loopback ephemeral port that answers what the test scripted, for the
// faults the real server never makes. The DataSnap handshake is answered by default.
//
//   ScriptedServer server;
//   server.resetFirst(2);                       // the 3rd connection is the first one served
//   server.answer("/datasnap/rest/TServerMethods1/%22SepetSayisi%22", {200, R"({"result":[4]})"});
//   ... connection.setPort(server.port()) ...
//   server.requests()                           // what reached the server, in order
class ScriptedServer
{
public:
    struct Answer
    {
        int status = 200;
        std::string body;
        int delayMs = 0;              // wait before answering
        long closeAfterBytes = -1;    // send only this many bytes of the whole response, then close
        long announcedLength = -1;    // Content-Length to announce instead of the body's length
        bool noContentLength = false; // no Content-Length: the body ends when the socket closes
        bool hang = false;            // never answer (until the server is destroyed)
        std::string contentType = "application/json";
    };
    struct Request
    {
        std::string method;
        std::string path;
        std::map<std::string, std::string> headers; // names in lower case
        std::string body;
    };
    using Handler = std::function<Answer(const Request &)>;

    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer &) = delete;
    ScriptedServer &operator=(const ScriptedServer &) = delete;

    int port() const { return m_port; }

    // The first n connections are reset before anything is read, as a server that is not up yet.
    void resetFirst(int n);
    // Stop accepting: later connects are refused by the kernel (the port stays reserved).
    void stopListening();

    // A canned answer for every request to path (exact, query included).
    void answer(const std::string &path, Answer answer);
    // Answers used once each, in order, before the canned ones for path.
    void answerOnce(const std::string &path, Answer answer);
    // Consulted for paths without a canned answer; the default answers 404.
    void setHandler(Handler handler);

    // Paths without a canned answer go to a real server (the handshake too), so a test runs
    // against real data and lets only the calls it chose go bad:
    //   server.forwardTo("127.0.0.1", appServer.port());
    //   server.corrupt(ScriptedServer::methodPath("SepetVer2"), [](Answer &a) { a.body.pop_back(); });
    void forwardTo(const std::string &host, int port);
    // Changes the forwarded answer for path before it is sent; an empty function removes it.
    using Corruption = std::function<void(Answer &)>;
    void corrupt(const std::string &path, Corruption corruption);

    std::vector<Request> requests() const;
    std::vector<Request> requestsTo(const std::string &path) const;
    int connectionCount() const { return m_connections.load(); }
    static std::string handshakePath() { return "/datasnap/rest/DSAdmin/GetPlatformName"; }
    static std::string methodPath(const std::string &method)
    {
        return "/datasnap/rest/TServerMethods1/%22" + method + "%22";
    }

private:
    void acceptLoop();
    void serve(int socket, bool reset);
    Answer answerFor(const Request &request);

    int m_listener = -1;
    int m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_connections{0};
    std::thread m_acceptThread;
    mutable std::mutex m_mutex;
    int m_resetLeft = 0;
    std::map<std::string, Answer> m_answers;
    std::map<std::string, std::vector<Answer>> m_onceAnswers;
    Handler m_handler;
    std::string m_forwardHost;
    int m_forwardPort = 0;
    std::map<std::string, Corruption> m_corruptions;
    std::vector<Request> m_requests;
    std::vector<std::thread> m_workers;
    std::vector<int> m_sockets;
};

// A loopback port that is bound but not listening: every connect is refused.
class RefusingPort
{
public:
    RefusingPort();
    ~RefusingPort();
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};
