#include "platform/JpegDecoder.h"

// clang-format off
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "core/Errors.h"

// libjpeg reports errors through error_exit, which must not return. Ours
// longjmps back to Decompressor::Run, which then throws from its own frame.
// Only plain C-style frames lie between the two: no object with a destructor
// may live in a Step or in anything it calls.

namespace ostrak {
namespace {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

// The whole input is handed over at the start, so running dry means the data
// was cut short: the library is given an end-of-image marker and a warning,
// which lets it finish the picture with what it has.
struct MemorySource {
  jpeg_source_mgr pub;
  bool empty;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr info) {
  if (reinterpret_cast<MemorySource*>(info->src)->empty) ERREXIT(info, JERR_INPUT_EMPTY);
  WARNMS(info, JWRN_JPEG_EOF);
  info->src->next_input_byte = kEndOfImage;
  info->src->bytes_in_buffer = sizeof kEndOfImage;
  return TRUE;
}

void SkipInputData(j_decompress_ptr info, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* source = info->src;
  if (static_cast<unsigned long>(count) >= source->bytes_in_buffer) {
    FillInputBuffer(info);
    return;
  }
  source->next_input_byte += count;
  source->bytes_in_buffer -= static_cast<size_t>(count);
}

void TermSource(j_decompress_ptr) {}

// Called before every chunk of input the decoder consumes, which bounds
// a progressive file with endless scans.
void LimitScans(j_common_ptr info) {
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans) {
    ERREXIT(info, JERR_BAD_PROGRESSION);
  }
}

using Step = void (*)(j_decompress_ptr info, void* context);

// Owns one libjpeg decompressor reading from `bytes`, which must outlive it.
class Decompressor {
public:
  explicit Decompressor(std::string_view bytes) {
    info_.err = jpeg_std_error(&error_.pub);
    error_.pub.error_exit = JumpOnError;
    error_.pub.emit_message = IgnoreMessage;
    error_.pub.output_message = IgnoreOutput;
    Run([](j_decompress_ptr info, void*) { jpeg_create_decompress(info); }, nullptr);
    created_ = true;
    info_.mem->max_memory_to_use = kJpegMemoryCeiling;

    source_.pub.init_source = InitSource;
    source_.pub.fill_input_buffer = FillInputBuffer;
    source_.pub.skip_input_data = SkipInputData;
    source_.pub.resync_to_restart = jpeg_resync_to_restart;
    source_.pub.term_source = TermSource;
    source_.pub.next_input_byte = reinterpret_cast<const JOCTET*>(bytes.data());
    source_.pub.bytes_in_buffer = bytes.size();
    source_.empty = bytes.empty();
    info_.src = &source_.pub;

    progress_.progress_monitor = LimitScans;
    info_.progress = &progress_;
  }

  ~Decompressor() {
    if (created_) jpeg_destroy_decompress(&info_);
  }

  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  // Runs one step of library calls; a library error becomes JpegError here.
  void Run(Step step, void* context) {
    if (setjmp(error_.jump) != 0) throw JpegError(error_.pub.msg_code);
    step(&info_, context);
  }

  JpegHeader ReadHeader() {
    Run([](j_decompress_ptr info, void*) { jpeg_read_header(info, TRUE); }, nullptr);
    JpegHeader header;
    header.width = static_cast<int>(info_.image_width);
    header.height = static_cast<int>(info_.image_height);
    header.progressive = info_.progressive_mode != 0;
    if (static_cast<long long>(info_.image_width) * info_.image_height > kMaxJpegPixels) {
      throw JpegError(JERR_IMAGE_TOO_BIG);
    }
    switch (info_.jpeg_color_space) {
      case JCS_GRAYSCALE:
        header.colorSpace = JpegColorSpace::Grayscale;
        info_.out_color_space = JCS_GRAYSCALE;
        break;
      case JCS_YCbCr:
      case JCS_RGB:
        header.colorSpace = JpegColorSpace::Color;
        info_.out_color_space = JCS_RGB;
        break;
      case JCS_CMYK:
      case JCS_YCCK:
        header.colorSpace = JpegColorSpace::Cmyk;
        info_.out_color_space = JCS_CMYK;
        break;
      default:
        throw JpegError(JERR_CONVERSION_NOTIMPL);
    }
    return header;
  }

