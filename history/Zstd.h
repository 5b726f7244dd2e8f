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

  // A frame of `bytes`, made against `prefix` (empty: on its own).
  std::string Compress(std::string_view bytes, std::string_view prefix);
  // The `size` bytes of `frame`, which was made against `prefix`. Throws
  // StoreError when the frame does not give exactly that.
  std::string Decompress(std::string_view frame, std::size_t size, std::string_view prefix);

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
