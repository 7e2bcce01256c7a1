#include "ui/qt/dialog_presenter.h"

namespace quelor::ui {

QMessageBox::Icon DialogIcon(app::DialogKind kind) {
  switch (kind) {
    case app::DialogKind::kWarning:
      return QMessageBox::Warning;
    case app::DialogKind::kError:
    case app::DialogKind::kStop:
      return QMessageBox::Critical;
    case app::DialogKind::kInformation:
      return QMessageBox::Information;
    case app::DialogKind::kPlain:
      return QMessageBox::NoIcon;
  }
  return QMessageBox::NoIcon;
}

std::unique_ptr<QMessageBox> MakeMessageBox(app::DialogKind kind, const QString& caption,
                                            const QString& text, QWidget* parent) {
  auto box =
      std::make_unique<QMessageBox>(DialogIcon(kind), caption, QString(), QMessageBox::Ok, parent);
  box->setTextFormat(Qt::PlainText);
  box->setText(text);
  return box;
}

void PresentMessageBox(app::DialogKind kind, const QString& caption, const QString& text,
                       QWidget* parent) {
  MakeMessageBox(kind, caption, text, parent)->exec();
}

}  // namespace quelor::ui