  bool InvertedCmyk() const { return info_.saw_Adobe_marker != 0; }

private:
  ErrorManager error_{};
  MemorySource source_{};
  jpeg_progress_mgr progress_{};
  jpeg_decompress_struct info_{};
  bool created_ = false;
};

struct DecodeTarget {
  uchar* bits;
  qsizetype bytesPerLine;
  bool invertedCmyk;
};

unsigned CmykChannel(unsigned ink, unsigned black, bool inverted) {
  if (!inverted) {
    ink = 255 - ink;
    black = 255 - black;
  }
  return (ink * black + 127) / 255;
}

void ConvertRow(const JSAMPLE* in, QRgb* out, JDIMENSION width, J_COLOR_SPACE space, bool invertedCmyk) {
  for (JDIMENSION x = 0; x < width; ++x) {
    switch (space) {
      case JCS_GRAYSCALE:
        out[x] = qRgb(in[x], in[x], in[x]);
        break;
      case JCS_CMYK: {
        const JSAMPLE* p = in + 4 * x;
        out[x] = qRgb(CmykChannel(p[0], p[3], invertedCmyk), CmykChannel(p[1], p[3], invertedCmyk),
                      CmykChannel(p[2], p[3], invertedCmyk));
        break;
      }
      default: {
        const JSAMPLE* p = in + 3 * x;
        out[x] = qRgb(p[0], p[1], p[2]);
        break;
      }
    }
  }
}

// libjpeg-turbo writes colour pictures straight into the image rows in the
// image's own pixel layout (its conversion is the one it uses for RGB, so the
// colours are the same); other colour spaces go through a row of samples.
#if defined(JCS_ALPHA_EXTENSIONS)
constexpr J_COLOR_SPACE kImageLayout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
#endif

void DecodeRows(j_decompress_ptr info, void* context) {
  const DecodeTarget* target = static_cast<DecodeTarget*>(context);
#if defined(JCS_ALPHA_EXTENSIONS)
  const bool direct = info->out_color_space == JCS_RGB;
  if (direct) info->out_color_space = kImageLayout;
#else
  constexpr bool direct = false;
#endif
  jpeg_start_decompress(info);
  JSAMPARRAY row = direct ? nullptr
                          : (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                       info->output_width * info->output_components, 1);
  while (info->output_scanline < info->output_height) {
    const JDIMENSION y = info->output_scanline;
    uchar* line = target->bits + static_cast<qsizetype>(y) * target->bytesPerLine;
    JSAMPROW into = direct ? reinterpret_cast<JSAMPROW>(line) : row[0];
    // Our source never suspends, so no row is a failure, not a pause.
    if (jpeg_read_scanlines(info, &into, 1) != 1) ERREXIT(info, JERR_TOO_LITTLE_DATA);
    if (direct) continue;
    ConvertRow(row[0], reinterpret_cast<QRgb*>(line), info->output_width, info->out_color_space,
               target->invertedCmyk);
  }
}

}  // namespace

JpegHeader ReadJpegHeader(std::string_view bytes) {
  Decompressor decompressor(bytes);
  return decompressor.ReadHeader();
}

QImage DecodeJpeg(std::string_view bytes) {
  Decompressor decompressor(bytes);
  const JpegHeader header = decompressor.ReadHeader();
  QImage image(header.width, header.height, QImage::Format_RGB32);
  if (image.isNull()) throw JpegError(JERR_OUT_OF_MEMORY);
  DecodeTarget target{image.bits(), image.bytesPerLine(), decompressor.InvertedCmyk()};
  decompressor.Run(DecodeRows, &target);
  return image;
}

}  // namespace ostrak
