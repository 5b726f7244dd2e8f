#include "support/BenchArguments.h"

#include <algorithm>

namespace ostrak::bench {

namespace {

std::string NameOf(const std::string& flag) { return flag.substr(0, flag.find('=')); }

}  // namespace

BenchArguments::BenchArguments(int argc, char** argv, const std::vector<std::string>& defaults) {
  std::vector<std::string> given(argv, argv + argc);
  arguments_.push_back(given.empty() ? std::string("bench") : given.front());
  for (const std::string& flag : defaults) {
    const bool overridden =
        std::any_of(given.begin() + std::min<std::ptrdiff_t>(1, std::ssize(given)), given.end(),
                    [&](const std::string& g) { return NameOf(g) == NameOf(flag); });
    if (!overridden) arguments_.push_back(flag);
  }
  if (given.size() > 1) arguments_.insert(arguments_.end(), given.begin() + 1, given.end());
  Point();
}

bool BenchArguments::Take(const std::string& flag) {
  const auto found = std::find(arguments_.begin() + 1, arguments_.end(), flag);
  if (found == arguments_.end()) return false;
  arguments_.erase(found);
  Point();
  return true;
}

void BenchArguments::Point() {
  pointers_.clear();
  for (std::string& argument : arguments_) pointers_.push_back(argument.data());
  pointers_.push_back(nullptr);
  count_ = static_cast<int>(arguments_.size());
}

}  // namespace ostrak::bench
