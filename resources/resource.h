// Resource ids of the plug-in's dialog templates, controls and icon.
#pragma once

#define IDC_STATIC (-1)

#define IDD_CABRILLO 101
#define IDD_SETUP_SARNET 104
#define IDD_MULTIPLIER 105
#define IDD_YO_COUNTY 106
#define IDI_STATS 107

// Cabrillo header (101)
#define IDC_CAB_SOAPBOX 1001
#define IDC_CAB_ADDRESS 1002
#define IDC_CAB_EMAIL 1006
#define IDC_CAB_CLUB 1007
#define IDC_CAB_OPERATORS 1008
#define IDC_CAB_NAME 1009
#define IDC_CAB_CLAIMED 1010
#define IDC_CAB_CONTEST 1011
#define IDC_CAB_CALLSIGN 1012
#define IDC_CAB_CATEGORY 1014

// Status window (104)
#define IDC_SETUP_PREFIX 1000
#define IDC_SETUP_VIEW_DXCC 1015
#define IDC_SETUP_VIEW_COUNTY 1016
#define IDC_SETUP_ON_TOP 1017
#define IDC_SETUP_PROMPT 1018
#define IDC_SETUP_VIEW_LABEL 1019

// DXCC multiplier window (105)
#define IDC_MULTIPLIER_INFO 1004
