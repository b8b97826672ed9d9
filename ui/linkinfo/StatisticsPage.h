#ifndef SKYLOOK_UI_STATISTICS_PAGE_H
#define SKYLOOK_UI_STATISTICS_PAGE_H

#include "ui/frame/PageBase.h"

// Created hidden with the dialog and never shown.
class CStatisticsPage : public CPageBase {
public:
    CStatisticsPage();
};

#endif
