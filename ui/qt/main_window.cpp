#include "ui/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFont>
#include <QFontDatabase>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/qt/banner_resources.h"

namespace quelor::ui {
namespace {

// The window's text face: Tahoma, or DejaVu Sans where Tahoma is not
// installed (every Debian desktop has it).
constexpr char kRunStoppedText[] =
    "Das Update wurde abgebrochen. Das Fenster kann geschlossen werden.";

QFont WindowFont() {
  return QFont(QStringList{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")}, 8);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  InitBannerResources();
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QString::fromUtf8(app::kApplicationTitle.data(),
                                   static_cast<qsizetype>(app::kApplicationTitle.size())));
  setFont(WindowFont());
  BuildLayout();
  resize(kClientSize);
}

MainWindow::~MainWindow() {
  // Should a run end in the middle of a step with the busy cursor set, the
  // cursor must not outlive the window that set it.
  SetBusyCursor(false);
}

void MainWindow::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  upper_panel_ = new QWidget(this);
  upper_panel_->setObjectName(QStringLiteral("Panel1"));
  layout->addWidget(upper_panel_, 1);

  // The banners are placed by hand at the panel's top-left corner at a fixed
  // size; only the gauge follows the panel's bottom edge through the layout.
  image_standard_ = MakeBanner(upper_panel_, "Image2", QStringLiteral(":/banners/standard.jpg"));
  image_premium_ =
      MakeBanner(upper_panel_, "ImagePremium", QStringLiteral(":/banners/premium.jpg"));
  image_300_ = MakeBanner(upper_panel_, "Image300", QStringLiteral(":/banners/300.jpg"));
  image_premium_->hide();
  image_300_->hide();

  auto* upper_layout = new QVBoxLayout(upper_panel_);
  upper_layout->setContentsMargins(0, 0, 0, 0);
  upper_layout->setSpacing(0);
  upper_layout->addStretch(1);
  gauge_ = new GaugeWidget(upper_panel_);
  gauge_->setObjectName(QStringLiteral("Gauge1"));
  gauge_->setFixedHeight(kGaugeHeight);
  upper_layout->addWidget(gauge_);
  // The banners reach two pixels into the gauge's strip; the gauge stays on top.
  gauge_->raise();

  lower_panel_ = new QWidget(this);
  lower_panel_->setObjectName(QStringLiteral("Panel2"));
  lower_panel_->setFixedHeight(kLowerPanelHeight);
  layout->addWidget(lower_panel_);

  // The run starts by itself and there is nothing to cancel, so the buttons
  // exist but are never shown.
  auto* ok_button = new QPushButton(QStringLiteral("OK"), lower_panel_);
  ok_button->setObjectName(QStringLiteral("ButtonOK"));
  ok_button->setGeometry(560, 10, 83, 25);
  ok_button->hide();
  auto* cancel_button = new QPushButton(QStringLiteral("Abbrechen"), lower_panel_);
  cancel_button->setObjectName(QStringLiteral("ButtonAbbrechen"));
  cancel_button->setGeometry(652, 10, 83, 25);
  cancel_button->hide();

  stopped_label_ = new QLabel(QString::fromUtf8(kRunStoppedText), lower_panel_);
  stopped_label_->setObjectName(QStringLiteral("StoppedLabel"));
  stopped_label_->setGeometry(12, 0, kClientSize.width() - 24, kLowerPanelHeight);
  stopped_label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  stopped_label_->hide();
}

void MainWindow::ShowRunStopped(const std::string& report) {
  stopped_label_->show();
  // Non-modal and owned by the window: closing the window closes it too.
  auto* dialog = new QDialog(this);
  dialog->setObjectName(QStringLiteral("ReportDialog"));
  dialog->setWindowTitle(QStringLiteral("Bericht"));
  auto* text = new QPlainTextEdit(dialog);
  text->setObjectName(QStringLiteral("ReportView"));
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text->setPlainText(QString::fromStdString(report));
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(text);
  dialog->resize(720, 300);
  dialog->setModal(false);
  dialog->show();
}

QLabel* MainWindow::MakeBanner(QWidget* panel, const char* name, const QString& resource) {
  auto* label = new QLabel(panel);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(QRect(QPoint(0, 0), kBannerSize));
  // Unscaled from the top-left corner; QLabel clips what does not fit.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setScaledContents(false);
  label->setPixmap(QPixmap(resource));
  return label;
}

void MainWindow::ApplyBanner(char edition_code) {
  QLabel* shown = nullptr;
  switch (edition_code) {
    case 'J':
      shown = image_premium_;
      break;
    case 'N':
      shown = image_standard_;
      break;
    case '3':
      shown = image_300_;
      break;
    default:
      return;
  }
  for (QLabel* banner : {image_standard_, image_premium_, image_300_}) {
    banner->setVisible(banner == shown);
  }
}

void MainWindow::CentreOnScreen() {
  const QScreen* target = screen();
  if (target == nullptr) return;
  // setGeometry places the client area; the window system adds its frame
  // around it.
  setGeometry(QRect(target->availableGeometry().center() - rect().center(), size()));
}

void MainWindow::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

void MainWindow::SetGauge(int percent) { gauge_->SetValue(percent); }

void MainWindow::ShowDialog(app::DialogKind kind, const std::string& caption,
                            const std::string& text) {
  present_dialog_(kind, QString::fromStdString(caption), QString::fromStdString(text), this);
}

void MainWindow::SetBusyCursor(bool busy) {
  // Set, not push: the run may ask for the busy cursor twice before it asks
  // for the normal one, and one request must bring the normal one back.
  if (busy == busy_cursor_) return;
  busy_cursor_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void MainWindow::ProcessMessages() { QCoreApplication::processEvents(); }

bool MainWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) FireFirstActivation();
  return handled;
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Without a window manager (a bare X server, the offscreen platform) the
  // window may never be activated. Watch for it to reach the screen instead.
  if (QWindow* handle = windowHandle(); handle != nullptr && !watching_exposure_) {
    watching_exposure_ = true;
    handle->installEventFilter(this);
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && !fallback_scheduled_ &&
      windowHandle()->isExposed()) {
    // Once the window is on the screen, the run starts with the next turn of
    // the event loop unless an activation has started it already.
    fallback_scheduled_ = true;
    QTimer::singleShot(0, this, &MainWindow::FireFirstActivation);
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // While the run works, the window does not react to the user: closing it
  // then would leave the run writing to a window that is gone. Closing it from
  // the program (at the end of a finished run) is always allowed.
  if (in_first_activation_ && event->spontaneous()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void MainWindow::FireFirstActivation() {
  if (activated_once_) return;
  activated_once_ = true;
  if (!first_activation_) return;
  in_first_activation_ = true;
  first_activation_();
  in_first_activation_ = false;
}

}  // namespace quelor::ui
