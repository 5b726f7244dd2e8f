#pragma once

// The companion's three commands. Each returns the process exit status:
// 0 when every file loads, 1 otherwise.

#include <string>
#include <vector>

namespace ostrak::fighter {

enum class RatingsFormat { Table, Csv, Json };

int RunCheck(const std::vector<std::string>& files);
int RunRatings(const std::vector<std::string>& files, RatingsFormat format);
int RunShow(const std::string& file);

}  // namespace ostrak::fighter
