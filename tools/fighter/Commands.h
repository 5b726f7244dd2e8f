#pragma once

// The companion's commands. Each returns the process exit status: 0 when
// every file loads (and every write succeeds), 1 otherwise.

#include <string>
#include <vector>

#include "roster/Roster.h"

namespace ostrak::fighter {

enum class RatingsFormat { Table, Csv, Json };

int RunCheck(const std::vector<std::string>& files);
int RunRatings(const std::vector<std::string>& files, RatingsFormat format);
int RunShow(const std::string& file);

// The roster commands (RosterCommands.cpp).
enum class ImportMode { Write, DryRun };

int RunExport(const std::vector<std::string>& files, const roster::ExportOptions& options);
int RunImport(const std::string& table, const roster::RosterOptions& options, ImportMode mode);
int RunSet(const std::string& file, const std::vector<roster::Assignment>& assignments);

}  // namespace ostrak::fighter
