// Loads the input as a .jpg picture file and draws it twice, stretched and
// at its own size, the way the editor's pictures are first painted. Refusals
// (picture and file errors) are expected; anything else is a finding.

#include <unistd.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "core/Errors.h"
#include "platform/Picture.h"
#include "platform/Surface.h"

namespace {

std::string g_path;
constexpr long long kMaxDrawnPixels = 1 << 18;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(*argc, *argv);
  const char* shm = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  g_path = std::string(shm) + "/ostrak-fuzz-" + std::to_string(::getpid()) + ".jpg";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::FILE* file = std::fopen(g_path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size != 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
  }
  ostrak::TPicture picture;
  try {
    picture.LoadFromFile(g_path);
  } catch (const ostrak::Error&) {
    return 0;
  }
  if (picture.Width() <= 0 || picture.Height() <= 0) std::abort();
  // Large pictures take the same paths as small ones, only longer: drawing
  // them would slow the search a hundredfold. Their limits have unit tests.
  if (static_cast<long long>(picture.Width()) * picture.Height() > kMaxDrawnPixels) return 0;
  ostrak::Surface surface(48, 32, ostrak::clBlack);
  try {
    picture.StretchDraw(surface, ostrak::Rect(0, 0, 48, 32));
  } catch (const ostrak::JpegError&) {
    return 0;
  }
  picture.Draw(surface, ostrak::TPoint{-3, -1}, ostrak::Rect(0, 0, 45, 30));
  return 0;
}
