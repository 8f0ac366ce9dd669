// The block is an anonymous mapping: address space for four times the first image, opened for
// writing as far as the images reach, and unmapped when its last image goes.
#include "qt/pixel_block.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <new>

namespace tessarix {

namespace {

size_t pageRounded(size_t bytes) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  return (bytes + page - 1) / page * page;
}

}  // namespace

bool PixelBlock::grow(size_t bytes) {
  const size_t pages = pageRounded(bytes);
  if (pages > committed_) {
    if (pages > reserved_) return false;
    if (mprotect(data_, pages, PROT_READ | PROT_WRITE) != 0) return false;
    committed_ = pages;
  }
  used_ = std::max(used_, bytes);
  return true;
}

void PixelBlock::release(void* block) {
  auto* b = static_cast<PixelBlock*>(block);
  if (b->keep_) return;
  munmap(b->data_, b->reserved_);
  delete b;
}

QImage PixelBlock::makeImage(int width, int height, QImage& previous, PixelBlock*& block) {
  const qsizetype stride = static_cast<qsizetype>(width) * 4;
  const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(std::max(height, 0));
  PixelBlock* b = nullptr;
  // The previous image's block, if no copy of that image is alive and its room suffices.
  if (block != nullptr && previous.isDetached() && pageRounded(bytes) <= block->reserved_) {
    b = block;
    b->keep_ = true;
    previous = QImage();
    b->keep_ = false;
    if (!b->grow(bytes)) {
      release(b);
      b = nullptr;
    }
  }
  if (b == nullptr) {
    const size_t reserved = pageRounded(std::max<size_t>(bytes, 1) * 4);
    void* data = mmap(nullptr, reserved, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE,
                      -1, 0);
    if (data == MAP_FAILED) {
      block = nullptr;
      return QImage(width, height, QImage::Format_RGB32);
    }
    // Huge pages where the system offers them: a fresh image then faults in a few times
    // instead of once per 4 KiB page, which is most of what a new scale costs.
    madvise(data, reserved, MADV_HUGEPAGE);
    b = new PixelBlock(static_cast<unsigned char*>(data), reserved);
    if (!b->grow(bytes)) {
      release(b);
      block = nullptr;
      return QImage(width, height, QImage::Format_RGB32);
    }
  }
  block = b;
  return QImage(b->data_, width, height, stride, QImage::Format_RGB32, &PixelBlock::release, b);
}

}  // namespace tessarix
