// Resource ids of the Link Info page.
#ifndef SKYLOOK_UI_LINKINFO_PAGE_IDS_H
#define SKYLOOK_UI_LINKINFO_PAGE_IDS_H

#define IDD_LINK_INFO_PAGE 138

#define IDC_LINK_RESCAN 1026
#define IDC_LINK_RADIO 1055

#endif
