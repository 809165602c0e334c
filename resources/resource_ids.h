/* Resource identifiers of the program's embedded pictures, icon, cursor and manifest.
   Plain C macros: included by lumo.rc (windres) and by C++.

   Picture buttons have three pictures with consecutive identifiers: NORMAL, then HOT
   (pointer over) at +1, then PRESSED at +2.
   IDB_* are BITMAP resources (BMP files, loaded with LoadImage);
   IDP_* are RCDATA resources holding PNG files (decoded by ui::loadPicture). */
#ifndef LUMO_RESOURCE_IDS_H
#define LUMO_RESOURCE_IDS_H

#define PICTURE_STATE_HOT 1
#define PICTURE_STATE_PRESSED 2

#define IDI_APP 1                 /* application icon, 16 and 32 pixels */
#define IDC_SCREENSHOT_TOOL 2     /* toolCursor: 32 x 32, 256 colours, hot spot at 0,0 */

/* 214 x 28, 24-bit. Columns 7..206 are all alike: fit to a narrower box by drawing the left
   part and the last 7 columns, so both rounded corners stay. */
#define IDB_TAB_ACTIVE 100
#define IDB_TAB_INACTIVE 101
#define IDB_PAGE_ICON 102         /* 16 x 16, 24-bit, on the active tab's fill */
#define IDB_BACKGROUND_BAND 103   /* 5 x 88, 24-bit, stretched to the window's width */
#define IDB_SIZE_GRIP 104         /* 16 x 16, 32-bit */

#define IDB_BACK_NORMAL 110
#define IDB_BACK_HOT 111
#define IDB_BACK_PRESSED 112

#define IDB_FORWARD_NORMAL 120
#define IDB_FORWARD_HOT 121
#define IDB_FORWARD_PRESSED 122

#define IDB_HOME_NORMAL 130
#define IDB_HOME_HOT 131
#define IDB_HOME_PRESSED 132

#define IDB_REFRESH_NORMAL 140
#define IDB_REFRESH_HOT 141
#define IDB_REFRESH_PRESSED 142

#define IDB_REOPEN_NORMAL 150
#define IDB_REOPEN_HOT 151
#define IDB_REOPEN_PRESSED 152

#define IDB_STOP_NORMAL 160
#define IDB_STOP_HOT 161
#define IDB_STOP_PRESSED 162

#define IDB_ADDRESS_DROP_NORMAL 170
#define IDB_ADDRESS_DROP_HOT 171
#define IDB_ADDRESS_DROP_PRESSED 172

#define IDB_SEARCH_NORMAL 180
#define IDB_SEARCH_HOT 181
#define IDB_SEARCH_PRESSED 182

#define IDB_NEW_TAB_NORMAL 190
#define IDB_NEW_TAB_HOT 191
#define IDB_NEW_TAB_PRESSED 192

#define IDB_TAB_CLOSE_NORMAL 200
#define IDB_TAB_CLOSE_HOT 201
#define IDB_TAB_CLOSE_PRESSED 202

#define IDB_SMALL_DOWN_NORMAL 210
#define IDB_SMALL_DOWN_HOT 211
#define IDB_SMALL_DOWN_PRESSED 212

#define IDP_MINIMISE_NORMAL 310
#define IDP_MINIMISE_HOT 311
#define IDP_MINIMISE_PRESSED 312

#define IDP_CLOSE_NORMAL 320
#define IDP_CLOSE_HOT 321
#define IDP_CLOSE_PRESSED 322

#define IDP_MENU_NORMAL 330
#define IDP_MENU_HOT 331
#define IDP_MENU_PRESSED 332

#define IDP_MAXIMISE_NORMAL 340
#define IDP_MAXIMISE_HOT 341
#define IDP_MAXIMISE_PRESSED 342

#define IDP_RESTORE_NORMAL 350
#define IDP_RESTORE_HOT 351
#define IDP_RESTORE_PRESSED 352

#define IDP_TAB_CLOSE_NORMAL 360
#define IDP_TAB_CLOSE_HOT 361
#define IDP_TAB_CLOSE_PRESSED 362
#define IDP_LOGO 300              /* 44 x 44 with transparent corners */
#define IDP_PAGE_ICON 301         /* 16 x 16 with a transparent ground, for any tab fill */

/* Colours (COLORREF, 0x00BBGGRR) the pictures are drawn on, for controls that must match. */
#define SKIN_COLOUR_FRAME 0x00C06000        /* border strips */
#define SKIN_COLOUR_CAPTION_ROW 0x00FFFFFF  /* band rows 0..26, behind the window buttons */
#define SKIN_COLOUR_TAB_STRIP 0x00F2E7DD    /* behind the tabs (band row 87 has it too) */
#define SKIN_COLOUR_TAB_ACTIVE 0x00FFFDFC   /* active tab fill */
#define SKIN_COLOUR_TAB_INACTIVE 0x00F6EFE9 /* inactive tab fill */
#define SKIN_COLOUR_FIELD_BORDER 0x00D0BCA8 /* flat border of the address and search boxes */

#endif
