#include "ui/qt/banner_resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares the generated initialiser, which lives in the
// global namespace, so it must be expanded outside ours.
static void InitBannersQrc() { Q_INIT_RESOURCE(banners); }

namespace quelor::ui {

void InitBannerResources() {
  static const bool registered = [] {
    InitBannersQrc();
    return true;
  }();
  (void)registered;
}

}  // namespace quelor::ui
