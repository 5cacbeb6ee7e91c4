// Resource IDs of the settings program: templates, icon, cursor, and every control.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_PAGE_MAIN 102
#define IDD_PAGE_FILTER1 103
#define IDD_PAGE_FILTER2 104
#define IDD_PAGE_HIGHLIGHT 105

// Icon and cursor
#define IDR_MAINFRAME 128
#define IDR_LINK_CURSOR 131

// The link label of the About box and of the Main page
#define IDC_LINK 1012

// The Main page's link to the auction service's list display preferences (the About box's
// home page and notice are build settings: ProductInfo.h)
#define MIREL_LIST_PREFS_URL "http://user.auctions.yahoo.co.jp/jp/show/prefs?select=list"

// Main page
#define IDC_MAIN_DISP_BEFORE 1000
#define IDC_MAIN_DISP_AFTER 1001
#define IDC_MAIN_ENABLE 1004
#define IDC_MAIN_DISABLE 1005
#define IDC_MAIN_UNINSTALL 1006
#define IDC_MAIN_ABOUT 1007
#define IDC_MAIN_SORT_STANDARD 1008
#define IDC_MAIN_SORT_REMAINING 1009

// Filter 1 page
#define IDC_F1_RATING 1001
#define IDC_F1_PAY_BANK 1005
#define IDC_F1_YELLOW_COUNT_EDIT 1007
#define IDC_F1_RED_COUNT_EDIT 1008
#define IDC_F1_YELLOW_RATE_EDIT 1009
#define IDC_F1_RED_RATE_EDIT 1010
#define IDC_F1_YELLOW_COUNT_CHECK 1011
#define IDC_F1_SELF_INTRO 1014
#define IDC_F1_YELLOW_RATE_CHECK 1016
#define IDC_F1_PAY_EASY 1017
#define IDC_F1_PAY_COD 1023
#define IDC_F1_PAY_NET_BANK 1025
#define IDC_F1_SHIP_COST 1027
#define IDC_F1_SHIP_TIMING 1028
#define IDC_F1_RED_COUNT_CHECK 1029
#define IDC_F1_RED_RATE_CHECK 1030
#define IDC_F1_PAY_CASH_REG 1031

// Filter 2 page
#define IDC_F2_OVERSEAS 1015
#define IDC_F2_YUPACK 1016
#define IDC_F2_REGION 1017
#define IDC_F2_BIDDER_LIMIT 1019
#define IDC_F2_AUTO_EXTEND 1020
#define IDC_F2_EARLY_END 1021
#define IDC_F2_DESIRED_PRICE 1022
#define IDC_F2_QUESTIONS 1025

// Highlight page
#define IDC_HL_TEXT 1002

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
