// quelor-simserver: the simulated SQL Server behind the TDS wire protocol on
// 127.0.0.1, for the ODBC backend and standard clients. Prints "listening on
// 127.0.0.1:N" once it accepts connections. SIGUSR1 saves the state file;
// SIGTERM and SIGINT save it and end the server.
#include <pthread.h>
#include <signal.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <thread>

#include "sim/catalog/schema.h"
#include "sim/demo_server.h"
#include "sim/snapshot/snapshot.h"
#include "tds/listener.h"
#include "tds/simserver_options.h"

using namespace quelor;

int main(int argc, char** argv) {
  auto [options, fault] =
      tds::ParseSimServerOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!options) {
    std::cerr << "quelor-simserver: " << fault << "\n"
              << "usage: quelor-simserver [--port N] [--state FILE] [--login user:password]... "
                 "[--stats FILE]"
                 " [--go-away-after N]\n"
                 "       [--max-connections N] [--max-message-bytes N] [--idle-timeout SECONDS]"
                 " [--read-timeout SECONDS] [--reply-delay-ms D]\n";
    return 2;
  }

  // The signals go to one waiting thread, never to a client thread.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGUSR1);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  sim::Server server;
  std::mutex mutex;
  try {
    if (!options->state_file.empty() && std::filesystem::exists(options->state_file)) {
      sim::LoadSnapshot(options->state_file, server);
    } else {
      sim::BuildDemoServer(server);
    }
  } catch (const std::exception& error) {
    std::cerr << "quelor-simserver: " << error.what() << std::endl;
    return 1;
  }
  if (options->logins.empty())
    server.AddLogin(std::string(sim::kDemoUser), std::string(sim::kDemoPassword));
  for (const auto& [user, password] : options->logins) server.AddLogin(user, password);

  tds::ServerShared shared{server,         mutex, {}, options->go_away_after, options->state_file,
                           options->limits};
  shared.reply_delay = std::chrono::milliseconds(options->reply_delay_ms);
  tds::Listener listener(shared);
  int port = 0;
  try {
    port = listener.Listen(options->port);
  } catch (const std::exception& error) {
    std::cerr << "quelor-simserver: " << error.what() << std::endl;
    return 1;
  }

  std::thread signal_thread([&] {
    while (true) {
      int signal = 0;
      if (sigwait(&signals, &signal) != 0) continue;
      // Saved under the lock, so no batch is half done; only committed work
      // is saved, open transactions stay open (SIGUSR1) or are lost with
      // the server (SIGTERM, SIGINT), as on a real server.
      std::unique_lock lock(mutex);
      tds::SaveCommitted(shared);
      if (!options->stats_file.empty())
        std::ofstream(options->stats_file) << shared.requests.Report();
      if (signal != SIGUSR1) {
        // Client threads may still be blocked in reads, so the process
        // ends here.
        std::cout.flush();
        std::_Exit(0);
      }
      lock.unlock();
    }
  });
  signal_thread.detach();

  std::cout << "listening on 127.0.0.1:" << port << std::endl;
  try {
    listener.Serve();
  } catch (const std::exception& error) {
    std::cerr << "quelor-simserver: " << error.what() << std::endl;
    return 1;
  }
  return 0;
}
