#include "roster/JsonTable.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "core/IntToStr.h"

namespace ostrak::roster {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

}  // namespace

void ReadJsonRows(std::string text, const std::function<void(TableRow&&)>& row,
                  std::vector<TableProblem>& problems) {
  const std::size_t skip = std::string_view(text).starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  QJsonParseError error{};
  QJsonDocument document = QJsonDocument::fromJson(
      QByteArray::fromRawData(text.data() + skip, static_cast<qsizetype>(text.size() - skip)), &error);
  std::string().swap(text);
  if (error.error != QJsonParseError::NoError) {
    throw TableProblem{
        0, {}, "is not JSON: " + Utf8(error.errorString()) + " at byte " + IntToStr(error.offset + skip)};
  }
  if (!document.isArray()) throw TableProblem{0, {}, "is not a JSON array of objects"};

  const QJsonArray rows = document.array();
  document = QJsonDocument();
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (!rows[i].isObject()) {
      problems.push_back({number, {}, "is not a JSON object"});
      continue;
    }
    const QJsonObject object = rows[i].toObject();
    TableRow read{number, {}};
    for (auto member = object.begin(); member != object.end(); ++member) {
      read.cells.emplace_back(Utf8(member.key()), ValueOf(member.value()));
    }
    row(std::move(read));
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
