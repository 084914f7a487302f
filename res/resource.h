// The identifiers of the program's resources and controls, shared by the
// resource script and the code.
#pragma once

#define IDD_MAINDLG             103
#define IDI_APPICON             107

#define IDC_RADIO_TO_COMIC      1001
#define IDC_RADIO_TO_ARCHIVE    1002
#define IDC_LOG_LIST            1004
#define IDC_HINT_TEXT           1005
