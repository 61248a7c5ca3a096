#include "console/case_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

TEST(CaseMappingTest, UppercasesByUnicodesFullMapping) {
  struct Case {
    std::string_view text, upper;
  };
  for (const Case& c : {
           Case{"yui", "YUI"},
           Case{"élodie", "ÉLODIE"},
           Case{"жанна", "ЖАННА"},
           Case{"ｙｕｉ", "ＹＵＩ"},
           Case{"ÿ", "Ÿ"},  // the one Latin-1 letter whose capital lies outside Latin-1
           Case{"ǆ", "Ǆ"},
           Case{"ǅ", "Ǆ"},  // a title-case digraph has an upper case too
           Case{"ß", "SS"},
           Case{"ﬃ", "FFI"},
           Case{"ŉ", "ʼN"},           // expansions
           Case{"ǰ", "J\u030C"},      // into a letter and a mark
           Case{"\u0345", "\u0399"},  // a mark that upper-cases to a letter
           Case{"雪乃", "雪乃"},
           Case{"YUI", "YUI"},
           Case{"", ""},
           Case{"a\xFF", "A\uFFFD"},
       }) {
    EXPECT_EQ(console::uppercased(c.text), c.upper) << c.text;
  }
}

TEST(CaseMappingTest, ACharacterIsAScalarWithTheMarksThatFollowIt) {
  struct Case {
    std::string_view text, first;
  };
  for (const Case& c : {
           Case{"e\u0301cole", "e\u0301"}, Case{"e\u0301\u0323x", "e\u0301\u0323"}, Case{"élodie", "é"},
           Case{"\u0301e", "\u0301"},  // a mark that starts the text stands alone
           Case{"か\u3099き", "か\u3099"}, Case{"x", "x"}, Case{"", ""}, Case{"\xE8\x9D", ""},
           Case{"a\u0301\xFF", "a\u0301"},  // the character ends before invalid bytes
       }) {
    EXPECT_EQ(console::first_character(c.text), c.first) << c.text;
  }
  EXPECT_TRUE(console::is_combining_mark(U'\u20DD'));  // enclosing
  EXPECT_TRUE(console::is_combining_mark(U'\u0903'));  // spacing
  EXPECT_FALSE(console::is_combining_mark(U'\u200D'));
}

}  // namespace
