// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// A text as the code writes it, in English, with the part of the program it
// belongs to; the catalogues translate it by the pair.
struct Text {
  const char* context = nullptr;  // none: shown as written (placeholders, symbols)
  const char* source = "";
};

// Marks a text for the catalogues where it is written. lupdate finds it as it
// finds QT_TRANSLATE_NOOP (tools/i18n/catalogues passes the alias).
#define TR_TEXT(context, source) (::platform::Text{context, source})

// The language the program speaks: every caption, title and message, and the
// decimal sign of its numbers.
class Language {
 public:
  virtual ~Language() = default;

  // The text in this language; as written when the catalogue has none, and
  // always as written when it has no context (placeholders, symbols).
  std::string localized(const Text& text) const {
    if (text.context == nullptr || *text.source == '\0') return text.source;
    return translated(text);
  }

  // A readout: plain number text with this language's decimal sign.
  std::string number(double value) const;

 private:
  // A text with a context, from the catalogue.
  virtual std::string translated(const Text& text) const = 0;
};

// English, the language the code is written in.
class SourceLanguage final : public Language {
 private:
  std::string translated(const Text& text) const override { return text.source; }
};

}  // namespace platform
