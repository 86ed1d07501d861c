// Template and control ids of the Cabrillo header dialog; read by the resource compiler too,
// so plain defines only.
#pragma once

#define IDD_CABRILLO 101

#define IDC_CABRILLO_SOAPBOX 1001
#define IDC_CABRILLO_ADDRESS 1002
#define IDC_CABRILLO_ADDRESS_CITY 1003
#define IDC_CABRILLO_EMAIL 1004
#define IDC_CABRILLO_CLUB 1005
#define IDC_CABRILLO_OPERATORS 1006
#define IDC_CABRILLO_NAME 1007
#define IDC_CABRILLO_CLAIMED 1008
#define IDC_CABRILLO_CONTEST 1009
#define IDC_CABRILLO_CALLSIGN 1010
#define IDC_CABRILLO_ADDRESS_POSTALCODE 1011
#define IDC_CABRILLO_ADDRESS_COUNTRY 1012
#define IDC_CABRILLO_CATEGORY 1013
#define IDC_CABRILLO_BAND_LABEL 1117
#define IDC_CABRILLO_BAND 1118
#define IDC_CABRILLO_TRANSMITTER_LABEL 1119
#define IDC_CABRILLO_LOCATION_LABEL 1120
#define IDC_CABRILLO_LOCATION 1121
#define IDC_CABRILLO_TRANSMITTER 1122
#define IDC_CABRILLO_POWER 1123
#define IDC_CABRILLO_POWER_LABEL 1124

// The resource type of the combo-box lists that come with a dialog template.
#define RT_DIALOG_INIT 240
// The message code of one list entry in such a resource.
#define DIALOG_INIT_ADD_STRING 0x0403
