// resource_ids.h -- resource and control numbers shared by the resource script and the code
#pragma once

#define IDD_CONFIGURATION 101
#define IDD_ABOUT 105
#define IDB_DIALOG_PICTURE 107
#define IDI_ORBIVANE 111
#define IDB_PREVIEW_PICTURE 112

#define IDC_MODE_LIST 1000
#define IDC_USE_DESKTOP 1001
#define IDC_ENABLE_MUSIC 1003
#define IDC_SHOW_TIME 1004
#define IDC_RESTORE_DEFAULTS 1006
#define IDC_ABOUT 1008
#define IDC_MOUSE_EXIT 1011
#define IDC_VOLUME_TEXT 1017
#define IDC_VOLUME 1026
#define IDC_SHOW_FPS 1027
#define IDC_VSYNC 1028
#define IDC_BRIGHTNESS 1029
#define IDC_BRIGHTNESS_TEXT 1030
#define IDC_DEFAULT_GAMMA 1032
#define IDC_12_HOURS 1054
#define IDC_24_HOURS 1049
#define IDC_SPEED 1057
#define IDC_DIALOG_PICTURE 1060
