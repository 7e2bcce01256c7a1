#include "ui/console/console_view.h"

namespace quelor::ui {

std::string EscapeLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void ConsoleView::EndProgressLine() {
  if (!progress_line_open_) return;
  out_ << '\n';
  progress_line_open_ = false;
}

void ConsoleView::SetCaption(const std::string& caption) {
  EndProgressLine();
  out_ << "caption: " << caption << '\n' << std::flush;
}

void ConsoleView::ShowTenantStart(std::size_t number, std::size_t count, const std::string& name) {
  EndProgressLine();
  out_ << '[' << number << '/' << count << "] " << name << '\n' << std::flush;
}

void ConsoleView::SetGauge(int percent) {
  if (rewrite_progress_) {
    out_ << "\rprogress: " << percent << '%' << std::flush;
    progress_line_open_ = true;
  } else {
    out_ << "progress: " << percent << "%\n" << std::flush;
  }
}

void ConsoleView::ShowDialog(app::DialogKind kind, const std::string& caption,
                             const std::string& text) {
  WriteDialogLine("", kind, caption, text);
}

void ConsoleView::ShowDialogFor(const std::string& database, app::DialogKind kind,
                                const std::string& caption, const std::string& text) {
  WriteDialogLine("[" + EscapeLineBreaks(database) + "] ", kind, caption, text);
}

void ConsoleView::WriteDialogLine(const std::string& prefix, app::DialogKind kind,
                                  const std::string& caption, const std::string& text) {
  EndProgressLine();
  out_ << std::flush;
  err_ << prefix << app::DialogKindName(kind) << " [" << caption << "]: " << EscapeLineBreaks(text)
       << '\n'
       << std::flush;
}

}  // namespace quelor::ui
