// Resource identifiers of HUEX: dialogs, controls, menus, commands, icons, cursors and bitmaps.
// Shared by huex.rc and the C++ sources, so plain macros only.
#ifndef HUEX_RESOURCE_H
#define HUEX_RESOURCE_H

// ---- Dialogs -------------------------------------------------------------------------------------
#define IDD_PICKER 102
#define IDD_ABOUT 486
#define IDD_SETTINGS 497

// ---- Picker window (dialog 102) ------------------------------------------------------------------
#define IDC_INSTANCE_MARKER 2 // 1 x 1 child created at run time; its text marks a running copy
#define IDC_EDIT1 1000
#define IDC_EDIT2 1001
#define IDC_CHECK1 1010
#define IDC_CHECK2 1011
#define IDC_COPY1 1016
#define IDC_COPY2 1017

// ---- About box (dialog 486) ----------------------------------------------------------------------
#define IDC_ABOUT_EMAIL 390
#define IDC_ABOUT_WEB 391

// ---- Settings dialog (dialog 497); OK and Cancel are IDOK and IDCANCEL ---------------------------
#define IDC_SET_TAB 1012
// Patterns page
#define IDC_SET_PATTERN_LIST 1013
#define IDC_SET_PATTERN 1014
#define IDC_SET_EDIT_GROUP 1015
#define IDC_SET_DELETE 1016
#define IDC_SET_ADD 1017
#define IDC_SET_NAME 1043
#define IDC_SET_NAME_LABEL 1056
#define IDC_SET_PATTERN_LABEL 1057
#define IDC_SET_UP 1240
#define IDC_SET_DOWN 1241
#define IDC_SET_RGB_R 1000
#define IDC_SET_RGB_G 1001
#define IDC_SET_RGB_B 1002
#define IDC_SET_HSB_H 1003
#define IDC_SET_HSB_S 1004
#define IDC_SET_HSB_B 1005
#define IDC_SET_HSL_H 1110
#define IDC_SET_HSL_S 1111
#define IDC_SET_HSL_L 1112
#define IDC_SET_RGB_R_LABEL 1050
#define IDC_SET_RGB_G_LABEL 1051
#define IDC_SET_RGB_B_LABEL 1052
#define IDC_SET_HSB_H_LABEL 1053
#define IDC_SET_HSB_S_LABEL 1054
#define IDC_SET_HSB_B_LABEL 1055
#define IDC_SET_HSL_H_LABEL 1113
#define IDC_SET_HSL_S_LABEL 1114
#define IDC_SET_HSL_L_LABEL 1115
#define IDC_SET_LINE1 1116
#define IDC_SET_LINE2 1117
// The fourth row: the formats of the first model beyond RGB, HSB and HSL the pattern uses.
#define IDC_SET_MODEL_1 1118
#define IDC_SET_MODEL_2 1119
#define IDC_SET_MODEL_3 1120
#define IDC_SET_MODEL_LABEL 1121
// Magnifier page
#define IDC_SET_ZOOM_GROUP 1042
#define IDC_SET_ZOOM_X15 1044 // zoom level 0 .. 4 = 1044 .. 1048
#define IDC_SET_ZOOM_X11 1045
#define IDC_SET_ZOOM_X8 1046
#define IDC_SET_ZOOM_X5 1047
#define IDC_SET_ZOOM_X3 1048
#define IDC_SET_PIPETTE_GROUP 1099
#define IDC_SET_SAMPLE_1X1 1100
#define IDC_SET_SAMPLE_3X3 1101
#define IDC_SET_SAMPLE_5X5 1102
#define IDC_SET_ANIMATION 1061
// Colours page
#define IDC_SET_MODIFIER_GROUP 1027
#define IDC_SET_MOD_WEB 1028 // modifier index 0 .. 4 = 1028 .. 1032
#define IDC_SET_MOD_GRAY 1029
#define IDC_SET_MOD_DESATURATION 1030
#define IDC_SET_MOD_INVERSION 1031
#define IDC_SET_MOD_COMPLEMENT 1032
#define IDC_SET_PALETTE_LABEL 1070
#define IDC_SET_PALETTE_SIZE 1071
// Keys page: a label, a hot key control and a "taken" mark for each of refresh, toggle, pick
#define IDC_SET_KEY_REFRESH_LABEL 1130
#define IDC_SET_KEY_REFRESH 1131
#define IDC_SET_KEY_TOGGLE_LABEL 1132
#define IDC_SET_KEY_TOGGLE 1133
#define IDC_SET_KEY_PICK_LABEL 1134
#define IDC_SET_KEY_PICK 1135
#define IDC_SET_PICK_COPIES 1136
#define IDC_SET_KEY_REFRESH_TAKEN 1137
#define IDC_SET_KEY_TOGGLE_TAKEN 1138
#define IDC_SET_KEY_PICK_TAKEN 1139

