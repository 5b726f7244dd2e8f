#pragma once

// The roster engine speaks English, as the companion prints it; the roster
// window shows the engine's messages in the window's language. Every message
// the engine builds is listed once as a template, the parts it quotes (names,
// values, numbers, a system's text) as %1, %2…; a message that fits no
// template (the editor's own, a system's) is shown as it is.

#include <QString>
#include <span>
#include <string>

namespace ostrak::roster {

struct EngineMessageTemplate {
  const char* english;  // as the engine words it; the translation context is kEngineMessageContext
  // The holes that are themselves engine messages, translated in turn (bit
  // 0 for %1, bit 1 for %2…); the others are shown as the engine quotes them.
  unsigned nested = 0;
};

inline constexpr const char* kEngineMessageContext = "ostrak::roster::EngineMessages";

// In the order they are tried: a template that a more general one would
// also fit comes first.
std::span<const EngineMessageTemplate> EngineMessageTemplates();

QString TranslateEngineMessage(const QString& message);
// The engine's own bytes: UTF-8, except that a file name is quoted as the
// file system has it.
QString TranslateEngineMessage(const std::string& message);

}  // namespace ostrak::roster
