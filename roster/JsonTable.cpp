#include "roster/JsonTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <map>
#include <optional>

#include "core/IntToStr.h"
#include "roster/JsonElements.h"

namespace ostrak::roster {

namespace {

// JSON may hold a lone surrogate ("\ud800"), which UTF-8 cannot: it is
// written as the three bytes UTF-8 forbids for it, so that the cell is
// refused as not UTF-8 rather than read as the '?' Qt would make of it.
std::string Utf8(const QString& text) {
  std::string utf8;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool paired = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    if (paired) ++i;
    if (paired || !text[i].isSurrogate()) continue;
    utf8 += text.sliced(start, i - start).toUtf8().toStdString();
    const char16_t unit = text[i].unicode();
    utf8 += {static_cast<char>(0xE0 | (unit >> 12)), static_cast<char>(0x80 | ((unit >> 6) & 0x3F)),
             static_cast<char>(0x80 | (unit & 0x3F))};
    start = i + 1;
  }
  return utf8 + text.sliced(start).toUtf8().toStdString();
}

TableValue ValueOf(const QJsonValue& value) {
  if (value.isString()) return {TableValue::Kind::Text, {Utf8(value.toString())}, false};
  if (!value.isArray()) return {TableValue::Kind::OtherJson, {}, false};
  TableValue list{TableValue::Kind::TextList, {}, false};
  for (const QJsonValue& element : value.toArray()) {
    if (!element.isString()) return {TableValue::Kind::OtherJson, {}, false};
    list.texts.push_back(Utf8(element.toString()));
  }
  return list;
}

TableProblem NotJson(const QJsonParseError& error, long long offset) {
  return {0, {}, "is not JSON: " + Utf8(error.errorString()) + " at byte " + IntToStr(offset)};
}

// The element as QJsonDocument reads it where it stands in the whole text:
// the text around it is stood in for by a '[' and, after the first, an
// element before it, and by what ended it and, after a ',', an element
// after it; so a parse that fails, fails with the words and at the byte it
// would for the whole text. None for the empty array's "element".
// `text` is only room to work in, kept from one element to the next.
//
// A failed parse is made once more with the real text after the element:
// where QJsonDocument says a broken literal ends depends on the bytes that
// follow it ("[fil]" fails at another byte than "[fil]xx").
std::optional<QJsonValue> Parse(const JsonElement& element, JsonElements& elements, std::string& text) {
  const std::string_view before = element.first ? "[" : "[0,";
  const std::string_view after = element.end == ']' ? "]" : element.end == ',' ? ",0]" : "";
  text.assign(before).append(element.text).append(after);
  QJsonParseError error{};
  const auto parse = [&] {
    return QJsonDocument::fromJson(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())),
                                   &error);
  };
  const QJsonDocument document = parse();
  if (error.error != QJsonParseError::NoError) {
    // A few KiB reach past any lookahead of the parser's.
    constexpr std::size_t kLookahead = 4096;
    std::size_t offset = 0;
    text.assign(before).append(element.text);
    if (element.end != 0) text += element.end;
    const std::string following = elements.Rest(offset, kLookahead);
    const bool cut = following.size() == kLookahead;
    text += following;
    const QJsonParseError standIn = error;
    parse();
    // Only a failure where the element stands is the element's, not one
    // where the text was cut.
    if (error.error == QJsonParseError::NoError ||
        (cut && error.offset > static_cast<qsizetype>(text.size() - kLookahead / 2)))
      error = standIn;
    throw NotJson(
        error, static_cast<long long>(element.offset) + error.offset - static_cast<long long>(before.size()));
  }
  const QJsonArray array = document.array();
  const qsizetype at = element.first ? 0 : 1;
  if (array.size() == at + (element.end == ',' ? 1 : 0)) return std::nullopt;
  return array.at(at);
}

// A member's name as written, quotes and escapes included, as QJsonObject keys it.
std::string NameOf(const std::string& written) {
  if (written.find('\\') == std::string::npos) return written.substr(1, written.size() - 2);
  const std::string text = "[" + written + "]";
  return Utf8(QJsonDocument::fromJson(QByteArray::fromStdString(text)).array().at(0).toString());
}

TableRow RowOf(int number, const QJsonObject& object, const std::vector<std::string>& names) {
  TableRow read{number, {}};
  // QJsonObject keeps one member of each name; the names tell how often each was given.
  std::map<std::string, int> given;
  if (names.size() > static_cast<std::size_t>(object.size())) {
    for (const std::string& name : names) ++given[NameOf(name)];
  }
  for (auto member = object.begin(); member != object.end(); ++member) {
    std::string name = Utf8(member.key());
    const auto times = given.find(name);
    for (int i = 1; times != given.end() && i < times->second; ++i)
      read.cells.emplace_back(name, ValueOf(member.value()));
    read.cells.emplace_back(std::move(name), ValueOf(member.value()));
  }
  return read;
}

}  // namespace

void ReadJsonRows(const std::function<std::string_view()>& next, const std::function<void(TableRow&&)>& row,
                  std::vector<TableProblem>& problems) {
  JsonElements elements(next);
  if (!elements.OpensArray()) {
    // Never a table: the whole text tells whether it is JSON at all. The
    // space skipped before its first byte stands in for itself, so that a
    // byte-order mark after it is not taken for one that starts the text.
    std::size_t offset = 0;
    std::string text = elements.Rest(offset);
    text.insert(0, offset, ' ');
    QJsonParseError error{};
    QJsonDocument::fromJson(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())),
                            &error);
    if (error.error != QJsonParseError::NoError) throw NotJson(error, error.offset);
    throw TableProblem{0, {}, "is not a JSON array of objects"};
  }
  JsonElement element;
  std::string room;
  for (int number = 1; elements.Next(element); ++number) {
    const std::optional<QJsonValue> value = Parse(element, elements, room);
    if (!value) break;
    if (!value->isObject()) {
      problems.push_back({number, {}, "is not a JSON object"});
      continue;
    }
    row(RowOf(number, value->toObject(), element.names));
  }
  if (const std::optional<std::size_t> after = elements.TextAfter()) {
    QJsonParseError garbage{};
    garbage.error = QJsonParseError::GarbageAtEnd;
    throw NotJson(garbage, static_cast<long long>(*after));
  }
}

std::string JsonString(std::string_view utf8) {
  std::string json = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '\n':
        json += "\\n";
        break;
      case '\r':
        json += "\\r";
        break;
      case '\t':
        json += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          json += "\\u00";
          json += "0123456789ABCDEF"[byte >> 4];
          json += "0123456789ABCDEF"[byte & 0xF];
        } else {
          json += c;
        }
    }
  }
  return json + "\"";
}

}  // namespace ostrak::roster
