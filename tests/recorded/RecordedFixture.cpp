#include "RecordedFixture.h"

#include <filesystem>

namespace ostrak::test {

RecordedFolder::RecordedFolder() {
  std::filesystem::create_directories(dir / "roster");
  files_ = std::filesystem::canonical(dir / "roster").string() + "/";
}

std::string RecordedFolder::Commit(const std::string& base, const std::vector<roster::FileWrite>& writes,
                                   roster::CommitJournal* journal) {
  roster::RosterPlan plan = roster::PlanWrites(writes, {base});
  if (!plan.Problems().empty()) return "problem: " + plan.Problems().front().message;
  const roster::CommitResult result = roster::Commit(plan, {}, journal);
  return result.ok() ? "" : result.failure->message;
}

std::string Fighter(int punches) {
  std::string text = std::to_string(punches) + "\r\n";
  for (int line = 1; line < 17; ++line) text += std::to_string(1 + (line * 7) % 20) + "\r\n";
  return text + "Ann Lee\r\nAnn\r\n2\r\n0\r\n170 cm\r\n60 kg\r\n3\r\nPer\xFA\r\n01/02/1990\r\n12345\r\n1\r\n";
}

void Put(const std::string& path, const history::Content& content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  if (content)
    WriteBytes(path, *content);
  else
    std::filesystem::remove(path);
}

history::Content Held(const std::string& path) {
  if (!std::filesystem::exists(path)) return std::nullopt;
  return ReadBytes(path);
}

}  // namespace ostrak::test
