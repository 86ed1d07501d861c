#pragma once

#include <string>

// Text rules of the Cabrillo header: the file stem and the forms of multi-line fields.

// The file name without ".cbr" for a call sign: "/", "\" and the characters Windows forbids in
// file names (: * ? " < > |) become "_", surrounding white space is removed, control
// characters left inside become "_", and an empty result gives "WEKO".
std::string CabrilloFileStem(const std::string& call);

// Settings-file form of a multi-line text: every CR becomes "<CR>", then every LF "<LF>".
std::string EncodeLineBreaks(const std::string& text);
// The reverse: every "<CR>" becomes CR, then every "<LF>" LF.
std::string DecodeLineBreaks(const std::string& text);

// Tagged form of an encoded text for the file: every "<CR>" becomes "\r\n", the tag and ": ",
// and every "<LF>" is removed, so that each text line becomes a line of its own tag.
std::string TaggedForm(const std::string& encoded, const std::string& tag);
