#include "roster/JsonElements.h"

#include <algorithm>

namespace ostrak::roster {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

JsonElements::JsonElements(std::function<std::string_view()> next) : next_(std::move(next)) {}

bool JsonElements::Ensure() {
  while (at_ == piece_.size() && !ended_) {
    passed_ += piece_.size();
    piece_ = next_();
    at_ = 0;
    ended_ = piece_.empty();
  }
  return at_ < piece_.size();
}

void JsonElements::SkipSpace() {
  while (Ensure() && IsSpace(piece_[at_])) ++at_;
}

bool JsonElements::OpensArray() {
  SkipSpace();
  if (!Ensure() || piece_[at_] != '[') return false;
  ++at_;
  return true;
}

bool JsonElements::Next(JsonElement& element) {
  if (closed_) return false;
  element.text.clear();
  element.names.clear();
  element.offset = passed_ + at_;
  element.first = first_;
  element.end = 0;
  first_ = false;

  // Brackets of both kinds count alike: in JSON they nest, and in what is
  // not JSON the element's parse fails wherever they stop matching.
  std::size_t depth = 0;
  bool begun = false;     // past the white space before the element
  bool object = false;    // the element opened with '{'
  bool nameNext = false;  // a string at depth 1 of the object would be a member's name
  bool inString = false;
  bool escaped = false;
  std::size_t nameStart = std::string::npos;
  std::string& text = element.text;
  while (Ensure()) {
    if (inString) {
      // The bulk of a table is strings: take each run up to a quote or an escape at once.
      const std::size_t stop = escaped ? at_ : std::min(piece_.find_first_of("\"\\", at_), piece_.size());
      text.append(piece_, at_, stop - at_);
      at_ = stop;
      if (at_ == piece_.size()) continue;
      const char c = piece_[at_++];
      text += c;
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else {
        inString = false;
        if (nameStart != std::string::npos) element.names.push_back(text.substr(nameStart));
        nameStart = std::string::npos;
      }
      continue;
    }
    const char c = piece_[at_];
    if (depth == 0 && (c == ',' || c == ']')) {
      ++at_;
      element.end = c;
      closed_ = c == ']';
      return true;
    }
    switch (c) {
      case '"':
        inString = true;
        if (nameNext) nameStart = text.size();
        nameNext = false;
        break;
      case '{':
        object = object || !begun;
        ++depth;
        nameNext = object && depth == 1;
        break;
      case '[':
        ++depth;
        break;
      case '}':
      case ']':
        if (depth > 0) --depth;
        break;
      case ',':
        nameNext = object && depth == 1;
        break;
      default:
        break;
    }
    begun = begun || !IsSpace(c);
    text += c;
    ++at_;
  }
  closed_ = true;
  return true;
}

std::optional<std::size_t> JsonElements::TextAfter() {
  SkipSpace();
  if (!Ensure()) return std::nullopt;
  return passed_ + at_;
}

std::string JsonElements::Rest(std::size_t& offset, std::size_t limit) {
  Ensure();
  offset = passed_ + at_;
  std::string rest;
  while (rest.size() < limit && Ensure()) {
    const std::size_t take = std::min(piece_.size() - at_, limit - rest.size());
    rest.append(piece_, at_, take);
    at_ += take;
  }
  return rest;
}

}  // namespace ostrak::roster
