// From the canvas to pixkit images and files.
#pragma once

#include "canvas.h"

#include "pixkit.h"

#include <string>

namespace artgen {

// A 24-bit image stored bottom row first, the form every reader of bitmap
// files takes.
bool CreateDib24(CDIB& dib, int width, int height);

// The canvas laid over an opaque `under` colour.
bool CanvasToDib(const Canvas& canvas, CDIB& dib, Rgba under);

// Pixels the canvas covers less than half become the key colour (0xRRGGBB);
// the rest are laid over `edge`, so that partly covered pixels at the outline
// darken into it instead of blending with the key.
bool CanvasToKeyedDib(const Canvas& canvas, CDIB& dib, unsigned keyRgb, Rgba edge);

Canvas DibToCanvas(const CDIB& dib);

// 0xRRGGBB of a canvas colour laid over `under`.
unsigned Flatten(const Rgba& colour, const Rgba& under);

} // namespace artgen
