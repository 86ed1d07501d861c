#pragma once

// Reader of ADIF 3 logs in the tagged text form (.adi): an optional header up to <EOH>, then
// records of fields <NAME:length[:type]>value, each record ended by <EOR>. Field names are
// read in any case; lengths count bytes; text between fields is ignored.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct AdifField {
  std::string name;  // upper case
  std::string value;
  int line = 0;  // line of the field's tag, from 1
};

struct AdifRecord {
  int number = 0;  // from 1, in file order
  int line = 0;    // line of the record's first tag
  std::vector<AdifField> fields;

  // The field of that (upper-case) name, or nullptr.
  const AdifField* Find(std::string_view name) const;
  // The field's value, or "" when the record lacks it.
  std::string Value(std::string_view name) const;
};

// Where and why a log cannot be used.
struct AdifError {
  int line = 0;
  int record = 0;     // 0: the header
  std::string field;  // empty when the fault is not in one field
  std::string message;
};

struct AdifLog {
  std::vector<AdifRecord> records;  // complete records only
  std::optional<AdifError> error;   // set when the text is malformed
};

// Reads a whole .adi text. On a malformed text, error says where; records then holds the
// complete records before the fault.
AdifLog ReadAdif(std::string_view text);

// "<file>, line 12, record 3, field QSO_DATE: <message>" (parts that do not apply left out).
std::string DescribeAdifError(const std::string& file, const AdifError& error);
