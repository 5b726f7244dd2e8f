#pragma once

// zstd frames for the contents of the history, each made against an earlier
// content given as its prefix, so that a version that differs from the one
// before in a line costs tens of bytes. The contexts are kept and reused.

#include <zstd.h>

#include <memory>
#include <string>
#include <string_view>

namespace ostrak::history::detail {

class Frames {
public:
  Frames();

  // A frame of `bytes`, made against `prefix` (empty: on its own). The frame
  // carries the content's size.
  std::string Compress(std::string_view bytes, std::string_view prefix);
  // The size a frame says its content has. Throws DamagedStore when it says
  // none, or more than `maxSize`.
  std::size_t SizeOf(std::string_view frame, std::size_t maxSize) const;
  // The content of `frame`, which was made against `prefix`. Throws
  // DamagedStore when the frame does not give exactly what it says.
  std::string Decompress(std::string_view frame, std::string_view prefix, std::size_t maxSize);

private:
  struct FreeCompressor {
    void operator()(ZSTD_CCtx* context) const { ZSTD_freeCCtx(context); }
  };
  struct FreeDecompressor {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
  };
  std::unique_ptr<ZSTD_CCtx, FreeCompressor> compressor_;
  std::unique_ptr<ZSTD_DCtx, FreeDecompressor> decompressor_;
};

}  // namespace ostrak::history::detail
