// Writes a Windows icon file whose images are 32-bit DIBs with alpha (and
// the AND mask Windows still expects), the form every Windows version and
// Wine read.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace pictures {

// `images` are square ARGB32 surfaces; returns false when the file cannot
// be written.
bool WriteIcoFile(const std::string& path, const std::vector<cairo_surface_t*>& images);

}  // namespace pictures
