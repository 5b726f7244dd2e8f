#pragma once

// Texts the editor shows that no caption table holds, in both languages it
// speaks. UTF-8; the window fills in the %-numbered parts.

namespace ostrak {

// The language of the captions on screen.
enum class ShownLanguage { Spanish, English };

struct MessageTexts {
  const char* title;
  const char* text;
};

// Save refused: %1 the field's label as shown, %2 the character, %3 its code
// point ("U+0141").
inline const MessageTexts& CharacterWithoutByteMessage(ShownLanguage language) {
  static constexpr MessageTexts kSpanish{
      "Carácter no admitido",
      "El campo «%1» contiene «%2» (%3), un carácter que el archivo del luchador no puede guardar. "
      "Cámbielo y vuelva a guardar; no se ha guardado nada."};
  static constexpr MessageTexts kEnglish{
      "Character not supported",
      "The field “%1” holds “%2” (%3), a character the fighter file cannot store. "
      "Change it and save again; nothing was saved."};
  return language == ShownLanguage::English ? kEnglish : kSpanish;
}

// A save went on without its history: %1 the reason, in the history's own
// words ("this change has no history: ...").
inline const MessageTexts& NoHistoryMessage(ShownLanguage language) {
  static constexpr MessageTexts kSpanish{
      "Guardado sin historial",
      "El luchador se ha guardado, pero el historial no puede guardar este cambio, que no podrá "
      "deshacerse después.\n\n%1"};
  static constexpr MessageTexts kEnglish{
      "Saved without history",
      "The fighter was saved, but the history cannot keep this change, which cannot be taken back "
      "later.\n\n%1"};
  return language == ShownLanguage::English ? kEnglish : kSpanish;
}

// "Recover unsaved fighter" found nothing to bring back.
inline const MessageTexts& NoDraftMessage(ShownLanguage language) {
  static constexpr MessageTexts kSpanish{"Ningún luchador sin guardar",
                                         "Al salir la última vez no quedó ningún luchador sin guardar."};
  static constexpr MessageTexts kEnglish{"No unsaved fighter",
                                         "No fighter was left unsaved at the last exit."};
  return language == ShownLanguage::English ? kEnglish : kSpanish;
}

// The kept form is damaged, or of another version of the editor.
inline const MessageTexts& UnreadableDraftMessage(ShownLanguage language) {
  static constexpr MessageTexts kSpanish{
      "Luchador sin guardar ilegible",
      "El luchador que quedó sin guardar no se puede leer; el formulario no ha cambiado."};
  static constexpr MessageTexts kEnglish{
      "Unsaved fighter unreadable", "The fighter left unsaved cannot be read; the form has not changed."};
  return language == ShownLanguage::English ? kEnglish : kSpanish;
}

}  // namespace ostrak
