// Images scaled to the sides a mipmapped texture takes, as GLU scales them.
#pragma once

#include <cstddef>
#include <vector>

#include "render/gl.h"

namespace render::gles {

// The bytes per pixel of an 8-bit image in `format`; 0 for formats the layer does not take.
int ChannelCount(GLenum format);

// The power of two a side becomes: the nearer of those around it (a side of one and a half
// times a power goes up), at most `largest`.
int MipmapSide(int side, int largest);

// Each pixel of the result is the average of the source area it covers, weighted by how much
// of each source pixel lies in it. Source rows are `rowBytes` apart; the result's are packed.
std::vector<unsigned char> ScaleImage(const unsigned char* pixels, int width, int height,
                                      int channels, size_t rowBytes, int newWidth, int newHeight);

}  // namespace render::gles
