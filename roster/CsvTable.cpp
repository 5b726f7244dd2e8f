#include "roster/CsvTable.h"

#include <algorithm>
#include <array>

namespace ostrak::roster {

namespace {

constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};

bool NeedsQuotes(std::string_view text, char separator) {
  for (const char c : text) {
    if (c == separator || c == '"' || c == '\r' || c == '\n') return true;
  }
  return false;
}

// Where the header line ends: its first CR or LF outside quotes; the text's
// size when it has none.
std::size_t HeaderLineEnd(std::string_view text) {
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (!quoted && (text[i] == '\r' || text[i] == '\n')) return i;
  }
  return text.size();
}

}  // namespace

char DetectSeparator(std::string_view text) {
  std::array<std::size_t, kSeparators.size()> counts{};
  bool quoted = false;
  for (const char c : text.substr(0, HeaderLineEnd(text))) {
    if (c == '"') quoted = !quoted;
    for (std::size_t i = 0; i < kSeparators.size(); ++i) {
      if (!quoted && c == kSeparators[i]) ++counts[i];
    }
  }
  const auto most = std::max_element(counts.begin(), counts.end());
  return *most == 0 ? ',' : kSeparators[static_cast<std::size_t>(most - counts.begin())];
}

CsvReader::CsvReader(std::function<std::string_view()> next, char separator)
    : next_(std::move(next)), separator_(separator) {
  // The header line is short; a piece holds it unless it is absurdly long.
  Ensure(1);
  const std::size_t end = HeaderLineEnd(buffer_);
  crEndsRows_ = end < buffer_.size() && buffer_[end] == '\r' && Ensure(end + 2) && buffer_[end + 1] != '\n';
  if (separator_ == 0) separator_ = DetectSeparator(buffer_);
}

bool CsvReader::Ensure(std::size_t count) {
  while (buffer_.size() - at_ < count && !ended_) {
    const std::string_view piece = next_();
    if (piece.empty()) {
      ended_ = true;
      break;
    }
    buffer_.erase(0, at_);
    at_ = 0;
    buffer_ += piece;
  }
  return buffer_.size() - at_ >= count;
}

bool CsvReader::AtRowEnd() {
  const int c = Peek();
  return c == '\n' || (c == '\r' && (crEndsRows_ || (Ensure(2) && buffer_[at_ + 1] == '\n')));
}

void CsvReader::SkipRowEnd() { at_ += Peek() == '\r' && Ensure(2) && buffer_[at_ + 1] == '\n' ? 2 : 1; }

void CsvReader::TakeUntil(std::string& out, std::string_view stops) {
  while (Ensure(1)) {
    const std::size_t stop = std::min(buffer_.find_first_of(stops, at_), buffer_.size());
    out.append(buffer_, at_, stop - at_);
    at_ = stop;
    if (stop < buffer_.size()) return;
  }
}

void CsvReader::ReadCell(TableValue& cell, std::size_t index) {
  cell.kind = TableValue::Kind::Text;
  cell.texts.resize(1);
  std::string& text = cell.texts.front();
  text.clear();
  cell.quoted = Peek() == '"';
  const auto fail = [&](const char* message) {
    throw TableProblem{number_, index < header_.size() ? header_[index] : std::string(), message};
  };
  if (!cell.quoted) {
    const char stops[] = {separator_, '\r', '\n', '"'};
    for (;;) {
      TakeUntil(text, std::string_view(stops, sizeof stops));
      const int c = Peek();
      if (c == '"') fail("a quote inside a cell that does not start with one");
      if (c != '\r' || AtRowEnd()) return;
      text += '\r';
      ++at_;
    }
  }
  for (++at_;;) {
    TakeUntil(text, "\"");
    if (Peek() < 0) fail("a quoted cell has no closing quote");
    ++at_;
    if (Peek() != '"') break;
    text += '"';
    ++at_;
  }
  if (Peek() >= 0 && Peek() != separator_ && !AtRowEnd()) fail("text after a closing quote");
}

bool CsvReader::Next(std::vector<TableValue>& cells) {
  if (Peek() < 0) return false;
  std::size_t count = 0;
  const auto readCell = [&] {
    if (cells.size() <= count) cells.emplace_back();
    ReadCell(cells[count], count);
    ++count;
  };
  for (;;) {
    readCell();
    if (Peek() == separator_) {
      ++at_;
      if (Peek() >= 0) continue;
      readCell();  // a separator at the very end leaves an empty last cell
    }
    if (AtRowEnd()) SkipRowEnd();
    break;
  }
  cells.resize(count);
  if (number_ == 0) {
    for (const TableValue& cell : cells) header_.push_back(cell.texts.front());
  }
  ++number_;
  return true;
}

void AppendCsvCell(std::string& out, std::string_view text, Quote quote, char separator) {
  if (!NeedsQuotes(text, separator) && quote == Quote::WhereNeeded) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string CsvField(std::string_view utf8) {
  std::string field;
  AppendCsvCell(field, utf8);
  return field;
}

}  // namespace ostrak::roster
