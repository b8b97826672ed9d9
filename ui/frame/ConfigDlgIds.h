// Resource ids of the configuration dialog's frame; each page has its own ids header.
#ifndef SKYLOOK_UI_CONFIG_DLG_IDS_H
#define SKYLOOK_UI_CONFIG_DLG_IDS_H

#define IDD_CONFIG_DIALOG 137

#define IDC_PAGE_TAB 1000
#define IDC_LABEL_LINK_INFO 1039
#define IDC_LABEL_CONFIGURATION 1040
#define IDC_LABEL_ENCRYPTION 1041
#define IDC_LABEL_SITE_SURVEY 1042
#define IDC_LABEL_ABOUT 1043
#define IDC_LABEL_HIDE 1044

#endif
