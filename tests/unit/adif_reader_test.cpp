#include "tools/adif_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "NAME=value;NAME=value|..." of every record, for compact comparisons.
std::string Flatten(const AdifLog& log) {
  std::string text;
  for (const AdifRecord& record : log.records) {
    if (!text.empty()) text += "|";
    for (size_t i = 0; i < record.fields.size(); ++i) {
      if (i > 0) text += ";";
      text += record.fields[i].name + "=" + record.fields[i].value;
    }
  }
  return text;
}

TEST(AdifReader, ReadsWellFormedLogs) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"Exported by hand\n<ADIF_VER:5>3.1.0\n<EOH>\n", ""},
      {"header\n<EOH><CALL:6>RA3BBB<BAND:3>80m<EOR>", "CALL=RA3BBB;BAND=80m"},
      {"<CALL:6>RA3BBB<EOR>\n<CALL:5>UA9CC<EOR>\n", "CALL=RA3BBB|CALL=UA9CC"},
      // A log opening with a tag may still carry a header.
      {"<ADIF_VER:5>3.1.0<PROGRAMID:3>abc<EOH><CALL:2>K1<EOR>", "CALL=K1"},
      {"\xEF\xBB\xBF<CALL:2>K1<EOR>", "CALL=K1"},
      {"<call:2>K1<Qso_Date:8:D>20170114<eor>", "CALL=K1;QSO_DATE=20170114"},
      {"<eoh><CALL:2>K1<EoR>", "CALL=K1"},
      // The length, not the brackets, ends a value; it counts bytes.
      {"<COMMENT:7>a<b>c<d<CALL:2>K1<EOR>", "COMMENT=a<b>c<d;CALL=K1"},
      {"<NAME:4>Zo\xC3\xAB<CALL:2>K1<EOR>", "NAME=Zo\xC3\xAB;CALL=K1"},
      {"<CALL:4>K1 Xjunk between fields<PFX:0><EOR>", "CALL=K1 X;PFX="},
      {"<CALL:2>K1\r\n<EOR>\r\n\r\n", "CALL=K1"},
  };
  for (const auto& [text, expected] : cases) {
    const AdifLog log = ReadAdif(text);
    EXPECT_FALSE(log.error) << text << ": " << DescribeAdifError("x", *log.error);
    EXPECT_EQ(Flatten(log), expected) << text;
  }
}

TEST(AdifReader, NumbersRecordsAndCountsLines) {
  const AdifLog log = ReadAdif("head\nline two\n<EOH>\n<CALL:2>K1\n<EOR>\n\n<CALL:3>A\nB<EOR>");
  ASSERT_FALSE(log.error);
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_EQ(log.records[0].number, 1);
  EXPECT_EQ(log.records[0].line, 4);
  EXPECT_EQ(log.records[1].number, 2);
  EXPECT_EQ(log.records[1].line, 7);
  EXPECT_EQ(log.records[1].Value("CALL"), "A\nB");
  EXPECT_EQ(log.records[1].Value("BAND"), "");
  EXPECT_EQ(log.records[1].Find("BAND"), nullptr);
}

TEST(AdifReader, MalformedLogsSayWhere) {
  const std::pair<const char*, const char*> cases[] = {
      {"no header end\n<CALL:2>K1<EOR>", "f.adi, line 2, header: header not ended by <EOH>"},
      {"text only", "f.adi, line 1, header: header not ended by <EOH>"},
      {"<CALL:2>K1<EOR>\n<CALL:2>K2<BAND:3>80m",
       "f.adi, line 2, record 2: record not ended by <EOR>"},
      {"<CALL:2>K1<EOR>\n<CALL:2>K2<BAND:3", "f.adi, line 2, record 2: tag not closed by '>'"},
      {"<CALL:2>K1<:3>abc<EOR>", "f.adi, line 1, record 1: tag <:3> has no field name"},
      {"<CALL>K1<EOR>", "f.adi, line 1, record 1, field CALL: tag <CALL> has no length"},
      {"<CALL:x>K1<EOR>", "f.adi, line 1, record 1, field CALL: tag <CALL:x> has no valid length"},
      {"<CALL:>K1<EOR>", "f.adi, line 1, record 1, field CALL: tag <CALL:> has no valid length"},
      {"<CALL:-2>K1<EOR>",
       "f.adi, line 1, record 1, field CALL: tag <CALL:-2> has no valid length"},
      {"<CALL:2:S:X>K1<EOR>",
       "f.adi, line 1, record 1, field CALL: tag <CALL:2:S:X> has no valid length"},
      {"<CALL:99999999999999999999>K1<EOR>",
       "f.adi, line 1, record 1, field CALL: tag <CALL:99999999999999999999> has no valid "
       "length"},
      {"<CALL:2>K1<EOR>\n\n<CALL:9>K2<EOR>",
       "f.adi, line 3, record 2, field CALL: value of 9 bytes runs past the end of the file"},
      {"<CALL:2>K1<call:2>K2<EOR>",
       "f.adi, line 1, record 1, field CALL: field given twice in "
       "one record"},
      {"<CALL:2>K1<EOR><EOH>", "f.adi, line 1, record 2: <EOH> after the header"},
      {"<EOH><CALL:2>K1<EOH><EOR>", "f.adi, line 1, record 1: <EOH> after the header"},
      {"<CALL:2>K1<EOR><EOR>", "f.adi, line 1, record 2: record has no fields"},
  };
  for (const auto& [text, expected] : cases) {
    const AdifLog log = ReadAdif(text);
    ASSERT_TRUE(log.error) << text;
    EXPECT_EQ(DescribeAdifError("f.adi", *log.error), expected) << text;
  }
}

TEST(AdifReader, KeepsOnlyTheCompleteRecordsBeforeAFault) {
  const AdifLog log = ReadAdif("<CALL:2>K1<EOR><CALL:2>K2<EOR><CALL:2>K3<BAND:9>80m<EOR>");
  ASSERT_TRUE(log.error);
  EXPECT_EQ(log.error->record, 3);
  EXPECT_EQ(Flatten(log), "CALL=K1|CALL=K2");
}

}  // namespace