// ---- Contrast window (created at run time) -------------------------------------------------------
#define IDC_CONTRAST_TEXT_WELL 1310
#define IDC_CONTRAST_TEXT_VALUE 1311
#define IDC_CONTRAST_BACK_WELL 1312
#define IDC_CONTRAST_BACK_VALUE 1313
#define IDC_CONTRAST_RATIO 1314
#define IDC_CONTRAST_VERDICT_FIRST 1315 // the five verdicts are 1315 .. 1319
#define IDC_CONTRAST_TAKE_CURRENT 1320
#define IDC_CONTRAST_SWAP 1321
#define IDC_CONTRAST_PREVIEW 1322
#define IDC_CONTRAST_APCA 1330
#define IDC_CONTRAST_APCA_VERDICT 1331

// ---- Menus (each has one popup, submenu 0) -------------------------------------------------------
#define IDM_MODIFIER 138
#define IDM_ZOOM 243
#define IDM_COLOR 365
#define IDM_PALETTE 484
#define IDM_TRAY 487
#define IDM_SAMPLE 1020

// Modifier menu 138 (radio group; the command ids are the ColorMode values)
#define ID_MOD_WEB 139
#define ID_MOD_GRAY 140
#define ID_MOD_DESATURATION 141
#define ID_MOD_INVERSION 142
#define ID_MOD_COMPLEMENT 143

// Zoom menu 243 (245 .. 249 are zoom levels 0 .. 4, a radio group)
#define ID_ZOOM_X15 245
#define ID_ZOOM_X11 246
#define ID_ZOOM_X8 247
#define ID_ZOOM_X5 248
#define ID_ZOOM_X3 249
#define ID_COPY_IMAGE 260
#define ID_REFRESH 261

// Colour menu 365: the system colour dialog and the 16 named colours 368 .. 383, in this order
#define ID_CHOOSE_COLOR 366
#define ID_COLOR_BLACK 368
#define ID_COLOR_GRAY 369
#define ID_COLOR_SILVER 370
#define ID_COLOR_WHITE 371
#define ID_COLOR_NAVY 372
#define ID_COLOR_BLUE 373
#define ID_COLOR_PURPLE 374
#define ID_COLOR_MAGENTA 375
#define ID_COLOR_GREEN 376
#define ID_COLOR_LIME 377
#define ID_COLOR_TEAL 378
#define ID_COLOR_CYAN 379
#define ID_COLOR_MAROON 380
#define ID_COLOR_RED 381
#define ID_COLOR_OLIVE 382
#define ID_COLOR_YELLOW 383
#define HUEX_NAMED_COLOR_COUNT 16
// ... then, after a separator, the contrast window and palette files
#define ID_CONTRAST 1300
#define ID_VISION_NORMAL 1340 // the zoom view's vision 0 .. 4 = 1340 .. 1344
#define ID_VISION_PROTANOPIA 1341
#define ID_VISION_DEUTERANOPIA 1342
#define ID_VISION_TRITANOPIA 1343
#define ID_VISION_ACHROMATOPSIA 1344
#define ID_PALETTE_EXPORT 1301
#define ID_PALETTE_IMPORT 1302
// The colour under the mouse pointer, as the pick hot key takes it (no menu item)
#define ID_PICK_AT_CURSOR 1410
#define ID_HISTORY 1400 // the colour history window, after the contrast window's item

// ---- Colour history window (created at run time) and its row menu ------------------------------
#define IDC_HISTORY_LIST 1401
#define ID_HISTORY_COPY 1402
#define ID_HISTORY_PIN 1403
#define ID_HISTORY_TO_PALETTE 1404
#define ID_HISTORY_DELETE 1405
#define ID_HISTORY_CLEAR 1406
#define ID_HISTORY_EXPORT 1407

// Palette menu 484 (its texts are copied into the colour menu at run time)
#define ID_GRADIENT_RGB 503
#define ID_GRADIENT_HSB 504

// Tray menu 487 (also inserted into the system menu)
#define ID_HELP_CONTENTS 488
#define ID_ABOUT 489
#define ID_EXIT 491
#define ID_SETTINGS 492
#define ID_TOGGLE_WINDOW 494

// Sample-size menu 1020 (radio group; sample size = 2 * id - 2041)
#define ID_SAMPLE_1X1 1021
#define ID_SAMPLE_3X3 1022
#define ID_SAMPLE_5X5 1023

// Pattern menu, built at run time: pattern i is 1034 + i, "add/edit" follows the last pattern
#define ID_PATTERN_FIRST 1034

// The framework's help command, routed to the same help action as ID_HELP_CONTENTS
#define ID_APP_HELP 57670

