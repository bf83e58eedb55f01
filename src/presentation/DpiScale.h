#pragma once

namespace zubolo {

// Design pixels are those of 96 dots per inch; device pixels those of the window's resolution.
// A resolution that is not positive (a window that does not exist) counts as 96.

int ToDevicePixels(int designPixels, int dpi);
// Rounded to the nearest design pixel.
int ToDesignPixels(int devicePixels, int dpi);

}  // namespace zubolo
