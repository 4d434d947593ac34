#pragma once
// Paged output of a report drawn as one long strip of pages: each printed page
// shows one band of the strip.

#include "platform/canvas.h"

namespace ledra {

// What a printed page (1, 2, ...) shows of the strip.
struct Band {
  Rect clip;
  int shift_y = 0;
};
constexpr Band PageBand(int page, int dpi_x, int dpi_y, int page_width_tenths,
                        int page_height_tenths) {
  const int band_height = dpi_y * (page_height_tenths / 10);
  const int width = dpi_x * page_width_tenths / 10;
  return {{0, band_height * (page - 1), width, band_height * page}, band_height * (page - 1)};
}

}  // namespace ledra
