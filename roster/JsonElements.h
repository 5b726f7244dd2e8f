#pragma once

// The elements of a JSON array cut out of text that arrives in pieces, one
// at a time, so that a large table is never held whole. Only strings and
// brackets are followed, not the grammar: that finds where each element of
// any JSON text ends, and whatever is not JSON is left to Qt's parser to
// name, element by element (see JsonTable.cpp).

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrak::roster {

struct JsonElement {
  std::string text;        // as it stands, with the white space around it
  std::size_t offset = 0;  // of `text`'s first byte in the whole text
  bool first = true;       // right after the array's '[' (otherwise after a ',')
  char end = 0;            // the ',' or ']' after it; 0 when the text ended first
  // When it is an object: its own members' names as written (quotes and
  // escapes included), in order and each time one is given; not those of
  // the objects inside it.
  std::vector<std::string> names;
};

class JsonElements {
public:
  // `next` hands the text on in pieces, an empty one at the end.
  explicit JsonElements(std::function<std::string_view()> next);

  // Whether the text, after white space, opens an array; it is then opened.
  bool OpensArray();
  // The next element into `element`, reusing its storage; false once the
  // array was closed or the text ended.
  bool Next(JsonElement& element);
  // After the array is closed: where the first byte that is not white space
  // stands; none when only white space follows.
  std::optional<std::size_t> TextAfter();
  // The text not yet taken, up to `limit` bytes, and where it starts.
  std::string Rest(std::size_t& offset, std::size_t limit = std::string::npos);

private:
  bool Ensure();  // a byte ahead, unless the text ends
  void SkipSpace();

  std::function<std::string_view()> next_;
  std::string_view piece_;
  std::size_t at_ = 0;      // in `piece_`
  std::size_t passed_ = 0;  // bytes of the text before `piece_`
  bool ended_ = false;
  bool closed_ = false;
  bool first_ = true;
};

}  // namespace ostrak::roster
