#include "app/run_log.h"

#include <cstdio>
#include <ctime>
#include <streambuf>

#include "platform/local_time.h"

namespace quelor::app {
namespace {

std::string Format(std::chrono::system_clock::time_point moment, const char* format) {
  const std::tm local = platform::LocalTime(std::chrono::system_clock::to_time_t(moment));
  char text[64];
  const std::size_t length = std::strftime(text, sizeof text, format, &local);
  return std::string(text, length);
}

}  // namespace

// Collects what the trace writes until it flushes, then hands it to the file
// with the time in front; a flush with nothing collected writes nothing.
class RunLog::StampingBuffer : public std::streambuf {
 public:
  StampingBuffer(std::ostream& out, WallClock& clock) : out_(out), clock_(clock) {}

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      pending_.push_back(traits_type::to_char_type(c));
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    pending_.append(data, static_cast<std::size_t>(size));
    return size;
  }
  int sync() override {
    if (!pending_.empty()) {
      out_ << LogTimeStamp(clock_()) << ' ' << pending_;
      pending_.clear();
    }
    out_.flush();
    return out_ ? 0 : -1;
  }

 private:
  std::ostream& out_;
  WallClock& clock_;
  std::string pending_;
};

std::string RunLogFileName(std::chrono::system_clock::time_point start, long process_id) {
  return "update-" + Format(start, "%Y%m%d-%H%M%S") + "-" + std::to_string(process_id) + ".log";
}

std::string LogTimeStamp(std::chrono::system_clock::time_point moment) {
  const auto since_epoch = moment.time_since_epoch();
  const long long millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count() % 1000;
  char fraction[8];
  std::snprintf(fraction, sizeof fraction, ".%03lld", millis < 0 ? millis + 1000 : millis);
  return Format(moment, "%Y-%m-%d %H:%M:%S") + fraction;
}

std::string RunLogHeaderText(const RunLogHeader& header) {
  const config::ConnectionSettings& s = header.settings;
  return "quelor-update " + header.version + " (database release 11)\n" +
         "Settings file: " + header.settings_file + "\n" +
         "Server: " + (s.data_source.empty() ? "(none named)" : s.data_source) + "\n" + "Login: " +
         (s.integrated_security ? std::string("Windows authentication")
                                : (s.user_id.empty() ? "(none named)" : s.user_id)) +
         "\n" + "Started: " + Format(header.start, "%Y-%m-%d %H:%M:%S") + "\n\n";
}

RunLog::RunLog(std::unique_ptr<platform::PrivateFile> file, std::string path, WallClock clock)
    : file_(std::move(file)),
      path_(std::move(path)),
      clock_(std::move(clock)),
      buffer_(std::make_unique<StampingBuffer>(file_->stream(), clock_)),
      events_(std::make_unique<std::ostream>(buffer_.get())) {}

RunLog::~RunLog() = default;

void RunLog::WriteHeader(const RunLogHeader& header, const config::PasswordMask& passwords) {
  RunLogHeader shown = header;
  shown.settings.data_source = passwords.Apply(header.settings.data_source);
  shown.settings.user_id = passwords.Apply(header.settings.user_id);
  file_->stream() << RunLogHeaderText(shown);
  file_->stream().flush();
}

std::ostream& RunLog::events() { return *events_; }

std::string RunLog::Finish(int exit_status) {
  events_->flush();
  file_->stream() << "Ended: " << Format(clock_(), "%Y-%m-%d %H:%M:%S") << " with exit status "
                  << exit_status << "\n";
  return file_->Finish();
}

}  // namespace quelor::app
