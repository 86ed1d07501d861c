#pragma once

#include <string>
#include <vector>

#include "reports/cabrillo_log.h"

// The data of the Cabrillo header dialog (template 101), kept apart from the window so that
// what goes in and what comes out is the same on every platform.

// One text per bound control, all empty when constructed.
struct CabrilloDialogFields {
  std::string callsign;
  std::string claimed;  // shown only; never copied back
  std::string club;
  std::string category;
  std::string contest;
  std::string email;
  std::string name;
  std::string operators;
  std::string soapbox;  // with plain line breaks
  std::string address;  // with plain line breaks
  std::string band;
  std::string location;
  std::string transmitter;
  std::string addressCity;
  std::string addressPostalCode;
  std::string addressCountry;
  std::string power;
};

enum class CabrilloControlKind { edit, comboBox };

struct CabrilloControl {
  int id;
  CabrilloControlKind kind;
  std::string CabrilloDialogFields::*field;
};

// The bound controls in the order in which the data exchange sets and reads them.
const std::vector<CabrilloControl>& CabrilloDialogExchange();

// The dialog's texts for the header's fields.
CabrilloDialogFields DialogFieldsFromHeader(const CCabrilloLog& header);
// Copies the confirmed texts into the header, all except the claimed score.
void CopyDialogFieldsToHeader(const CabrilloDialogFields& fields, CCabrilloLog* header);

// The list entry a combo box selects for a text: the first that begins with the text, letter
// case ignored, or -1 when none does (the text then goes into the box's edit field).
int ComboBoxSelection(const std::vector<std::string>& entries, const std::string& text);
