// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/Language.h"
#include "ui/Languages.h"

namespace {

constexpr std::string_view kShipped[] = {"de", "fr", "es", "pt_BR", "ru", "zh_CN"};

// The user's languages as systems and browsers give them, most wanted
// first, and the catalogue the program then speaks.
TEST(ChooseLanguage, TakesTheFirstWantedLanguageThereIsACatalogueOf) {
  struct Case {
    std::vector<std::string> wanted;
    const char* chosen;
  };
  const Case cases[] = {
      {{"de-DE", "en-US"}, "de"},
      {{"de_AT.UTF-8"}, "de"},
      {{"fr"}, "fr"},
      {{"fr-CA", "en"}, "fr"},
      {{"pt-BR"}, "pt_BR"},
      {{"pt-PT"}, "pt_BR"},       // the language's only catalogue
      {{"zh-Hans-CN"}, "zh_CN"},  // script and region
      {{"zh-CN"}, "zh_CN"},
      {{"zh"}, "zh_CN"},
      {{"zh-TW", "ru"}, "ru"},  // traditional Chinese never takes simplified
      {{"zh-Hant"}, "en"},
      {{"en-US", "de"}, "en"},  // English needs no catalogue
      {{"nl", "es-MX"}, "es"},  // no Dutch: the next wanted
      {{"xx"}, "en"},           // unknown: English, without an error
      {{"C"}, "en"},
      {{}, "en"},
      {{"", "<script>", "de"}, "de"},
      {{"RU-ru"}, "ru"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::ChooseLanguage(c.wanted, kShipped), c.chosen)
        << (c.wanted.empty() ? "(none)" : c.wanted.front());
  }
}

TEST(ChooseLanguage, ATestCatalogueOfEnglishIsTakenOnlyByItsOwnCode) {
  constexpr std::string_view kWithPseudo[] = {"de", "en_XA"};
  EXPECT_EQ(ui::ChooseLanguage({{"en-XA"}}, kWithPseudo), "en_XA");
  EXPECT_EQ(ui::ChooseLanguage({{"en-GB"}}, kWithPseudo), "en");
}

// A language whose catalogue writes numbers with a comma.
class Comma final : public platform::Language {
  std::string translated(const platform::Text& text) const override {
    return std::string_view(text.context) == "Numbers" ? "," : text.source;
  }
};

TEST(LanguageNumber, TakesTheLanguagesDecimalSignAndNothingElse) {
  struct Case {
    double value;
    const char* english;
    const char* comma;
  };
  const Case cases[] = {{13.59, "13.59", "13,59"},
                        {-29.87, "-29.87", "-29,87"},
                        {866, "866", "866"},
                        {0, "0", "0"},
                        {1e20, "100000000000000000000", "100000000000000000000"}};
  for (const Case& c : cases) {
    EXPECT_EQ(platform::SourceLanguage().number(c.value), c.english);
    EXPECT_EQ(Comma().number(c.value), c.comma);
  }
}

}  // namespace
