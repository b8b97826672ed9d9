// Resource ids of the About page.
#ifndef SKYLOOK_UI_ABOUT_PAGE_IDS_H
#define SKYLOOK_UI_ABOUT_PAGE_IDS_H

#define IDD_ABOUT_PAGE 142

#endif
