// The banner pictures, compiled into the program as Qt resources under
// ":/banners/": standard.jpg, premium.jpg and 300.jpg, 756 x 482 each.
#pragma once

namespace quelor::ui {

// Registers the pictures. They live in a static library, whose resource
// initialiser the linker would otherwise drop; safe to call more than once.
void InitBannerResources();

}  // namespace quelor::ui
