#include "reports/cabrillo_text.h"

#include <gtest/gtest.h>

namespace {

TEST(CabrilloText, FileStemFromCallSign) {
  const std::pair<const char*, const char*> cases[] = {
      {"UA1AAA", "UA1AAA"},
      {"UA1AAA/P", "UA1AAA_P"},
      {"R9/UA1AAA/M", "R9_UA1AAA_M"},
      {"UA1AAA\\QRP", "UA1AAA_QRP"},
      {"  UA1AAA \t", "UA1AAA"},
      {"", "WEKO"},
      {" \t\r\n", "WEKO"},
      {"/", "_"},
      {" / ", "_"},
      {"UA1AAA:stream", "UA1AAA_stream"},
      {"A*B?C\"D<E>F|G", "A_B_C_D_E_F_G"},
      {"..\\..\\evil", ".._.._evil"},
      {"UA1\tAAA", "UA1_AAA"},
      {"ua1aaa", "ua1aaa"},
  };
  for (const auto& [call, stem] : cases) EXPECT_EQ(CabrilloFileStem(call), stem) << call;
}

TEST(CabrilloText, LineBreaksEncodedForTheSettingsFileAndBack) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"one line", "one line"},
      {"Ul. Lenina 1\r\nMoscow\r\nRussia", "Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia"},
      {"a\rb\nc", "a<CR>b<LF>c"},
      {"\r\n\r\n", "<CR><LF><CR><LF>"},
  };
  for (const auto& [plain, encoded] : cases) {
    EXPECT_EQ(EncodeLineBreaks(plain), encoded) << plain;
    EXPECT_EQ(DecodeLineBreaks(encoded), plain) << encoded;
  }
  // Tags are replaced one after the other, and text that only looks like a tag stays.
  EXPECT_EQ(DecodeLineBreaks("<CR<LF>>"), "<CR\n>");
  EXPECT_EQ(DecodeLineBreaks("<cr><lf><CR"), "<cr><lf><CR");
}

TEST(CabrilloText, TaggedFormGivesOneTaggedLinePerTextLine) {
  EXPECT_EQ(TaggedForm("Ul. Lenina 1<CR><LF>Moscow<CR><LF>Russia", "ADDRESS"),
            "Ul. Lenina 1\r\nADDRESS: Moscow\r\nADDRESS: Russia");
  EXPECT_EQ(TaggedForm("Hi all<CR><LF>73", "SOAPBOX"), "Hi all\r\nSOAPBOX: 73");
  EXPECT_EQ(TaggedForm("", "SOAPBOX"), "");
  EXPECT_EQ(TaggedForm("one line", "SOAPBOX"), "one line");
  EXPECT_EQ(TaggedForm("a<LF>b", "ADDRESS"), "ab");
  EXPECT_EQ(TaggedForm("a<CR>b", "ADDRESS"), "a\r\nADDRESS: b");
  EXPECT_EQ(TaggedForm("<CR><LF>", "ADDRESS"), "\r\nADDRESS: ");
}

}  // namespace
