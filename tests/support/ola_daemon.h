#pragma once
// An olad of the test's own: started as an ordinary user (olad refuses to run
// as root) with its own config folder and RPC port, only the Dummy plugin
// enabled, and a client that patches a universe to the dummy device and
// reads back what olad holds for it.

#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <ola/Callback.h>
#include <ola/DmxBuffer.h>
#include <ola/client/OlaClient.h>
#include <ola/io/SelectServer.h>
#include <ola/network/IPV4Address.h>
#include <ola/network/SocketAddress.h>
#include <ola/network/TCPSocket.h>

namespace vx::test {

class OlaDaemon {
public:
    // Starts olad; `whyNot` says what stopped it when running() is false.
    explicit OlaDaemon(const std::filesystem::path& folder) {
        const std::string olad = findProgram("olad");
        if (olad.empty()) {
            whyNot = "olad is not installed (Debian package ola)";
            return;
        }
        const passwd* user = ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
        if (::geteuid() == 0 && user == nullptr) {
            whyNot = "running as root and there is no user \"nobody\" to start olad as";
            return;
        }
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::all);
        writeConfig(folder);
        rpcPort = freePort();
        const std::string config = folder.string();
        const std::string port = std::to_string(rpcPort);
        const std::string log = (folder / "olad.log").string();
        pid_ = ::fork();
        if (pid_ == 0) {
            const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            if (out >= 0) {
                ::dup2(out, 1);
                ::dup2(out, 2);
            }
            const bool dropped =
                user == nullptr || (::setgroups(0, nullptr) == 0 && ::setgid(user->pw_gid) == 0 &&
                                    ::setuid(user->pw_uid) == 0);
            if (!dropped) _exit(126);
            ::execl(olad.c_str(), "olad", "-c", config.c_str(), "-r", port.c_str(), "--no-http",
                    "--no-register-with-dns-sd", "-l", "2", static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid_ < 0) {
            whyNot = "cannot fork";
            return;
        }
        // olad needs a moment before it takes connections.
        for (int i = 0; i < 100 && !reachable(); ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                whyNot = "olad ended at once; see " + log;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (!reachable()) whyNot = "olad does not answer on port " + port;
    }
    ~OlaDaemon() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }
    OlaDaemon(const OlaDaemon&) = delete;
    OlaDaemon& operator=(const OlaDaemon&) = delete;

    bool running() const { return whyNot.empty(); }

    // Patches the dummy device's output port to `universe`, so that olad
    // keeps what is sent to it.
    bool patch(unsigned universe) {
        Session s(rpcPort);
        if (!s.ok()) return false;
        std::optional<unsigned> alias;
        s.client->FetchDeviceInfo(ola::OLA_PLUGIN_DUMMY,
                                  ola::NewSingleCallback(&s, &Session::devices, &alias));
        s.run();
        if (!alias) return false;
        bool done = false;
        s.client->Patch(*alias, 0, ola::client::OUTPUT_PORT, ola::client::PATCH, universe,
                        ola::NewSingleCallback(&s, &Session::set, &done));
        s.run();
        return done;
    }

    // The slots olad holds for the universe, or nothing on an error.
    std::optional<std::vector<std::uint8_t>> fetch(unsigned universe) {
        Session s(rpcPort);
        if (!s.ok()) return std::nullopt;
        std::optional<std::vector<std::uint8_t>> slots;
        s.client->FetchDMX(universe, ola::NewSingleCallback(&s, &Session::dmx, &slots));
        s.run();
        return slots;
    }

    std::string whyNot;
    std::uint16_t rpcPort = 0;

private:
    struct Session {
        explicit Session(std::uint16_t port)
            : socket(ola::network::TCPSocket::Connect(
                  ola::network::IPV4SocketAddress(ola::network::IPV4Address::Loopback(), port))) {
            if (!socket) return;
            client = std::make_unique<ola::client::OlaClient>(socket.get());
            if (!client->Setup()) client.reset();
            if (client) server.AddReadDescriptor(socket.get());
        }
        ~Session() {
            if (client) {
                server.RemoveReadDescriptor(socket.get());
                client->Stop();
            }
        }
        bool ok() const { return client != nullptr; }
        void run() { server.Run(); }

        void devices(std::optional<unsigned>* alias, const ola::client::Result& result,
                     const std::vector<ola::client::OlaDevice>& list) {
            if (result.Success() && !list.empty()) *alias = list.front().Alias();
            server.Terminate();
        }
        void set(bool* done, const ola::client::Result& result) {
            *done = result.Success();
            server.Terminate();
        }
        void dmx(std::optional<std::vector<std::uint8_t>>* slots, const ola::client::Result& result,
                 const ola::client::DMXMetadata&, const ola::DmxBuffer& buffer) {
            if (result.Success()) slots->emplace(buffer.GetRaw(), buffer.GetRaw() + buffer.Size());
            server.Terminate();
        }

        std::unique_ptr<ola::network::TCPSocket> socket;
        ola::io::SelectServer server;
        std::unique_ptr<ola::client::OlaClient> client;
    };

    static std::string findProgram(const std::string& name) {
        for (const char* dir : {"/usr/bin", "/usr/local/bin", "/usr/sbin"}) {
            const std::filesystem::path p = std::filesystem::path(dir) / name;
            if (::access(p.c_str(), X_OK) == 0) return p.string();
        }
        return {};
    }

    // Every plugin but Dummy off: nothing opens devices or network ports.
    static void writeConfig(const std::filesystem::path& folder) {
        for (const char* plugin :
             {"artnet",    "e131",       "espnet",  "ftdidmx", "gpio",
              "karate",    "kinet",      "milinst", "opendmx", "openpixelcontrol",
              "osc",       "pathport",   "renard",  "sandnet", "shownet",
              "spi",       "stageprofi", "uartdmx", "usbdmx",  "usbserial",
              "dmx4linux", "e133",       "nanoleaf"}) {
            std::ofstream(folder / ("ola-" + std::string(plugin) + ".conf")) << "enabled = false\n";
        }
        std::ofstream(folder / "ola-dummy.conf") << "enabled = true\nports = 1\n";
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::all);
        }
    }

    static std::uint16_t freePort() {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(s, reinterpret_cast<sockaddr*>(&at), sizeof at);
        socklen_t size = sizeof at;
        ::getsockname(s, reinterpret_cast<sockaddr*>(&at), &size);
        ::close(s);
        return ntohs(at.sin_port);
    }

    bool reachable() const {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_port = htons(rpcPort);
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&at), sizeof at) == 0;
        ::close(s);
        return ok;
    }

    pid_t pid_ = -1;
};

}  // namespace vx::test
