#include "platform/JpegImage.h"

#include <utility>

#include "core/FileAccess.h"

namespace ostrak {

TJPEGImage::TJPEGImage(std::string bytes) : bytes_(std::move(bytes)), header_(ReadJpegHeader(bytes_)) {}

TJPEGImage TJPEGImage::FromFile(const std::string& fileName) { return TJPEGImage(ReadWholeFile(fileName)); }

const QImage& TJPEGImage::Pixels() {
  if (state_ != State::Pending) return pixels_;
  state_ = State::Failed;
  std::string bytes = std::move(bytes_);
  pixels_ = DecodeJpeg(bytes);
  state_ = State::Decoded;
  return pixels_;
}

}  // namespace ostrak
