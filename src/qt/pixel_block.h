// Memory for the pixels of the screen's scaled image, handed on from one scale to the next.
// Touching fresh pages is what a new image costs most (each page faults in once): a new image
// takes over the pages its predecessor touched, and grows in place into address space reserved
// beyond them.
#pragma once

#include <QImage>
#include <cstddef>

namespace tessarix {

class PixelBlock {
 public:
  // An RGB32 image of width x height over a block, its pixels whatever the block held: the
  // block of `previous` (which then becomes null) when that image is its block's only user and
  // the block has room, else a new block. `block` is set to the image's block.
  static QImage makeImage(int width, int height, QImage& previous, PixelBlock*& block);
  // The bytes the block holds: the most its images have taken.
  size_t bytes() const { return used_; }

 private:
  PixelBlock(unsigned char* data, size_t reserved) : data_(data), reserved_(reserved) {}
  bool grow(size_t bytes);
  static void release(void* block);

  unsigned char* data_;
  size_t reserved_;        // address space held, no memory until written
  size_t committed_ = 0;   // the part open for writing, whole pages
  size_t used_ = 0;        // the most bytes an image took
  bool keep_ = false;      // set while the block passes from one image to the next
};

}  // namespace tessarix
