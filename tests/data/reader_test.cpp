#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/field_reader.h"
#include "data/text_encoding.h"

namespace ventorel {
namespace {

// All fields of a text, and whether the stream ended cleanly.
struct Fields {
  std::vector<std::string> fields;
  bool malformed = false;
};

Fields readAll(std::string_view text) {
  Fields result;
  FieldReader reader(text);
  std::string field;
  for (int guard = 0; guard < 1000; ++guard) {
    const FieldReader::Status status = reader.next(field);
    if (status == FieldReader::Status::End) return result;
    if (status == FieldReader::Status::Malformed) {
      result.malformed = true;
      return result;
    }
    result.fields.push_back(field);
  }
  ADD_FAILURE() << "the reader never reached the end";
  return result;
}

TEST(FieldReader, SplitsAtCommasAndEveryKindOfLineEnd) {
  struct Case {
    const char* text;
    std::vector<std::string> fields;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"a", {"a"}},
      {"1,2,3", {"1", "2", "3"}},
      {"1,2\r\n3,4\r\n", {"1", "2", "3", "4"}},
      {"1,2\n3,4\n", {"1", "2", "3", "4"}},
      {"1,2\r3,4\r", {"1", "2", "3", "4"}},
      {"1\r\n\r\n\n2\r\n\r\n", {"1", "2"}},         // blank lines carry no field
      {"  \t\r\n1\r\n   \r\n", {"1"}},               // nor do lines of blanks
      {",,\"\"\r\n", {"", "", ""}},                   // a terminator record: three empty fields
      {"a,\r\nb", {"a", "", "b"}},                    // a line end after a comma ends an empty field
      {"a,", {"a", ""}},
      {"  12 ,\t-3\t, x y \r\n", {"12", "-3", "x y"}},  // unquoted fields are trimmed, inner blanks stay
      {"\"a,b\",c", {"a,b", "c"}},                    // quotes protect commas
      {"\" padded \" , \"\"", {" padded ", ""}},      // quoted blanks stay, blanks around quotes go
      {"ab\"c,d", {"ab\"c", "d"}},                    // a quote inside an unquoted field is a character
      {"\"元日\",1", {"元日", "1"}},
  };
  for (const Case& c : cases) {
    const Fields got = readAll(c.text);
    EXPECT_FALSE(got.malformed) << c.text;
    EXPECT_EQ(got.fields, c.fields) << c.text;
  }
}

TEST(FieldReader, ReportsBrokenQuotingAndStaysBroken) {
  for (const char* text : {"\"open", "\"open\r\nnext,line", "1,\"a\"b,2", "\"a\"\"b\""}) {
    const Fields got = readAll(text);
    EXPECT_TRUE(got.malformed) << text;
  }
  FieldReader reader("\"x");
  std::string field;
  EXPECT_EQ(reader.next(field), FieldReader::Status::Malformed);
  EXPECT_EQ(reader.next(field), FieldReader::Status::Malformed);
}

TEST(TextEncoding, ReadsUtf8WithOrWithoutMarkAndCp932Otherwise) {
  const std::string utf8 = "元日,みどりの日";
  const std::string cp932 = "\x8C\xB3\x93\xFA,\x82\xDD\x82\xC7\x82\xE8\x82\xCC\x93\xFA";
  struct Case {
    std::string bytes;
    std::optional<std::string> text;
  };
  const std::vector<Case> cases = {
      {"", std::string("")},
      {"0\r\n", std::string("0\r\n")},
      {utf8, utf8},
      {"\xEF\xBB\xBF" + utf8, utf8},
      {cp932, utf8},
      {"\xEF\xBB\xBF" + cp932, std::nullopt},  // a mark promises UTF-8
      {"\x82", std::nullopt},                  // a lead byte without its trail byte
  };
  for (const Case& c : cases) EXPECT_EQ(dataFileText(c.bytes), c.text) << c.bytes;
}

TEST(TextEncoding, Cp932RoundTripAndCharactersItLacks) {
  const std::string text = "室町（中期）,てんぴょうかんぽう,令和";
  const auto bytes = utf8ToCp932(text);
  ASSERT_TRUE(bytes);
  EXPECT_NE(*bytes, text);
  EXPECT_EQ(cp932ToUtf8(*bytes), text);
  EXPECT_FALSE(utf8ToCp932("\xF0\x9F\x98\x80"));  // an emoji has no CP932 code
  EXPECT_FALSE(utf8ToCp932("\xC3"));              // not UTF-8 at all
  // A long text crosses the converter's buffer more than once.
  std::string longText;
  for (int i = 0; i < 5000; ++i) longText += "天保,";
  const auto longBytes = utf8ToCp932(longText);
  ASSERT_TRUE(longBytes);
  EXPECT_EQ(longBytes->size(), 5000u * 5u);
  EXPECT_EQ(cp932ToUtf8(*longBytes), longText);
}

}  // namespace
}  // namespace ventorel
