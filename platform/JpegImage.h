#pragma once

// A JPEG picture: the header is read when it is loaded, the pixels are
// decoded when it is first drawn.

#include <string>

#include "platform/Graphic.h"
#include "platform/JpegDecoder.h"

namespace ostrak {

class TJPEGImage : public TGraphic {
public:
  // Keeps the bytes and reads the header; fails with JpegError.
  explicit TJPEGImage(std::string bytes);
  // Reads the file whole (FileOpenError when it cannot, or when it is over
  // the input size limit), then as above.
  static TJPEGImage FromFile(const std::string& fileName);

  int Width() const override { return header_.width; }
  int Height() const override { return header_.height; }
  const JpegHeader& Header() const { return header_; }

  // Decodes on the first call and then drops the file's bytes. A decoding
  // failure is thrown once; afterwards the picture draws nothing, so a paint
  // that fails does not raise the same error again on every repaint.
  const QImage& Pixels() override;

private:
  enum class State { Pending, Decoded, Failed };

  std::string bytes_;
  JpegHeader header_;
  QImage pixels_;
  State state_ = State::Pending;
};

}  // namespace ostrak
