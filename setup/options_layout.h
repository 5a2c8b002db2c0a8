/* The "Skyscrub Options" dialog's design in pixels at 96 dots per inch, each control from the
   client area's top-left corner (the frames' children placed inside their frame), for every
   toolkit that draws it. Plain definitions, as the resource compiler reads this file too. */
#pragma once

#define OPTIONS_CLIENT_WIDTH 249
#define OPTIONS_CLIENT_HEIGHT 212

/* Frame1, "Game Speed", with Label1 and Text1 */
#define OPTIONS_FRAME1_X 12
#define OPTIONS_FRAME1_Y 8
#define OPTIONS_FRAME1_W 229
#define OPTIONS_FRAME1_H 89
#define OPTIONS_LABEL1_X (OPTIONS_FRAME1_X + 8)
#define OPTIONS_LABEL1_Y (OPTIONS_FRAME1_Y + 24)
#define OPTIONS_LABEL1_W 185
#define OPTIONS_LABEL1_H 37
#define OPTIONS_TEXT1_X (OPTIONS_FRAME1_X + 164)
#define OPTIONS_TEXT1_Y (OPTIONS_FRAME1_Y + 52)
#define OPTIONS_TEXT1_W 45
#define OPTIONS_TEXT1_H 19
#define OPTIONS_SPEED_DIGITS 3

/* Frame2, "Sound and Music", with Check1 ("Music") and Check2 ("Sound") */
#define OPTIONS_FRAME2_X 12
#define OPTIONS_FRAME2_Y 104
#define OPTIONS_FRAME2_W 229
#define OPTIONS_FRAME2_H 61
#define OPTIONS_CHECK1_X (OPTIONS_FRAME2_X + 12)
#define OPTIONS_CHECK2_X (OPTIONS_FRAME2_X + 80)
#define OPTIONS_CHECK_Y (OPTIONS_FRAME2_Y + 24)
#define OPTIONS_CHECK_W 61
#define OPTIONS_CHECK_H 25

/* Command4 ("Cancel") and Command3 ("Save ") */
#define OPTIONS_CANCEL_X 12
#define OPTIONS_SAVE_X 180
#define OPTIONS_BUTTON_Y 172
#define OPTIONS_BUTTON_W 57
#define OPTIONS_BUTTON_H 29

#define OPTIONS_TITLE "Skyscrub Options"
#define OPTIONS_FRAME1_CAPTION "Game Speed"
#define OPTIONS_LABEL1_CAPTION "Enter a value from 1 to 999.  The lower the number, the faster."
#define OPTIONS_FRAME2_CAPTION "Sound and Music"
#define OPTIONS_CHECK1_CAPTION "Music"
#define OPTIONS_CHECK2_CAPTION "Sound"
#define OPTIONS_CANCEL_CAPTION "Cancel"
#define OPTIONS_SAVE_CAPTION "Save "
#define OPTIONS_DEFAULT_SPEED "10"
