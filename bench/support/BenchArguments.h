#pragma once

// The command line of a benchmark program with this project's defaults put
// in front of it, so a flag given by the caller still wins.

#include <string>
#include <vector>

namespace ostrak::bench {

class BenchArguments {
public:
  // `defaults` are flags such as "--benchmark_repetitions=30"; one whose
  // name the caller gave is left out.
  BenchArguments(int argc, char** argv, const std::vector<std::string>& defaults);

  // Removes a flag of our own (exactly `flag`) and says whether it was given.
  bool Take(const std::string& flag);

  int& Count() { return count_; }
  char** Values() { return pointers_.data(); }

private:
  void Point();

  std::vector<std::string> arguments_;
  std::vector<char*> pointers_;
  int count_ = 0;
};

}  // namespace ostrak::bench
