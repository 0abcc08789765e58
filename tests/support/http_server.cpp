#include <winsock2.h>
#include <ws2tcpip.h>

#include "support/http_server.h"

#include <algorithm>

namespace zeltest {

namespace {

struct WinsockInit {
  WinsockInit() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

std::string ContentType(const std::string& target) {
  auto has = [&](const char* ext) { return target.find(ext) != std::string::npos; };
  if (has(".asx")) return "video/x-ms-asf";
  return "text/html; charset=utf-8";
}

std::string Body(const std::string& target) {
  if (target.find(".asx") != std::string::npos)
    return "<asx version=\"3.0\"><entry><ref href=\"mms://127.0.0.1/none\"/></entry></asx>";
  return "<html><body>" + target + "</body></html>";
}

}  // namespace

HttpServer::HttpServer(unsigned short port) {
  static WinsockInit winsock;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(port);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  BOOL exclusive = TRUE;
  setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
             sizeof(exclusive));
  if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || listen(s, 16) != 0) {
    closesocket(s);
    return;
  }
  listener_ = s;
  thread_ = std::thread([this] { Serve(); });
}

HttpServer::~HttpServer() {
  stop_ = true;
  if (listening()) closesocket(listener_);
  if (thread_.joinable()) thread_.join();
}

void HttpServer::Serve() {
  while (!stop_) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(static_cast<SOCKET>(listener_), &set);
    timeval tick{0, 100000};
    if (select(0, &set, nullptr, nullptr, &tick) <= 0) continue;
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    Answer(client);
  }
}

void HttpServer::Answer(uintptr_t client) {
  std::string request;
  char buf[2048];
  DWORD timeout = 2000;
  setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
             sizeof(timeout));
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    int n = recv(client, buf, sizeof(buf), 0);
    if (n <= 0) break;
    request.append(buf, n);
  }
  // "GET /path?query HTTP/1.1"
  size_t sp1 = request.find(' ');
  size_t sp2 = sp1 == std::string::npos ? sp1 : request.find(' ', sp1 + 1);
  if (sp2 != std::string::npos) {
    std::string target = request.substr(sp1 + 1, sp2 - sp1 - 1);
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(target);
    }
    std::string body = Body(target);
    std::string reply =
        "HTTP/1.1 200 OK\r\nContent-Type: " + ContentType(target) +
        "\r\nCache-Control: no-store\r\nContent-Length: " + std::to_string(body.size()) +
        "\r\nConnection: close\r\n\r\n" + body;
    send(client, reply.data(), static_cast<int>(reply.size()), 0);
  }
  shutdown(client, SD_SEND);
  closesocket(client);
}

std::vector<std::string> HttpServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

size_t HttpServer::CountOf(const std::string& target) const {
  std::lock_guard lock(mutex_);
  return std::count(requests_.begin(), requests_.end(), target);
}

void HttpServer::Clear() {
  std::lock_guard lock(mutex_);
  requests_.clear();
}

bool HttpServer::WaitFor(const std::string& target, size_t count,
                         std::chrono::milliseconds timeout) {
  return PumpUntil([&] { return CountOf(target) >= count; }, timeout);
}

}  // namespace zeltest
