#include "history/Zstd.h"

#include <algorithm>
#include <array>

#include "history/Database.h"

namespace ostrak::history::detail {

namespace {

// Every frame starts with these four bytes: the store keeps frames without
// them and puts them back to read one.
constexpr std::array<char, 4> kMagic = {'\x28', '\xB5', '\x2F', '\xFD'};
// Fighter files are small: the strongest levels cost microseconds on them.
constexpr int kLevel = 19;
// The longest frame header the format has, magic number included.
constexpr std::size_t kLongestHeader = 18;

void Check(std::size_t result, const char* what) {
  if (ZSTD_isError(result)) throw StoreError(std::string(what) + ": " + ZSTD_getErrorName(result));
}

std::string Whole(std::string_view frame) {
  std::string whole(kMagic.begin(), kMagic.end());
  whole.append(frame);
  return whole;
}

}  // namespace

Frames::Frames() : compressor_(ZSTD_createCCtx()), decompressor_(ZSTD_createDCtx()) {
  if (!compressor_ || !decompressor_) throw StoreError("no memory for the history's compression");
  Check(ZSTD_CCtx_setParameter(compressor_.get(), ZSTD_c_compressionLevel, kLevel), "compression level");
  // The content's own bytes are compared wherever it matters.
  Check(ZSTD_CCtx_setParameter(compressor_.get(), ZSTD_c_checksumFlag, 0), "compression setting");
}

std::string Frames::Compress(std::string_view bytes, std::string_view prefix) {
  std::string frame(ZSTD_compressBound(bytes.size()), '\0');
  if (!prefix.empty())
    Check(ZSTD_CCtx_refPrefix(compressor_.get(), prefix.data(), prefix.size()), "compression");
  const std::size_t size =
      ZSTD_compress2(compressor_.get(), frame.data(), frame.size(), bytes.data(), bytes.size());
  Check(size, "compression");
  if (size < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), frame.begin()))
    throw StoreError("compression: unexpected frame");
  return frame.substr(kMagic.size(), size - kMagic.size());
}

std::size_t Frames::SizeOf(std::string_view frame, std::size_t maxSize) const {
  const std::string whole = Whole(frame.substr(0, std::min<std::size_t>(frame.size(), kLongestHeader)));
  const unsigned long long size = ZSTD_getFrameContentSize(whole.data(), whole.size());
  if (size == ZSTD_CONTENTSIZE_UNKNOWN || size == ZSTD_CONTENTSIZE_ERROR || size > maxSize)
    throw DamagedStore("damaged history: a content's frame does not say its size");
  return static_cast<std::size_t>(size);
}

std::string Frames::Decompress(std::string_view frame, std::string_view prefix, std::size_t maxSize) {
  const std::size_t size = SizeOf(frame, maxSize);
  const std::string whole = Whole(frame);
  // Reset first: a frame that failed half-way must not leave its state to the next.
  ZSTD_DCtx_reset(decompressor_.get(), ZSTD_reset_session_and_parameters);
  if (!prefix.empty() && ZSTD_isError(ZSTD_DCtx_refPrefix(decompressor_.get(), prefix.data(), prefix.size())))
    throw DamagedStore("damaged history: a content cannot be read");
  // One byte more than expected, so that a frame giving too much is found.
  std::string out(size + 1, '\0');
  const std::size_t got =
      ZSTD_decompressDCtx(decompressor_.get(), out.data(), out.size(), whole.data(), whole.size());
  if (ZSTD_isError(got) || got != size) throw DamagedStore("damaged history: a content cannot be read");
  out.resize(size);
  return out;
}

}  // namespace ostrak::history::detail
