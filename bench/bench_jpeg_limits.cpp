// What hostile JPEG files cost before they are refused, beside the baseline
// of decoding the editor's own background. Each case reports the process's
// peak resident memory; run one case per process to read it for that case:
//   build/bin/bench_jpeg_limits --benchmark_filter=HugeHeader
// Inputs are made on the spot by the test fixtures' encoder.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "platform/JpegDecoder.h"
#include "platform/ProgramDirectory.h"
#include "support/JpegFixtures.h"

namespace ostrak {
namespace {

using test::EncodeJpeg;
using test::Encoding;
using test::SolidBlocks;

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Decodes `jpeg`, which must be refused.
void Refuse(benchmark::State& state, const std::string& jpeg) {
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(DecodeJpeg(jpeg));
      state.SkipWithError("the file was not refused");
      return;
    } catch (const JpegError& error) {
      benchmark::DoNotOptimize(error.code());
    }
  }
  ReportPeakMemory(state);
}

void Baseline_DecodeBackground(benchmark::State& state) {
  const std::string jpeg = ReadWholeFile(ProgramDirectory() + "Fondo6.jpg");
  for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg));
  ReportPeakMemory(state);
}
BENCHMARK(Baseline_DecodeBackground)->Unit(benchmark::kMillisecond);

void HugeHeader(benchmark::State& state) {
  Refuse(state, test::WithDimensions(EncodeJpeg(SolidBlocks(3, {{1, 2, 3}})), 65535, 65535));
}
BENCHMARK(HugeHeader)->Unit(benchmark::kMillisecond);

// 1000 scans of a small picture: the scan limit alone does the work.
void ThousandScansSmall(benchmark::State& state) {
  const std::string progressive = EncodeJpeg(SolidBlocks(3, {{9, 99, 199}}), Encoding::Progressive);
  Refuse(state, test::WithFirstScanRepeated(progressive, 1000));
}
BENCHMARK(ThousandScansSmall)->Unit(benchmark::kMillisecond);

// 1000 scans claimed for a picture at the pixel limit: every scan up to the
// limit walks the whole picture. Grey, 4:2:0 colour and 4:4:4 colour (which
// the memory ceiling refuses before the first scan).
void ThousandScansAtPixelLimit(benchmark::State& state, int components, test::Chroma chroma) {
  const std::string progressive = EncodeJpeg(SolidBlocks(components, {{9, 99, 199}, {9, 99, 199}}),
                                             Encoding::Progressive, test::CmykForm::AdobeCmyk, chroma);
  Refuse(state, test::WithDimensions(test::WithFirstScanRepeated(progressive, 1000), 4000, 4000));
}
BENCHMARK_CAPTURE(ThousandScansAtPixelLimit, grey, 1, test::Chroma::Full)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandScansAtPixelLimit, colour_420, 3, test::Chroma::Quarter)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ThousandScansAtPixelLimit, colour_444, 3, test::Chroma::Full)
    ->Unit(benchmark::kMillisecond);

// Not refused, but the most a header can make us decode: a picture at the
// pixel limit with next to no data, drawn as grey.
void EmptyPictureAtPixelLimit(benchmark::State& state) {
  const std::string jpeg = test::WithDimensions(EncodeJpeg(SolidBlocks(3, {{1, 2, 3}})), 4000, 4000);
  for (auto _ : state) benchmark::DoNotOptimize(DecodeJpeg(jpeg));
  ReportPeakMemory(state);
}
BENCHMARK(EmptyPictureAtPixelLimit)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ostrak
