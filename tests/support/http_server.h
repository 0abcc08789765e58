// A real HTTP server on 127.0.0.1 for the tests: it records every request line
// and answers with small pages that the browser must not cache.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/message_pump.h"

namespace zeltest {

class HttpServer {
 public:
  explicit HttpServer(unsigned short port);
  ~HttpServer();
  HttpServer(const HttpServer&) = delete;
  HttpServer& operator=(const HttpServer&) = delete;

  bool listening() const { return listener_ != ~uintptr_t{0}; }
  // Request targets (path and query) in arrival order, e.g. "/tv/Hi.htm".
  std::vector<std::string> Requests() const;
  size_t CountOf(const std::string& target) const;
  void Clear();
  // Pumps the calling thread's messages (the controls live on it) until `target`
  // has been requested at least `count` times, or the timeout passes.
  bool WaitFor(const std::string& target, size_t count = 1,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

 private:
  void Serve();
  void Answer(uintptr_t client);

  uintptr_t listener_ = ~uintptr_t{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
};

}  // namespace zeltest