// ---- Icons ---------------------------------------------------------------------------------------
#define IDI_APP 100 // lowest icon id: the program file's icon in the shell
#define IDI_PIPETTE 136
#define IDI_PIPETTE_HOLDER 137     // shown in the pipette bar while the pipette is being dragged
#define IDI_TRAY_SHOWN_CLASSIC 211 // tray icons for systems without alpha-blended icons
#define IDI_TRAY_HIDDEN_CLASSIC 212
#define IDI_TRAY_SHOWN 213
#define IDI_TRAY_HIDDEN 214
#define IDI_SAMPLE_1X1 1231 // = 210 + ID_SAMPLE_1X1
#define IDI_SAMPLE_3X3 1232
#define IDI_SAMPLE_5X5 1233
#define IDI_DIVIDER 1234
#define IDI_ABOUT_PICTURE 1360 // the About picture at 125, 150 and 200 %: 88, 105 and 140 pixels

// ---- Cursors -------------------------------------------------------------------------------------
#define IDCUR_PIPETTE 357
#define IDCUR_DROP 360 // colour drag over a drop target
#define IDCUR_DRAG 364 // colour drag, no drop target

// ---- Bitmaps -------------------------------------------------------------------------------------
#define IDB_ABOUT 209
#define IDB_COLOR_BLACK 1200 // 1200 .. 1215: the named colours, in menu order
#define IDB_COLOR_GRAY 1201
#define IDB_COLOR_SILVER 1202
#define IDB_COLOR_WHITE 1203
#define IDB_COLOR_NAVY 1204
#define IDB_COLOR_BLUE 1205
#define IDB_COLOR_PURPLE 1206
#define IDB_COLOR_MAGENTA 1207
#define IDB_COLOR_GREEN 1208
#define IDB_COLOR_LIME 1209
#define IDB_COLOR_TEAL 1210
#define IDB_COLOR_CYAN 1211
#define IDB_COLOR_MAROON 1212
#define IDB_COLOR_RED 1213
#define IDB_COLOR_OLIVE 1214
#define IDB_COLOR_YELLOW 1215
// 1300 .. 1315: the named colours at 125 %, in menu order
#define IDB_COLOR_BLACK_125 1300
#define IDB_COLOR_GRAY_125 1301
#define IDB_COLOR_SILVER_125 1302
#define IDB_COLOR_WHITE_125 1303
#define IDB_COLOR_NAVY_125 1304
#define IDB_COLOR_BLUE_125 1305
#define IDB_COLOR_PURPLE_125 1306
#define IDB_COLOR_MAGENTA_125 1307
#define IDB_COLOR_GREEN_125 1308
#define IDB_COLOR_LIME_125 1309
#define IDB_COLOR_TEAL_125 1310
#define IDB_COLOR_CYAN_125 1311
#define IDB_COLOR_MAROON_125 1312
#define IDB_COLOR_RED_125 1313
#define IDB_COLOR_OLIVE_125 1314
#define IDB_COLOR_YELLOW_125 1315
// 1320 .. 1335: the named colours at 150 %, in menu order
#define IDB_COLOR_BLACK_150 1320
#define IDB_COLOR_GRAY_150 1321
#define IDB_COLOR_SILVER_150 1322
#define IDB_COLOR_WHITE_150 1323
#define IDB_COLOR_NAVY_150 1324
#define IDB_COLOR_BLUE_150 1325
#define IDB_COLOR_PURPLE_150 1326
#define IDB_COLOR_MAGENTA_150 1327
#define IDB_COLOR_GREEN_150 1328
#define IDB_COLOR_LIME_150 1329
#define IDB_COLOR_TEAL_150 1330
#define IDB_COLOR_CYAN_150 1331
#define IDB_COLOR_MAROON_150 1332
#define IDB_COLOR_RED_150 1333
#define IDB_COLOR_OLIVE_150 1334
#define IDB_COLOR_YELLOW_150 1335
// 1340 .. 1355: the named colours at 200 %, in menu order
#define IDB_COLOR_BLACK_200 1340
#define IDB_COLOR_GRAY_200 1341
#define IDB_COLOR_SILVER_200 1342
#define IDB_COLOR_WHITE_200 1343
#define IDB_COLOR_NAVY_200 1344
#define IDB_COLOR_BLUE_200 1345
#define IDB_COLOR_PURPLE_200 1346
#define IDB_COLOR_MAGENTA_200 1347
#define IDB_COLOR_GREEN_200 1348
#define IDB_COLOR_LIME_200 1349
#define IDB_COLOR_TEAL_200 1350
#define IDB_COLOR_CYAN_200 1351
#define IDB_COLOR_MAROON_200 1352
#define IDB_COLOR_RED_200 1353
#define IDB_COLOR_OLIVE_200 1354
#define IDB_COLOR_YELLOW_200 1355

// ---- Help ----------------------------------------------------------------------------------------
#define IDH_HELP_PAGE 1 // RT_HTML (23)

#endif // HUEX_RESOURCE_H
