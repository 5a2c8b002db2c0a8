/* The identifiers of SkyscrubSetup's dialog and its controls, shared by its resource script and
   its code. Plain definitions, as the resource compiler reads this file too. */
#pragma once

#define IDD_OPTIONS 100
#define IDC_FRAME1 1001
#define IDC_LABEL1 1002
#define IDC_TEXT1 1003
#define IDC_FRAME2 1004
#define IDC_CHECK1 1005
#define IDC_CHECK2 1006
#define IDC_COMMAND3 1007 /* "Save " */
#define IDC_COMMAND4 1008 /* "Cancel" */
