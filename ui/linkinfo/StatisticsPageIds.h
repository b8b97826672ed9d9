// Resource ids of the statistics page.
#ifndef SKYLOOK_UI_STATISTICS_PAGE_IDS_H
#define SKYLOOK_UI_STATISTICS_PAGE_IDS_H

#define IDD_STATISTICS_PAGE 140

#endif
